// What the hardening tests share: stores made quickly (the server and user
// with faxsim, many faxes at once with SQL), reading a run's summary and the
// faxes it reported marked, and the marks the store holds afterwards, so that
// each test can check that nothing reported done is missing from the store.
#ifndef INKSTAMP_TESTS_HARDENING_HARDENING_SUPPORT_H_
#define INKSTAMP_TESTS_HARDENING_HARDENING_SUPPORT_H_

#include <stdint.h>

#include <set>
#include <string>
#include <vector>

#include "e2e/e2e_support.h"

namespace hardening {

// One fax row for insertFaxes(): folder main, no marks.
struct FaxSpec {
  int64_t handle;
  std::string faxId;  // any bytes but NUL
  bool received = true;
};

// Creates the store with server "faxsrv" and user ALICE, and adds `faxes`.
bool makeStore(e2e::SimStore& store, const std::vector<FaxSpec>& faxes);
// Adds faxes of ALICE on faxsrv in one transaction.
bool insertFaxes(const e2e::SimStore& store, const std::vector<FaxSpec>& faxes);

// The six faxes most tests run against: four received, two sent.
std::vector<FaxSpec> officeFaxes();

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
std::set<int64_t> handlesWithMark(const e2e::SimStore& store, const std::string& column);
std::set<std::string> faxIdsWithMark(const e2e::SimStore& store, const std::string& column);

// The whole content of a file ("" when there is none) and whether it exists.
std::string fileBytes(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace hardening

#endif  // INKSTAMP_TESTS_HARDENING_HARDENING_SUPPORT_H_
