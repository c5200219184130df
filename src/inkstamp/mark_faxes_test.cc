#include <stdio.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "inkstamp/mark_program.h"
#include "support/c_string_vector.h"
#include "support/expected_output.h"
#include "support/fake_server_test.h"
#include "support/files.h"

namespace {

using support::CStringVector;
using support::markedInTurn;
using support::markingPass;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

const uint32_t kReceived = kFaxFlagReceived;
const uint32_t kSent = 0;

// A program connected to the fake server as user ALICE, writing its marking
// messages to a temporary file.
class MarkFaxesTest : public support::FakeServerTest {
 protected:
  void SetUp() override {
    FakeServerTest::SetUp();
    sortOrder = kSortNone;
    CaptureStdout();
    program_ = std::make_unique<MarkProgram>();
    ASSERT_TRUE(program_->connect("faxsrv"));
    ASSERT_TRUE(program_->loadUser("alice"));
    program_->output = tmpfile();
    ASSERT_NE(program_->output, nullptr);
    program_->mainFolderOnly = true;
    fakeclient::clearTrace();
  }

  void TearDown() override {
    fclose(program_->output);
    program_.reset();
    GetCapturedStdout();
    sortOrder = kSortNone;
  }

  void setList(std::initializer_list<FaxListElement> elements) {
    fakeclient::setList(elements.begin(), elements.size());
  }

  // Starts `output` afresh.
  void restartOutput() {
    fclose(program_->output);
    program_->output = tmpfile();
    ASSERT_NE(program_->output, nullptr);
  }

  // Everything written to `output` so far.
  std::string output() { return support::readStream(program_->output); }

  // Marks the faxes of `directions` when the first element request gives no
  // fax but answers `firstElementResult`: the pass shows a zero summary
  // whose second line is `tallies`, and the list is closed at once.
  void expectNothingWalked(DirectionFilter directions, const char* tallies,
                           int firstElementResult) {
    program_->markFaxes(directions, kMarkPrinted, CStringVector({"*"}));
    EXPECT_EQ(
        output(),
        markingPass("", std::string("faxes:0 marked:0 failed:0 skipped:0 total:0\n") + tallies));
    EXPECT_EQ(fakeclient::trace(),
              "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
              "RFaxListGetFirstElementPtr(2) = " +
                  std::to_string(firstElementResult) +
                  "\n"
                  "RFaxCloseListHandle(2) = 0\n");
  }

  std::unique_ptr<MarkProgram> program_;
};

FaxListElement fax(RFaxFaxHandle handle, const char* faxId, uint32_t flags = kReceived,
                   int32_t date = 0, int16_t pages = 1, uint16_t errorCode = 0) {
  return fakeclient::makeElement(handle, flags, date, pages, errorCode, faxId);
}

TEST_F(MarkFaxesTest, AnEmptyListGivesAnEmptySummaryAndIsClosed) {
  expectNothingWalked(kDirectionBoth, "recv:0 sent:0 viewed:0 pages:0 errs:0\n", 7);
}

TEST_F(MarkFaxesTest, AFailingFirstElementRequestEndsTheWalkAtOnce) {
  setList({fax(1, "A")});
  fakeclient::failElementRequest(0, 3);
  expectNothingWalked(kDirectionReceived, "recv:0 sent:- viewed:0 pages:0 errs:0\n", 3);
}

TEST_F(MarkFaxesTest, AFailedFetchEndsThePassWithNothingToClose) {
  setList({fax(1, "A")});
  fakeclient::failFaxList(4);
  program_->mainFolderOnly = false;
  sortOrder = kSortByDate;
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"*"}));
  EXPECT_EQ(output(),
            "Retrieving fax list...\n"
            "Can't retrieve fax list for user: ALICE\n");
  EXPECT_EQ(fakeclient::trace(), "RFaxGetFaxList(1, \"ALICE\", 1, 65533, 0) = 4\n");
}

TEST_F(MarkFaxesTest, SortsByDateOnRequest) {
  const struct {
    SortOrder order;
    const char* expectedIds;
  } cases[] = {
      {kSortByDate, "NEG A B C"},
      {kSortByDateReversed, "C B A NEG"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.order);
    setList({fax(3, "C", kReceived, 30), fax(1, "A", kReceived, 10), fax(2, "B", kSent, 20),
             fax(4, "NEG", kSent, -5)});
    sortOrder = c.order;
    fakeclient::clearTrace();
    restartOutput();
    program_->markFaxes(kDirectionBoth, kMarkViewed, CStringVector({"*"}));

    std::string text = output();
    EXPECT_EQ(text.rfind("Retrieving fax list...\nSorting fax list by date...\n\n1/1 ", 0), 0u)
        << text;
    std::string ids;
    for (size_t at = text.find('/'); at != std::string::npos; at = text.find('/', at + 1)) {
      size_t start = text.find(' ', at) + 1;
      if (!ids.empty())
        ids += ' ';
      ids += text.substr(start, text.find('\n', start) - start);
    }
    EXPECT_EQ(ids, c.expectedIds);
    EXPECT_EQ(fakeclient::trace().rfind("RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
                                        "RFaxListSort(2) = 0\n"
                                        "RFaxListGetFirstElementPtr(2) = 0\n",
                                        0),
              0u);
  }
}

TEST_F(MarkFaxesTest, AFailedSortStillMarksInListOrder) {
  setList({fax(2, "B", kReceived, 20), fax(1, "A", kReceived, 10)});
  fakeclient::failSort(9);
  sortOrder = kSortByDate;
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"*"}));
  EXPECT_EQ(output(),
            "Retrieving fax list...\n"
            "Sorting fax list by date...\n"
            "Can't sort the fax list for user: ALICE\n"
            "\n"
            "1/1 B\n"
            "  -> marked\n"
            "2/2 A\n"
            "  -> marked\n"
            "\n"
            "faxes:2 marked:2 failed:0 skipped:0 total:2\n"
            "recv:2 sent:0 viewed:0 pages:2 errs:0\n");
  EXPECT_EQ(fakeclient::trace(),
            "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
            "RFaxListSort(2) = 9\n"
            "RFaxListGetFirstElementPtr(2) = 0\n"
            "RFaxLoadFax3(1, 2, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 2, 3) = 0\n"
            "RFaxListGetNextElementPtr(2) = 0\n"
            "RFaxLoadFax3(1, 1, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 1, 3) = 0\n"
            "RFaxListGetNextElementPtr(2) = 7\n"
            "RFaxCloseListHandle(2) = 0\n");
  EXPECT_FALSE(fakeclient::listIsOpen());
}

TEST_F(MarkFaxesTest, AFaxMatchingTwoPatternsIsMarkedOnce) {
  setList({fax(7, "APP0438B2C87FE62B9"), fax(8, "B000409E2")});
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"APP*", "*2B9", "nomatch"}));
  EXPECT_EQ(output(), markingPass(markedInTurn({"APP0438B2C87FE62B9"}),
                                  "faxes:1 marked:1 failed:0 skipped:1 total:2\n"
                                  "recv:1 sent:0 viewed:0 pages:1 errs:0\n"));
  EXPECT_EQ(fakeclient::trace(),
            "RFaxGetFaxList(1, \"ALICE\", 1, 65535, 0) = 0\n"
            "RFaxListGetFirstElementPtr(2) = 0\n"
            "RFaxLoadFax3(1, 7, 0, 3, 0, 11) = 0\n"
            "InkStampFax(1, 7, 3) = 0\n"
            "RFaxListGetNextElementPtr(2) = 0\n"
            "RFaxListGetNextElementPtr(2) = 7\n"
            "RFaxCloseListHandle(2) = 0\n");
}

TEST_F(MarkFaxesTest, DirectionFiltersSkipUnwantedFaxes) {
  const struct {
    DirectionFilter directions;
    const char* summary;
  } cases[] = {
      {kDirectionReceived,
       "faxes:2 marked:2 failed:0 skipped:2 total:4\n"
       "recv:2 sent:- viewed:1 pages:5 errs:0\n"},
      {kDirectionSent,
       "faxes:1 marked:1 failed:0 skipped:3 total:4\n"
       "recv:- sent:1 viewed:1 pages:4 errs:0\n"},
      {kDirectionBoth,
       "faxes:3 marked:3 failed:0 skipped:1 total:4\n"
       "recv:2 sent:1 viewed:2 pages:9 errs:0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.directions);
    setList({fax(1, "R1", kReceived | kFaxFlagViewed, 0, 2),
             fax(2, "S1", kSent | kFaxFlagViewed, 0, 4), fax(3, "R2", kReceived, 0, 3),
             fax(4, "X", kSent, 0, 50)});
    restartOutput();
    program_->markFaxes(c.directions, kMarkPrinted, CStringVector({"R*", "s?"}));
    std::string text = output();
    ASSERT_GE(text.size(), strlen(c.summary));
    EXPECT_EQ(text.substr(text.size() - strlen(c.summary)), c.summary);
  }
}

TEST_F(MarkFaxesTest, ProgressCountsMarkedFaxesThenSelectedOnes) {
  setList({fax(1, "A"), fax(2, "B")});
  fakeclient::failLoadFax(1, 5);
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"*"}));
  EXPECT_EQ(output(), markingPass("1/1 A\n"
                                  "Can't retrieve fax: A (00000001)\n"
                                  "1/2 B\n"
                                  "  -> marked\n",
                                  "faxes:2 marked:1 failed:1 skipped:0 total:2\n"
                                  "recv:2 sent:0 viewed:0 pages:2 errs:0\n"));
}

TEST_F(MarkFaxesTest, TalliesCountEverySelectedFaxWhetherMarkedOrNot) {
  // Negative page counts lower the tally; errs counts faxes, not codes.
  setList({fax(1, "A", kReceived, 0, static_cast<int16_t>(0xFFFF), 5),
           fax(2, "B", kSent | kFaxFlagViewed, 0, 10, 7), fax(3, "C", kSent, 0, 2, 0),
           fax(4, "other", kReceived, 0, 100, 9)});
  fakeclient::failMark(2, 3, 6);
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"?"}));
  std::string text = output();
  EXPECT_NE(text.find("faxes:3 marked:2 failed:1 skipped:1 total:4\n"
                      "recv:1 sent:2 viewed:1 pages:11 errs:2\n"),
            std::string::npos)
      << text;
}

TEST_F(MarkFaxesTest, AFailingNextElementRequestEndsTheWalk) {
  setList({fax(1, "A"), fax(2, "B"), fax(3, "C")});
  fakeclient::failElementRequest(2, 3);
  program_->markFaxes(kDirectionBoth, kMarkPrinted, CStringVector({"*"}));
  EXPECT_EQ(output(), markingPass(markedInTurn({"A", "B"}),
                                  "faxes:2 marked:2 failed:0 skipped:0 total:2\n"
                                  "recv:2 sent:0 viewed:0 pages:2 errs:0\n"));
  EXPECT_FALSE(fakeclient::listIsOpen());
}

TEST(CompareFaxDatesTest, OrdersByDateAndReversesForSortOrderTwo) {
  auto compare = [](int32_t left, int32_t right, SortOrder order) {
    FaxListElement a = fakeclient::makeElement(1, 0, left, 0, 0, "a");
    FaxListElement b = fakeclient::makeElement(2, 0, right, 0, 0, "b");
    sortOrder = order;
    int32_t result = compareFaxDates(&a, &b);
    sortOrder = kSortNone;
    return result;
  };
  EXPECT_EQ(compare(5, 9, kSortByDate), -1);
  EXPECT_EQ(compare(5, 9, kSortByDateReversed), 1);
  EXPECT_EQ(compare(9, 5, kSortByDate), 1);
  EXPECT_EQ(compare(9, 5, kSortByDateReversed), -1);
  EXPECT_EQ(compare(7, 7, kSortByDate), 0);
  EXPECT_EQ(compare(7, 7, kSortByDateReversed), 0);
  // Signed dates, compared without overflowing a subtraction.
  EXPECT_EQ(compare(-1, 1, kSortByDate), -1);
  EXPECT_EQ(compare(INT32_MIN, INT32_MAX, kSortByDate), -1);
  EXPECT_EQ(compare(INT32_MAX, INT32_MIN, kSortByDate), 1);
}

}  // namespace
