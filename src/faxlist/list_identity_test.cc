// faxlist's entry: a banner of its own, with the project's version and its
// day from CMake, and faxlist's usage text as its help.
#include "faxlist/list_identity.h"

#include <string>

#include <gtest/gtest.h>

#include "faxlist/list_program.h"
#include "support/c_string_vector.h"
#include "support/expected_output.h"
#include "support/fake_server_test.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class FaxListEntryTest : public support::FakeServerTest {};

TEST_F(FaxListEntryTest, BannerShowsTheProjectsVersionAndHelpIsFaxlistsUsage) {
  support::CStringVector argv = support::CStringVector::commandLine({"-?"});
  CaptureStdout();
  int status = runProgram<ListProgram>(kFaxListIdentity, argv.count(), argv.vector());
  std::string out = GetCapturedStdout();
  EXPECT_EQ(status, 255);
  EXPECT_EQ(out.substr(0, out.find("usage:  faxlist ")),
            "FaxList - List faxes on a RightFax server\n"
            "Version " EXPECTED_VERSION " [Built: " EXPECTED_DAY
            "]\n"
            "\n"
            "List the RightFax user's faxes that inkstamp would mark, marking none.\n"
            "\n"
            "RightFax API version: " +
                std::string(support::kDefaultApiVersionText) + "\n");
}

}  // namespace
