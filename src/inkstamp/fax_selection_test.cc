// The selection walk's count for each pattern, which only a preview reads:
// a fax counts under the first pattern that it matches, and only when it is
// selected. (The walk's selection itself is tested through the marking pass.)
#include "inkstamp/fax_selection.h"

#include <stdio.h>

#include <vector>

#include <gtest/gtest.h>

#include "fakeclient/fake_client.h"
#include "support/c_string_vector.h"
#include "support/fake_server_test.h"

namespace {

using support::CStringVector;

class FaxSelectionTest : public support::FakeServerTest {
 protected:
  // Walks ALICE's list and returns the counts of `patterns`.
  std::vector<int32_t> patternCounts(CStringVector patterns, DirectionFilter directions) {
    RFaxError error = 0;
    RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &error);
    FaxSelection selection;
    selection.directions = directions;
    selection.patterns = patterns.vector();
    std::vector<int32_t> counts(patterns.count());
    selection.patternCounts = counts.data();
    FILE* output = tmpfile();
    Ignore ignore;
    EXPECT_TRUE(walkSelection(server, "ALICE", selection, output, &ignore));
    fclose(output);
    return counts;
  }

  struct Ignore final : SelectedFaxHandler {
    void onSelected(const FaxListElement*, const SelectionTallies&) override {}
    void onWalked(const SelectionTallies&) override {}
  };
};

TEST_F(FaxSelectionTest, AFaxCountsUnderTheFirstPatternItMatchesWhenSelected) {
  const FaxListElement faxes[] = {
      fakeclient::makeElement(1, kFaxFlagReceived, 0, 1, 0, "APP0438B2C87FE62B9"),
      fakeclient::makeElement(2, kFaxFlagReceived, 0, 1, 0, "B000409E2"),
      fakeclient::makeElement(3, kFaxFlagReceived, 0, 1, 0, "APP2B9"),
      fakeclient::makeElement(4, 0, 0, 1, 0, "B0004"),
  };
  fakeclient::setList(faxes, 4);
  EXPECT_EQ(patternCounts({"*2B9", "APP*", "B*", "nomatch"}, kDirectionBoth),
            (std::vector<int32_t>{2, 0, 2, 0}));
  EXPECT_EQ(patternCounts({"nomatch", "B*", "*"}, kDirectionReceived),
            (std::vector<int32_t>{0, 1, 2}));
}

}  // namespace
