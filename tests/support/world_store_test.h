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

// The output of a run as carol that connects at the first try, from the
// server line to the blank line after the user line.
std::string carolSessionHead();
// What follows the marking pass: the blank line and the disconnect lines.
std::string worldSessionTail();
// The whole output of a run as alice that connects at the first try and
// whose marking pass prints `pass`.
std::string worldRun(std::string_view pass);
// The calls of such a run up to and including the user lookup.
std::string worldTraceHead();

class WorldStoreTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Runs the program against this test's store. Natively it also expects
  // nothing on standard error (Wine writes its own notes there).
  ProgramRun run(const std::vector<std::string>& arguments);

  // Adds a fault with `faxsim add-fault faxsrv arguments...`.
  void addFault(const std::vector<std::string>& arguments);

  SimStore store_;
};

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_WORLD_STORE_TEST_H_
