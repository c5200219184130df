#include <stdio.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "inkstamp/mark_program.h"
#include "support/fake_server_test.h"
#include "support/files.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

const RFaxFaxHandle kFax = 0x1F;
const char kFaxId[] = "APP0438B2C87FE62B9";

// A program connected to the fake server, writing its marking messages to a
// temporary file.
class MarkOneFaxTest : public support::FakeServerTest {
 protected:
  void SetUp() override {
    FakeServerTest::SetUp();
    FaxListElement listed[] = {
        fakeclient::makeElement(kFax, 0x10, 0, 1, 0, kFaxId),
        fakeclient::makeElement(0xABCDEF12, 0x10, 0, 1, 0, "B000409E2"),
    };
    fakeclient::setList(listed, 2);
    fax_ = listed[0];
    CaptureStdout();
    program_ = std::make_unique<MarkProgram>();
    ASSERT_TRUE(program_->connect("faxsrv"));
    program_->output = tmpfile();
    ASSERT_NE(program_->output, nullptr);
    fakeclient::clearTrace();
  }

  void TearDown() override {
    fclose(program_->output);
    program_.reset();
    GetCapturedStdout();
  }

  // Everything written to `output` so far.
  std::string output() { return support::readStream(program_->output); }

  // The calls that marking kFax with `codes` makes, all succeeding.
  static std::string markCalls(std::initializer_list<int> codes) {
    std::string calls = "RFaxLoadFax3(1, 31, 0, 3, 0, 11) = 0\n";
    for (int code : codes)
      calls += "InkStampFax(1, 31, " + std::to_string(code) + ") = 0\n";
    return calls;
  }

  std::unique_ptr<MarkProgram> program_;
  FaxListElement fax_;
};

TEST_F(MarkOneFaxTest, SendsTheMarksInTheFixedOrder) {
  const struct {
    MarkSet marks;
    std::initializer_list<int> codes;
  } cases[] = {
      {kMarkPrinted | kMarkBodyPrinted, {3, 7}},
      {kMarkHeld | kMarkViewed | kMarkUser2Off, {0, 6, 13}},
      // The largest set the command line accepts.
      {kMarkPrinted | kMarkBodyPrinted | kMarkViewed | kMarkApproved | kMarkReleased |
           kMarkUser1On | kMarkUser2On,
       {3, 0, 8, 7, 5, 10, 12}},
      {kMarkNotPrinted | kMarkNotViewed | kMarkNotApproved | kMarkHeld | kMarkUser1Off |
           kMarkUser2Off,
       {4, 1, 9, 6, 11, 13}},
      // Bits that carry no mark are ignored; an empty set still loads the fax.
      {0x0200 | 0xFFFFC000u, {}},
      {0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "marks 0x" << std::hex << c.marks);
    fakeclient::clearTrace();
    EXPECT_TRUE(program_->markOneFax(&fax_, c.marks));
    EXPECT_EQ(fakeclient::trace(), markCalls(c.codes));
  }
  std::string closingLines;
  for (size_t i = 0; i < std::size(cases); ++i)
    closingLines += "  -> marked\n";
  EXPECT_EQ(output(), closingLines);
}

TEST_F(MarkOneFaxTest, AFaxThatCantBeLoadedIsNotMarked) {
  fakeclient::failLoadFax(kFax, 5);
  EXPECT_FALSE(program_->markOneFax(&fax_, kMarkPrinted | kMarkViewed));
  EXPECT_EQ(output(), "Can't retrieve fax: APP0438B2C87FE62B9 (0000001F)\n");
  EXPECT_EQ(fakeclient::trace(), "RFaxLoadFax3(1, 31, 0, 3, 0, 11) = 5\n");
}

TEST_F(MarkOneFaxTest, AFailedMarkStillSendsTheRest) {
  fakeclient::failMark(kFax, 3, 6);
  EXPECT_FALSE(program_->markOneFax(&fax_, kMarkPrinted | kMarkBodyPrinted));
  EXPECT_EQ(output(),
            "Can't mark fax: APP0438B2C87FE62B9 (0000001F)\n"
            "  -> marked\n");
  EXPECT_EQ(fakeclient::trace(),
            "RFaxLoadFax3(1, 31, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 31, 3) = 6\n"
            "InkStampFax(1, 31, 7) = 0\n");
}

TEST_F(MarkOneFaxTest, EveryFailedMarkIsReported) {
  fakeclient::failMark(kFax, 0, 6);
  fakeclient::failMark(kFax, 13, 6);
  EXPECT_FALSE(program_->markOneFax(&fax_, kMarkViewed | kMarkHeld | kMarkUser2Off));
  EXPECT_EQ(output(),
            "Can't mark fax: APP0438B2C87FE62B9 (0000001F)\n"
            "Can't mark fax: APP0438B2C87FE62B9 (0000001F)\n"
            "  -> marked\n");
  EXPECT_EQ(fakeclient::trace(),
            "RFaxLoadFax3(1, 31, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 31, 0) = 6\n"
            "InkStampFax(1, 31, 6) = 0\n"
            "InkStampFax(1, 31, 13) = 6\n");
}

TEST_F(MarkOneFaxTest, HandlesShowAsEightUpperCaseHexDigits) {
  FaxListElement other = fakeclient::makeElement(0xABCDEF12, 0x10, 0, 1, 0, "B000409E2");
  fakeclient::failLoadFax(0xABCDEF12, 5);
  EXPECT_FALSE(program_->markOneFax(&other, kMarkPrinted));
  EXPECT_EQ(output(), "Can't retrieve fax: B000409E2 (ABCDEF12)\n");
  EXPECT_EQ(fakeclient::trace(), "RFaxLoadFax3(1, 2882400018, 0, 3, 0, 11) = 5\n");
}

}  // namespace
