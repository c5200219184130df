// What the hardening tests share: stores of many or odd faxes made quickly
// (the world's server and users with faxsim, the faxes at once with SQL),
// reading a run's summary and the faxes it reported marked, and the marks the
// store holds afterwards, so that each test can check that nothing reported
// done is missing from the store.
#ifndef INKSTAMP_TESTS_SUPPORT_REPORTED_MARKS_H_
#define INKSTAMP_TESTS_SUPPORT_REPORTED_MARKS_H_

#include <stdint.h>

#include <set>
#include <string>
#include <vector>

#include "support/e2e_support.h"

namespace support {

// One fax row for makeStore(): folder main, no marks.
struct FaxSpec {
  int64_t handle;
  std::string faxId;  // any bytes but NUL
  bool received = true;
};

// Creates the store with the test world's server and users, but none of its
// faxes: `faxes` instead.
bool makeStore(support::SimStore& store, const std::vector<FaxSpec>& faxes);

// The counts of a run's summary line; found is false when there is none.
struct Summary {
  bool found = false;
  int faxes = -1, marked = -1, failed = -1, skipped = -1, total = -1;
};
Summary summaryOf(const std::string& out);

// The fax IDs whose progress block ends in "  -> marked" without a "Can't"
// line: what the run reported done. For IDs without line ends.
std::multiset<std::string> faxIdsReportedMarked(const std::string& out);

// The handles of the faxes that a run's trace shows loaded and given every
// mark without a failure.
std::set<int64_t> handlesMarkedInTrace(const std::string& trace);

// The handles, or the fax IDs, of the faxes whose mark `column` (such as
// "printed") is set in the store now.
std::set<int64_t> handlesWithMark(const support::SimStore& store, const std::string& column);
std::set<std::string> faxIdsWithMark(const support::SimStore& store, const std::string& column);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_REPORTED_MARKS_H_
