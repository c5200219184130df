// The client functions against their contract: records filled at their
// offsets, handle and constant-argument checks, marks and error texts.
#include <string.h>

#include <string>

#include "faxsim/error_text.h"
#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::SimulatorTest;

using support::FaxRow;
using support::TempStore;

TEST(ApiVersionTest, StoreSettingElseTheLibrarysOwnStamp) {
  TempStore store;
  ASSERT_TRUE(store.ok());
  EXPECT_EQ(RFaxGetAPIVersion(), 1228521600);
  ASSERT_TRUE(store.exec("INSERT INTO settings VALUES ('api_version', -7)"));
  EXPECT_EQ(RFaxGetAPIVersion(), -7);
  store.closeDb();
  ASSERT_EQ(remove(store.path().c_str()), 0);
  EXPECT_EQ(RFaxGetAPIVersion(), 1228521600);
}

using ConnectTest = SimulatorTest;

TEST_F(ConnectTest, FindsTheHostRegardlessOfCaseAndIssuesFreshHandles) {
  RFaxServerHandle first = connect("FaxSrv");
  RFaxServerHandle second = connect("faxsrv");
  EXPECT_NE(first, second);
  EXPECT_EQ(RFaxCloseServerHandle(first), 0);
  EXPECT_EQ(RFaxCloseServerHandle(first), 1);
  EXPECT_EQ(RFaxVersionCheck(first, 0x520, 0), 1);  // a closed handle stays closed
  EXPECT_NE(connect(), first);                      // and its number is not issued again
}

TEST_F(ConnectTest, RefusesUnknownHostsAndBadArguments) {
  RFaxError code = -1;
  EXPECT_EQ(RFaxCreateServerHandle("other", 4, &code), 0u);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(RFaxCreateServerHandle("faxsrv", 5, &code), 0u);
  EXPECT_EQ(code, 9);
  EXPECT_EQ(RFaxCreateServerHandle(nullptr, 4, &code), 0u);
  EXPECT_EQ(code, 9);
  EXPECT_EQ(RFaxCreateServerHandle("faxsrv", 4, nullptr), 0u);
}

TEST_F(ConnectTest, VersionCheckComparesTheServersRelease) {
  RFaxServerHandle server = connect();  // release 0x620
  EXPECT_EQ(RFaxVersionCheck(server, 0x520, 0), 0);
  EXPECT_EQ(RFaxVersionCheck(server, 0x620, 0), 0);
  EXPECT_EQ(RFaxVersionCheck(server, 0x621, 0), 8);
  EXPECT_EQ(RFaxVersionCheck(server, 0x520, 1), 9);
  EXPECT_EQ(RFaxVersionCheck(0, 0x520, 0), 1);
}

TEST_F(ConnectTest, ServerInfoFillsEveryFieldAtItsOffsetAndZerosTheRest) {
  std::string longText(500, 'd');
  ASSERT_TRUE(store_.exec("UPDATE servers SET description = '" + longText +
                          "', tz_state = 3, bias = -300, standard_bias = 7, daylight_bias = -60"));
  RFaxServerHandle server = connect();
  unsigned char block[904];
  memset(block, 0xAA, sizeof(block));
  ASSERT_EQ(RFaxGetServerInfo2(server, reinterpret_cast<ServerInfo*>(block)), 0);
  int16_t state;
  int32_t bias, standardBias, daylightBias;
  memcpy(&state, block + 396, 2);
  memcpy(&bias, block + 398, 4);
  memcpy(&standardBias, block + 482, 4);
  memcpy(&daylightBias, block + 566, 4);
  EXPECT_EQ(state, 3);
  EXPECT_EQ(bias, -300);
  EXPECT_EQ(standardBias, 7);
  EXPECT_EQ(daylightBias, -60);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(block + 12)), std::string(383, 'd'));
  for (size_t i = 0; i < sizeof(block); ++i) {
    bool field = (i >= 12 && i < 395) || (i >= 396 && i < 402) || (i >= 482 && i < 486) ||
                 (i >= 566 && i < 570);
    if (!field) {
      ASSERT_EQ(block[i], 0) << "offset " << i;
    }
  }
  EXPECT_EQ(RFaxGetServerInfo2(server, nullptr), 9);
  EXPECT_EQ(RFaxGetServerInfo2(server + 1000, reinterpret_cast<ServerInfo*>(block)), 1);
}

using UserTest = SimulatorTest;

TEST_F(UserTest, FindsTheUserRegardlessOfCaseAndReturnsTheIdAsStored) {
  ASSERT_TRUE(store_.addUser("faxsrv", "bob", std::string(25, 'q'), std::string(2000, 'n')));
  RFaxServerHandle server = connect();
  UserRecord record;
  memset(&record, 0xAA, sizeof(record));
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, "alice", 0, 0, 0, 0, 11, &record), 0);
  EXPECT_STREQ(record.userId, "ALICE");
  EXPECT_STREQ(record.qualifier, "ACME");
  EXPECT_STREQ(record.name, "Alice Smith");
  EXPECT_EQ(record.reserved0[0], 0);
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, "BOB", 0, 0, 0, 0, 11, &record), 0);
  EXPECT_STREQ(record.userId, "bob");
  EXPECT_EQ(std::string(record.qualifier), std::string(25, 'q'));
  EXPECT_EQ(std::string(record.name), std::string(sizeof(record.name) - 1, 'n'));
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "carol", 0, 0, 0, 0, 11, &record), 4);
}

// A user ID as long as the schema allows is read whole; one longer, in a
// store whose checks were bypassed, is cut to the field and never runs into
// the name after it.
TEST_F(UserTest, TheUserIdFillsItsFieldAndNeverOverrunsIt) {
  std::string longest(21, 'u');
  ASSERT_TRUE(store_.addUser("faxsrv", longest, "", "N"));
  ASSERT_TRUE(store_.exec("PRAGMA ignore_check_constraints = ON"));
  ASSERT_TRUE(store_.addUser("faxsrv", longest + "v", "", "M"));
  RFaxServerHandle server = connect();
  UserRecord record;
  memset(&record, 0xAA, sizeof(record));
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, longest.c_str(), 0, 0, 0, 0, 11, &record), 0);
  EXPECT_EQ(std::string(record.userId), longest);
  EXPECT_STREQ(record.name, "N");
  memset(&record, 0xAA, sizeof(record));
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, (longest + "v").c_str(), 0, 0, 0, 0, 11, &record), 0);
  EXPECT_EQ(std::string(record.userId), longest);
  EXPECT_STREQ(record.name, "M");
}

TEST_F(UserTest, EveryConstantArgumentAndPointerIsChecked) {
  RFaxServerHandle server = connect();
  UserRecord record;
  int32_t good[8] = {1, 0, 0, 0, 0, 0, 11};  // mode, reserved1..5, level
  for (int wrong = 0; wrong < 7; ++wrong) {
    int32_t a[8];
    memcpy(a, good, sizeof(a));
    a[wrong] += 1;
    EXPECT_EQ(RFaxLoadUser3(server, a[0], a[1], "ALICE", a[2], a[3], a[4], a[5], a[6], &record), 9)
        << "argument " << wrong;
  }
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, nullptr, 0, 0, 0, 0, 11, &record), 9);
  EXPECT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, nullptr), 9);
  EXPECT_EQ(RFaxLoadUser3(0, 1, 0, "ALICE", 0, 0, 0, 0, 11, &record), 1);
}

using FaxTest = SimulatorTest;

TEST_F(FaxTest, LoadFaxChecksTheFaxIsOnThisServer) {
  ASSERT_TRUE(store_.addServer("other"));
  ASSERT_TRUE(store_.addFax({.handle = 31, .faxId = "FAX-31"}));
  ASSERT_TRUE(store_.addFax({.handle = 32, .host = "other", .faxId = "FAX-32"}));
  RFaxServerHandle server = connect();
  char detail[kFaxDetailSize];
  memset(detail, 0xAA, sizeof(detail));
  ASSERT_EQ(RFaxLoadFax3(server, 31, 0, 3, 0, detail, 11), 0);
  EXPECT_EQ(std::string(detail).rfind("handle=31\nfax_id=FAX-31\nowner=ALICE\n", 0), 0u);
  EXPECT_EQ(detail[kFaxDetailSize - 1], 0);
  EXPECT_EQ(RFaxLoadFax3(server, 32, 0, 3, 0, detail, 11), 5);
  EXPECT_EQ(RFaxLoadFax3(server, 33, 0, 3, 0, detail, 11), 5);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 1, 3, 0, detail, 11), 9);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 2, 0, detail, 11), 9);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 3, 1, detail, 11), 9);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 3, 0, detail, 10), 9);
  EXPECT_EQ(RFaxLoadFax3(server, 31, 0, 3, 0, nullptr, 11), 9);
  EXPECT_EQ(RFaxLoadFax3(0, 31, 0, 3, 0, detail, 11), 1);
}

TEST_F(FaxTest, EachMarkCodeSetsItsColumnsAndCommits) {
  struct Case {
    uint16_t code;
    const char* set;  // columns set to 1 by the code, the others 0
  } cases[] = {
      {0, "viewed"}, {3, "printed"}, {7, "body_printed"}, {8, "approved"},
      {6, "held"},   {10, "user1"},  {12, "user2"},
  };
  const char* columns[] = {"viewed", "printed", "body_printed", "approved",
                           "held",   "user1",   "user2"};
  ASSERT_TRUE(store_.addFax({.handle = 31, .faxId = "FAX-31"}));
  RFaxServerHandle server = connect();
  for (const Case& c : cases) {
    ASSERT_TRUE(
        store_.exec("UPDATE faxes SET viewed = 0, printed = 0, body_printed = 0,"
                    " approved = 0, held = 0, user1 = 0, user2 = 0"));
    ASSERT_EQ(InkStampFax(server, 31, c.code), 0);
    for (const char* column : columns)
      EXPECT_EQ(faxColumn(31, column), strcmp(column, c.set) == 0) << c.code << " " << column;
  }
  // The codes that clear: 1 viewed, 4 printed and body printed, 5 held,
  // 9 approved, 11 and 13 the user tags.
  ASSERT_TRUE(
      store_.exec("UPDATE faxes SET viewed = 1, printed = 1, body_printed = 1,"
                  " approved = 1, held = 1, user1 = 1, user2 = 1"));
  for (uint16_t code : {1, 4, 5, 9, 11, 13})
    ASSERT_EQ(InkStampFax(server, 31, code), 0);
  for (const char* column : columns)
    EXPECT_EQ(faxColumn(31, column), 0) << column;
}

TEST_F(FaxTest, RefusesUnknownCodesFaxesAndHandlesWithoutChangingAnything) {
  ASSERT_TRUE(store_.addServer("other"));
  ASSERT_TRUE(store_.addFax({.handle = 31, .faxId = "FAX-31"}));
  ASSERT_TRUE(store_.addFax({.handle = 32, .host = "other", .faxId = "FAX-32"}));
  RFaxServerHandle server = connect();
  for (uint16_t code : {2, 14, 0xFFFF})
    EXPECT_EQ(InkStampFax(server, 31, code), 6);
  EXPECT_EQ(InkStampFax(server, 32, 3), 5);
  EXPECT_EQ(InkStampFax(server, 99, 3), 5);
  EXPECT_EQ(InkStampFax(0, 31, 3), 1);
  EXPECT_EQ(store_.queryInt("SELECT count(*) FROM faxes WHERE viewed + printed + body_printed +"
                            " approved + held + user1 + user2 > 0"),
            0);
}

TEST(ErrorTextTest, BuiltInTextsStoreOverridesAndTruncation) {
  TempStore store;
  ASSERT_TRUE(store.ok());
  ASSERT_TRUE(store.setErrorText(2, "No such fax server"));
  char buffer[501];
  std::string texts;
  for (int32_t code = 0; code <= 9; ++code) {
    ASSERT_EQ(RFaxStringRFaxErr(code, buffer, sizeof(buffer)), 0);
    texts += std::string(buffer) + "|";
  }
  // Spelled out again on purpose, not read from faxclient::builtInErrorText:
  // a changed text there must fail here, since scripts read these lines.
  EXPECT_EQ(texts,
            "No error|Invalid handle|No such fax server|Fax store unavailable|User not found|"
            "Fax not found|Invalid mark code|End of list|Server release too old|"
            "Invalid argument|");
  RFaxStringRFaxErr(-5, buffer, sizeof(buffer));
  EXPECT_STREQ(buffer, "Unknown error -5");
  memset(buffer, 'x', sizeof(buffer));
  ASSERT_EQ(RFaxStringRFaxErr(7, buffer, 5), 0);
  EXPECT_STREQ(buffer, "End ");
  EXPECT_EQ(buffer[5], 'x');
  // "End of list" is 11 bytes: a buffer of 12 holds it whole, one of 11 loses
  // its last letter to the terminator, one of 1 holds the terminator only.
  memset(buffer, 'x', sizeof(buffer));
  ASSERT_EQ(RFaxStringRFaxErr(7, buffer, 12), 0);
  EXPECT_STREQ(buffer, "End of list");
  EXPECT_EQ(buffer[12], 'x');
  ASSERT_EQ(RFaxStringRFaxErr(7, buffer, 11), 0);
  EXPECT_STREQ(buffer, "End of lis");
  ASSERT_EQ(RFaxStringRFaxErr(7, buffer, 1), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], 'n');
  // No room asks for nothing to be written, so no buffer is needed either.
  buffer[0] = 'x';
  EXPECT_EQ(RFaxStringRFaxErr(7, buffer, 0), 0);
  EXPECT_EQ(RFaxStringRFaxErr(7, buffer, -1), 0);
  EXPECT_EQ(buffer[0], 'x');
  EXPECT_EQ(RFaxStringRFaxErr(7, nullptr, 0), 0);
  copyErrorText("End of list", buffer, 0);  // nor does the copy behind it
  EXPECT_EQ(buffer[0], 'x');
  EXPECT_EQ(RFaxStringRFaxErr(7, nullptr, 1), 9);
  EXPECT_EQ(RFaxStringRFaxErr(7, nullptr, 501), 9);
  store.closeDb();
  ASSERT_EQ(remove(store.path().c_str()), 0);
  RFaxStringRFaxErr(2, buffer, sizeof(buffer));  // no store: the built-in text
  EXPECT_STREQ(buffer, "Server not found");
}

}  // namespace
}  // namespace faxsim
