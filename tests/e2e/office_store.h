// The store that most scenarios run against, and the test fixture that hands
// each test a copy of it.
//
// Server "faxsrv" ("Test fax server") has user ALICE (qualifier OFFICE, name
// "Alice Archer") with these faxes, listed in handle order:
//
//   handle      fax ID    folder   direction  date        pages  error  viewed
//   101         APP0001A  main     received   2008-11-05      3      0  yes
//   102         B0000102  main     sent       2008-11-01      2      0  -
//   103         APP0003C  Archive  received   2008-11-03      4      0  -
//   104         B0000104  main     received   2008-11-04      1     37  -
//   2882400001  APP0005E  main     sent       2008-11-02      5      0  -
//
// (2882400001 is 0xABCDEF01.) None carries a mark. User BOB owns one fax,
// APP0009Z, which ALICE's runs must never see; user CAROL (qualifier SALES,
// name "Carol Clark") owns none.
#ifndef INKSTAMP_TESTS_E2E_OFFICE_STORE_H_
#define INKSTAMP_TESTS_E2E_OFFICE_STORE_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "e2e/e2e_support.h"

namespace e2e {

// The faxsim commands that make the store above.
std::vector<std::vector<std::string>> officeStoreRecipe();

// The words of `parts` in turn, as one command line.
std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts);

// Names each case of a parameterized test by its `name`.
template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// The output of a run as alice that connects at the first try, from the
// server line to the blank line after the user line; the same as carol.
std::string officeSessionHead();
std::string carolSessionHead();
// What follows the marking pass: the blank line and the disconnect lines.
std::string officeSessionTail();
// The whole output of a run as alice that connects at the first try and
// whose marking pass prints `pass`.
std::string officeRun(std::string_view pass);
// The calls of such a run up to and including the user lookup.
std::string officeTraceHead();

// The progress lines of a pass that marks the four faxes of alice's main
// folder in the list's order, and its summary.
std::string officeMainProgress();
std::string officeMainSummary();
// The marking pass of a run as alice whose only pattern is B0000102.
std::string officeB0000102Pass();

class OfficeTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Runs the program against this test's store. Natively it also expects
  // nothing on standard error (Wine writes its own notes there).
  ProgramRun run(const std::vector<std::string>& arguments);

  // Adds a fault with `faxsim add-fault faxsrv arguments...`.
  void addFault(const std::vector<std::string>& arguments);

  // The trace that the program makes, given the simulator's trace: on
  // Windows the pause is the kernel's and leaves no line.
  static std::string expectedTrace(const std::string& trace);

  SimStore store_;
};

}  // namespace e2e

#endif  // INKSTAMP_TESTS_E2E_OFFICE_STORE_H_
