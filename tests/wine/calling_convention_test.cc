// The call thunk through which the 32-bit programs call the client library,
// whichever convention it has: its own check program, and a library that is
// neither __stdcall nor __cdecl. (The runs against our __stdcall and __cdecl
// DLLs are the scenarios, run against each; see CMakeLists.txt.) 64-bit
// Windows has one convention and no thunk.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

void requireThunk() {
  if (Wine::get().arch != "i686")
    GTEST_SKIP() << "64-bit Windows has one calling convention: no call thunk";
}

}  // namespace

TEST(WindowsCallThunk, CallsFunctionsOfEitherConventionWithUpToTenArguments) {
  REQUIRE_WINE();
  requireThunk();
  if (IsSkipped())
    return;
  ProcessResult run =
      runProcess(Wine::get().command("call_thunk_check.exe", {}), Wine::get().options());
  EXPECT_EQ(run.exitStatus, 0) << describe(run);
  EXPECT_EQ(normalizeLineEnds(run.out), "0 faults in 23 calls through the thunk\n");
}

// The library's first call with arguments removes 8 of its 12 bytes: the
// program says so and ends with status 1 before it calls anything else (any
// further call would end it with status 70).
TEST(WindowsCallThunk, ALibraryOfNeitherConventionIsRefused) {
  REQUIRE_WINE();
  requireThunk();
  if (IsSkipped())
    return;
  const Wine& wine = Wine::get();
  std::string folder = freshTestFolder();
  ASSERT_TRUE(copyFile(wine.stagePath("wrong-pop/RFWIN32.dll"), folder + "/RFWIN32.dll"));
  ASSERT_TRUE(copyFile(wine.stagePath("inkstamp.exe"), folder + "/inkstamp.exe"));
  ProcessResult run = runProcess(
      wine.command(folder + "/inkstamp.exe", {"-s", "faxsrv", "-u", "alice", "-mp", "*"}),
      wine.options());
  EXPECT_EQ(run.exitStatus, 1) << describe(run);
  const std::string end =
      "Connect(1) to RightFax server: faxsrv\n"
      "RFWIN32.dll is not the client library that this program was made for: "
      "RFaxCreateServerHandle removed 8 bytes of arguments from the stack, not 12 or 0.\n";
  std::string out = normalizeLineEnds(run.out);
  EXPECT_EQ(out.substr(out.size() < end.size() ? 0 : out.size() - end.size()), end) << out;
}
