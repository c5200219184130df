// The end-to-end fixture: each test gets its own copy of the test world's
// store (support/world.h), and the texts that runs against it print and
// trace, built from the world's particulars.
#ifndef INKSTAMP_TESTS_SUPPORT_WORLD_STORE_TEST_H_
#define INKSTAMP_TESTS_SUPPORT_WORLD_STORE_TEST_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/e2e_support.h"

namespace support {

// The words of `parts` in turn, as one command line.
std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts);

// Names each case of a parameterized test by its `name`.
template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// The output of a run as alice that connects at the first try, from the
// server line to the blank line after the user line; the same as carol.
std::string worldSessionHead();
std::string carolSessionHead();
// What follows the marking pass: the blank line and the disconnect lines.
std::string worldSessionTail();
// The whole output of a run as alice that connects at the first try and
// whose marking pass prints `pass`.
std::string worldRun(std::string_view pass);
// The calls of such a run up to and including the user lookup.
std::string worldTraceHead();

// The progress lines of a pass that marks the four faxes of alice's main
// folder in the list's order, and its summary.
std::string worldMainProgress();
std::string worldMainSummary();
// The marking pass of a run as alice whose only pattern is B0000102.
std::string worldB0000102Pass();

class WorldStoreTest : public ::testing::Test {
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

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_WORLD_STORE_TEST_H_
