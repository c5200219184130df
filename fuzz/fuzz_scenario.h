// What one input of the program fuzzer stands for: a command line and the
// answers of the fake client library. Reading an input sets the fake up and
// keeps a copy of what the checks need to know (the list as given, the
// records the library hands out).
#ifndef INKSTAMP_FUZZ_FUZZ_SCENARIO_H_
#define INKSTAMP_FUZZ_FUZZ_SCENARIO_H_

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "faxclient/faxclient.h"

// An argument vector as a program receives it: argv[0] is the program's
// name and the vector ends with a null entry.
class ArgumentVector {
 public:
  ArgumentVector();
  void add(std::string argument);
  int count() const { return static_cast<int>(arguments_.size()); }
  // Valid until the next add().
  char** vector();
  const std::vector<std::string>& arguments() const { return arguments_; }

 private:
  std::vector<std::string> arguments_;
  std::vector<char*> pointers_;
};

struct Scenario {
  ArgumentVector arguments;
  // The list as handed to the fake, before any sort.
  std::vector<FaxListElement> list;
  // What RFaxGetServerInfo2 and RFaxLoadUser3 copy out when they succeed.
  ServerInfo serverInfo = {};
  UserRecord userRecord = {};
};

// The most elements an input may ask for: enough for long walks, few enough
// to keep each run within milliseconds.
const size_t kMaxListElements = 600;

// Reads `data` (format in inkstamp_fuzz.cc and fuzz_scenario.cc) into
// `scenario` and sets the fake client library up accordingly. The fake must
// have been reset.
void readScenario(const uint8_t* data, size_t size, Scenario* scenario);

#endif  // INKSTAMP_FUZZ_FUZZ_SCENARIO_H_
