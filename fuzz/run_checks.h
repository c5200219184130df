// What must hold after any run of the program, whatever its command line and
// whatever the client library answered: the exit status is one of the five,
// every handle opened is closed, the output ends as the status says (the
// disconnect messages last whenever a connection was made), and the marking
// pass's progress lines and summary agree with the calls it made: total is
// the number of elements walked, failed is faxes minus marked, and a fax
// counts as marked only when it was loaded and every mark was applied.
#ifndef INKSTAMP_FUZZ_RUN_CHECKS_H_
#define INKSTAMP_FUZZ_RUN_CHECKS_H_

#include <string>

#include "fuzz_scenario.h"
#include "inkstamp/command_line.h"

// What one run left behind.
struct RunRecord {
  int status = 0;
  std::string output;               // standard output and the program's stream, together
  std::string trace;                // the fake library's calls
  SortOrder sortOrder = kSortNone;  // as the run left it
  bool serverLeftOpen = false;
  bool listLeftOpen = false;
};

// Aborts with a report on standard error when the run broke a rule.
void checkRun(const Scenario& scenario, const RunRecord& record);

#endif  // INKSTAMP_FUZZ_RUN_CHECKS_H_
