// Injected faults: which call each operation's row fails, what a row must
// match, the count-down, the lowest-rowid rule, and the checks that come
// before any fault.
#include <string>

#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::SimulatorTest;

class FaultsTest : public SimulatorTest {
 protected:
  void SetUp() override {
    SimulatorTest::SetUp();
    ASSERT_TRUE(store_.addFax({.handle = 31, .faxId = "FAX-31"}));
    ASSERT_TRUE(store_.addFax({.handle = 32, .faxId = "FAX-32"}));
  }

  int64_t remaining(int64_t rowid) {
    return store_.queryInt("SELECT remaining FROM faults WHERE rowid = " + std::to_string(rowid));
  }

  ServerInfo info_;
  UserRecord record_;
  char detail_[kFaxDetailSize];
};

TEST_F(FaultsTest, EachOperationFailsWithItsRowsCode) {
  // A connect fault fires before the host is looked up, so it applies to a
  // host the store lacks, and its code goes to the out value.
  ASSERT_TRUE(store_.addFault({.host = "ghost", .operation = "connect", .errorCode = -42}));
  RFaxError code = 0;
  EXPECT_EQ(RFaxCreateServerHandle("GHOST", 4, &code), 0u);
  EXPECT_EQ(code, -42);

  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .errorCode = 11}));
  ASSERT_TRUE(store_.addFault({.operation = "load_user", .errorCode = 12}));
  ASSERT_TRUE(store_.addFault({.operation = "sort", .errorCode = 14}));
  ASSERT_TRUE(store_.addFault({.operation = "load_fax", .target = "FAX-31", .errorCode = 16}));
  ASSERT_TRUE(
      store_.addFault({.operation = "mark", .target = "FAX-31", .markCode = 3, .errorCode = 17}));
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 11);
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, &record_), 12);
  EXPECT_EQ(RFaxListSort(list, [](const FaxListElement*, const FaxListElement*) { return 0; }), 14);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 3, 0, detail_, 11), 16);
  EXPECT_EQ(RFaxLoadFax3(server, 32, 0, 3, 0, detail_, 11), 0);
  EXPECT_EQ(InkStampFax(server, 31, 3), 17);
  EXPECT_EQ(faxColumn(31, "printed"), 0);
  EXPECT_EQ(InkStampFax(server, 31, 0), 0);
  EXPECT_EQ(InkStampFax(server, 32, 3), 0);
  ASSERT_TRUE(store_.addFault({.operation = "fax_list", .errorCode = 13}));
  EXPECT_EQ(fetch(server, &list), 13);
}

// A store may carry triggers of its own. When one refuses the count-down of
// a mark's fault, the mark fails as the store being unavailable: it is
// neither made nor reported done.
TEST_F(FaultsTest, AMarkWhoseFaultCantCountDownIsNotMade) {
  ASSERT_TRUE(store_.addFault({.operation = "mark", .errorCode = 17, .remaining = 1}));
  ASSERT_TRUE(
      store_.exec("CREATE TRIGGER no_count_down BEFORE UPDATE ON faults"
                  " BEGIN SELECT RAISE(ABORT, 'refused'); END"));
  RFaxServerHandle server = connect();
  EXPECT_EQ(InkStampFax(server, 31, 3), 3);
  EXPECT_EQ(faxColumn(31, "printed"), 0);
  EXPECT_EQ(remaining(1), 1);
}

TEST_F(FaultsTest, ElementFaultsTargetAnIndexAndNeverPassTheEnd) {
  ASSERT_TRUE(
      store_.addFault({.operation = "element", .target = "1", .errorCode = 15, .remaining = 1}));
  RFaxServerHandle server = connect();
  RFaxListHandle list = 0;
  ASSERT_EQ(fetch(server, &list), 0);
  FaxListElement* element = nullptr;
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);
  EXPECT_EQ(RFaxListGetNextElementPtr(list, &element), 15);
  ASSERT_EQ(RFaxListGetNextElementPtr(list, &element), 0);  // the retry asks for index 1 again
  EXPECT_EQ(+element->faxHandle, 32u);
  ASSERT_TRUE(store_.addFault({.operation = "element", .errorCode = 18, .remaining = 5}));
  EXPECT_EQ(RFaxListGetNextElementPtr(list, &element), 7);
  EXPECT_EQ(remaining(2), 5);
  EXPECT_EQ(RFaxListGetFirstElementPtr(list, &element), 18);
  EXPECT_EQ(remaining(2), 4);
}

TEST_F(FaultsTest, CountedFaultsFireInRowidOrderAndTheirRowsStay) {
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .errorCode = 21, .remaining = 2}));
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .errorCode = 22, .remaining = 1}));
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .errorCode = 23, .remaining = 0}));
  RFaxServerHandle server = connect();
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 21);
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 21);
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 22);
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 0);
  EXPECT_EQ(store_.queryInt("SELECT count(*) FROM faults WHERE remaining = 0"), 3);
}

TEST_F(FaultsTest, AMarkFaultFiresBeforeTheCodeCheckAndCountsDownWithoutMarking) {
  ASSERT_TRUE(store_.addFault({.operation = "mark", .errorCode = 30, .remaining = 2}));
  RFaxServerHandle server = connect();
  EXPECT_EQ(InkStampFax(server, 31, 2), 30);
  EXPECT_EQ(InkStampFax(server, 31, 3), 30);
  EXPECT_EQ(faxColumn(31, "printed"), 0);
  EXPECT_EQ(remaining(1), 0);
  EXPECT_EQ(InkStampFax(server, 31, 2), 6);
  EXPECT_EQ(InkStampFax(server, 31, 3), 0);
}

TEST_F(FaultsTest, RowsThatDoNotMatchNeverFire) {
  ASSERT_TRUE(store_.addServer("other"));
  ASSERT_TRUE(store_.addFault({.operation = "load_fax", .target = "fax-31", .errorCode = 40}));
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .target = "x", .errorCode = 41}));
  ASSERT_TRUE(store_.addFault({.operation = "server_info", .markCode = 3, .errorCode = 42}));
  ASSERT_TRUE(store_.addFault({.host = "other", .operation = "load_user", .errorCode = 43}));
  // A store made elsewhere may hold a zero code; it would report success.
  ASSERT_TRUE(store_.exec("PRAGMA ignore_check_constraints = ON"));
  ASSERT_TRUE(store_.addFault({.operation = "load_user", .errorCode = 0}));
  ASSERT_TRUE(store_.addFault({.operation = "mark", .markCode = 4, .errorCode = 44}));
  RFaxServerHandle server = connect();
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 3, 0, detail_, 11), 0);
  EXPECT_EQ(RFaxGetServerInfo2(server, &info_), 0);
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, &record_), 0);
  EXPECT_EQ(InkStampFax(server, 31, 3), 0);
  ASSERT_TRUE(store_.addFault({.host = "FAXSRV", .operation = "load_user", .errorCode = 45}));
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, &record_), 45);
}

TEST_F(FaultsTest, HandleAndArgumentChecksComeFirstAndSpendNothing) {
  ASSERT_TRUE(store_.addFault({.operation = "mark", .errorCode = 50, .remaining = 1}));
  ASSERT_TRUE(store_.addFault({.operation = "load_user", .errorCode = 51, .remaining = 1}));
  RFaxServerHandle server = connect();
  EXPECT_EQ(InkStampFax(server, 99, 3), 5);
  EXPECT_EQ(InkStampFax(server + 1000, 31, 3), 1);
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 10, &record_), 9);
  EXPECT_EQ(remaining(1), 1);
  EXPECT_EQ(remaining(2), 1);
}

}  // namespace
}  // namespace faxsim
