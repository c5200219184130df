// Fax lists through the client functions: which faxes a selector lists, the
// element records, the walk, and the sort with a caller's comparison.
#include <string.h>

#include <algorithm>
#include <random>
#include <vector>

#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::SimulatorTest;

using Handles = std::vector<uint32_t>;

class FaxListTest : public SimulatorTest {
 protected:
  void SetUp() override {
    SimulatorTest::SetUp();
    ASSERT_TRUE(store_.addServer("other"));
    ASSERT_TRUE(store_.addUser("faxsrv", "BOB"));
    // Inserted out of handle order; folders that only look like 'main'.
    ASSERT_TRUE(store_.addFax({.handle = 40, .faxId = "F40", .date = 5}));
    ASSERT_TRUE(store_.addFax({.handle = 10, .owner = "alice", .faxId = "F10", .date = 9}));
    ASSERT_TRUE(store_.addFax({.handle = 20, .faxId = "F20", .folder = "Main", .date = 5}));
    ASSERT_TRUE(store_.addFax({.handle = 30, .faxId = "F30", .folder = "archive", .date = 1}));
    ASSERT_TRUE(store_.addFax({.handle = 50, .owner = "BOB", .faxId = "F50"}));
    ASSERT_TRUE(store_.addFax({.handle = 60, .host = "other", .faxId = "F60"}));
  }
};

TEST_F(FaxListTest, SelectorsListTheUsersFaxesInHandleOrder) {
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list, 0xFFFF, "alice"), 0);
  EXPECT_EQ(walk(list), (Handles{10, 40}));
  ASSERT_EQ(fetch(server, &list, 0xFFFD), 0);
  EXPECT_EQ(walk(list), (Handles{10, 20, 30, 40}));
  for (uint16_t folder : {0, 1, 0xFFFE, 0xFFFC})
    EXPECT_EQ(fetch(server, &list, folder), 9) << folder;
  EXPECT_EQ(fetch(server, &list, 0xFFFF, "carol"), 4);
  EXPECT_EQ(RFaxGetFaxList(server, "ALICE", 0, 0xFFFF, 0, &list), 9);
  EXPECT_EQ(RFaxGetFaxList(server, "ALICE", 1, 0xFFFF, 1, &list), 9);
  EXPECT_EQ(RFaxGetFaxList(server, nullptr, 1, 0xFFFF, 0, &list), 9);
  EXPECT_EQ(RFaxGetFaxList(server, "ALICE", 1, 0xFFFF, 0, nullptr), 9);
  EXPECT_EQ(RFaxGetFaxList(0, "ALICE", 1, 0xFFFF, 0, &list), 1);
}

TEST_F(FaxListTest, ElementsCarryTheFaxAtTheirOffsetsAndZerosElsewhere) {
  std::string longId(83, 'x');
  ASSERT_TRUE(store_.addFax({.handle = 4294967295,
                             .faxId = longId,
                             .received = false,
                             .date = -2147483648LL,
                             .pages = -1,
                             .errorCode = 65535,
                             .marks = {true}}));  // viewed
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  FaxListElement* element = nullptr;
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);
  EXPECT_EQ(+element->flags, 0x10u);  // received, not viewed
  ASSERT_EQ(RFaxListGetNextElementPtr(list, &element), 0);
  ASSERT_EQ(RFaxListGetNextElementPtr(list, &element), 0);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(element);
  uint32_t handle, flags;
  int32_t date;
  int16_t pages;
  uint16_t errorCode;
  memcpy(&handle, bytes + 0, 4);
  memcpy(&flags, bytes + 4, 4);
  memcpy(&date, bytes + 8, 4);
  memcpy(&pages, bytes + 104, 2);
  memcpy(&errorCode, bytes + 108, 2);
  EXPECT_EQ(handle, 4294967295u);
  EXPECT_EQ(flags, 0x04u);  // sent, viewed
  EXPECT_EQ(date, INT32_MIN);
  EXPECT_EQ(pages, -1);
  EXPECT_EQ(errorCode, 65535);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 172)), longId);
  for (size_t i = 0; i < 256; ++i) {
    bool field = i < 12 || (i >= 104 && i < 106) || (i >= 108 && i < 110) || (i >= 172 && i < 255);
    if (!field) {
      ASSERT_EQ(bytes[i], 0) << "offset " << i;
    }
  }
}

TEST_F(FaxListTest, TheListIsASnapshotAndTheWalkEndsWithSeven) {
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  ASSERT_TRUE(store_.addFax({.handle = 45, .faxId = "F45"}));
  ASSERT_EQ(InkStampFax(server, 10, 0), 0);  // viewed, after the list was taken
  FaxListElement* element = nullptr;
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);
  EXPECT_EQ(+element->flags, 0x10u);
  ASSERT_EQ(RFaxListGetNextElementPtr(list, &element), 0);
  EXPECT_EQ(+element->faxHandle, 40u);
  EXPECT_EQ(RFaxListGetNextElementPtr(list, &element), 7);
  EXPECT_EQ(element, nullptr);
  EXPECT_EQ(RFaxListGetNextElementPtr(list, &element), 7);
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);  // the first request restarts
  EXPECT_EQ(+element->faxHandle, 10u);
  EXPECT_EQ(RFaxListGetFirstElementPtr(list, nullptr), 9);
  EXPECT_EQ(RFaxListGetNextElementPtr(list + 1000, &element), 1);

  ASSERT_TRUE(store_.addUser("faxsrv", "CAROL"));
  RFaxListHandle empty = 0;
  ASSERT_EQ(fetch(server, &empty, 0xFFFF, "CAROL"), 0);
  EXPECT_EQ(RFaxListGetFirstElementPtr(empty, &element), 7);
}

// A store that fails while its rows are read (here a view of another
// program's whose date of fax 40 can't be computed) hands out no list, not
// the part read before the failure.
TEST_F(FaxListTest, AListTheStoreFailsToReadIsNotHandedOut) {
  ASSERT_TRUE(store_.exec(
      "ALTER TABLE faxes RENAME TO fax_rows;"
      "CREATE VIEW faxes AS SELECT handle, host, owner, fax_id, folder, received,"
      " CASE WHEN handle = 40 THEN abs(-9223372036854775807 - 1) ELSE date END AS date, pages,"
      " error_code, viewed, printed, body_printed, approved, held, user1, user2 FROM fax_rows"));
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  EXPECT_EQ(fetch(server, &list), 3);
  ASSERT_EQ(fetch(server, &list, 0xFFFF, "BOB"), 0);  // what it can read, it lists
  EXPECT_EQ(walk(list), (Handles{50}));
}

int32_t RFAXAPI byDate(const FaxListElement* left, const FaxListElement* right) {
  return left->date < right->date ? -1 : left->date > right->date;
}

int32_t RFAXAPI byDateDescending(const FaxListElement* left, const FaxListElement* right) {
  return -byDate(left, right);
}

std::mt19937 randomAnswers(7);
int32_t RFAXAPI contradictory(const FaxListElement*, const FaxListElement*) {
  return static_cast<int32_t>(randomAnswers() % 3) - 1;
}

TEST_F(FaxListTest, SortIsStableWithTheCallersComparison) {
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list, 0xFFFD), 0);  // dates: 10→9, 20→5, 30→1, 40→5
  ASSERT_EQ(RFaxListSort(list, byDate), 0);
  EXPECT_EQ(walk(list), (Handles{30, 20, 40, 10}));
  ASSERT_EQ(RFaxListSort(list, byDateDescending), 0);
  EXPECT_EQ(walk(list), (Handles{10, 20, 40, 30}));
  EXPECT_EQ(RFaxListSort(list, nullptr), 9);
  EXPECT_EQ(RFaxListSort(0, byDate), 1);
}

TEST_F(FaxListTest, ContradictoryComparisonsStillLeaveEveryElementOnce) {
  ASSERT_TRUE(store_.addFaxes("faxsrv", "ALICE", 1000, 500));
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  Handles before = walk(list);
  ASSERT_EQ(RFaxListSort(list, contradictory), 0);
  Handles after = walk(list);
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

TEST_F(FaxListTest, AListOutlivesTheClosingOfItsServerHandle) {
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  ASSERT_EQ(RFaxCloseServerHandle(server), 0);
  ASSERT_EQ(RFaxListSort(list, byDate), 0);
  EXPECT_EQ(walk(list), (Handles{40, 10}));
  EXPECT_EQ(RFaxCloseListHandle(list), 0);
  EXPECT_EQ(RFaxCloseListHandle(list), 1);
}

}  // namespace
}  // namespace faxsim
