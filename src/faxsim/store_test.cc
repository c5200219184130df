// Which files the library serves as a store: never one it would have to
// create or alter, and in full one made by another program with plain SQL.
#include <sqlite3.h>
#include <string.h>

#include <string>

#include "faxsim/store_path.h"
#include "faxsim/store_warning.h"
#include "support/simulator_test.h"

namespace faxsim {
namespace {

using support::readFile;
using support::TempStore;
using support::writeFile;

RFaxError connectCode() {
  RFaxError code = -1;
  RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
  if (server != 0)
    RFaxCloseServerHandle(server);
  return code;
}

// The warning names the file and what is wrong with it.
TEST(StoreFileTest, MissingFileIsUnavailableAndNotCreated) {
  TempStore dir(TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  EXPECT_EQ(connectCode(), 3);
  EXPECT_EQ(fopen(dir.path().c_str(), "rb"), nullptr);
  EXPECT_EQ(unusableStoreProblem(dir.path()),
            "no store at " + dir.path() + "; 'faxsim demo' makes one");
  EXPECT_EQ(unusableStoreProblem(dir.dir()), dir.dir() + " is a directory, not a store");
}

TEST(StoreFileTest, ForeignFilesAreUnavailableAndLeftAsTheyWere) {
  struct Case {
    const char* what;
    const char* sql;  // run on a fresh SQLite database; nullptr: write `bytes`
    std::string bytes;
  } cases[] = {
      {"empty file", nullptr, ""},
      {"text file", nullptr, "host,user\nfaxsrv,alice\n"},
      {"SQLite file cut short", nullptr, std::string("SQLite format 3\0", 16) + "rest"},
      {"user_version 0", "CREATE TABLE servers (host TEXT)", ""},
      {"user_version 2",
       "CREATE TABLE servers (host, description, release, tz_state, bias, standard_bias,"
       " daylight_bias); PRAGMA user_version = 2",
       ""},
      {"faxes lacks user2",
       "CREATE TABLE servers (host, description, release, tz_state, bias, standard_bias,"
       " daylight_bias); CREATE TABLE users (host, user_id, qualifier, name);"
       " CREATE TABLE faxes (handle INTEGER PRIMARY KEY, host, owner, fax_id, folder, received,"
       " date, pages, error_code, viewed, printed, body_printed, approved, held, user1);"
       " CREATE TABLE faults (host, operation, target, mark_code, error_code, remaining);"
       " CREATE TABLE error_texts (code, text); CREATE TABLE settings (key, value);"
       " PRAGMA user_version = 1",
       ""},
  };
  for (const Case& c : cases) {
    TempStore dir(TempStore::Contents::kNothing);
    ASSERT_TRUE(dir.ok());
    if (c.sql != nullptr) {
      sqlite::Database db;
      ASSERT_TRUE(db.open(dir.path(), sqlite::Database::Mode::kCreate, 0));
      ASSERT_TRUE(db.exec(c.sql)) << c.what;
    } else {
      ASSERT_TRUE(writeFile(dir.path(), c.bytes));
    }
    std::string before = readFile(dir.path());
    EXPECT_EQ(connectCode(), 3) << c.what;
    EXPECT_TRUE(
        unusableStoreProblem(dir.path()).starts_with(dir.path() + " is not a faxsim store: "))
        << c.what;
    EXPECT_EQ(RFaxGetAPIVersion(), 1228521600) << c.what;
    EXPECT_EQ(readFile(dir.path()), before) << c.what;
    EXPECT_EQ(readFile(dir.path() + "-wal"), "") << c.what;
  }
}

// Exactly the documented tables and columns: no defaults, no collations, no
// constraints or indexes beyond the primary keys.
const char kPlainStore[] = R"sql(
CREATE TABLE servers (host TEXT PRIMARY KEY, description TEXT, release INTEGER, tz_state INTEGER,
  bias INTEGER, standard_bias INTEGER, daylight_bias INTEGER);
CREATE TABLE users (host TEXT, user_id TEXT, qualifier TEXT, name TEXT,
  PRIMARY KEY (host, user_id));
CREATE TABLE faxes (handle INTEGER PRIMARY KEY, host TEXT, owner TEXT, fax_id TEXT, folder TEXT,
  received INTEGER, date INTEGER, pages INTEGER, error_code INTEGER, viewed INTEGER,
  printed INTEGER, body_printed INTEGER, approved INTEGER, held INTEGER, user1 INTEGER,
  user2 INTEGER);
CREATE TABLE faults (host TEXT, operation TEXT, target TEXT, mark_code INTEGER,
  error_code INTEGER, remaining INTEGER);
CREATE TABLE error_texts (code INTEGER PRIMARY KEY, text TEXT);
CREATE TABLE settings (key TEXT PRIMARY KEY, value);
PRAGMA user_version = 1;
INSERT INTO servers VALUES ('FaxSrv', 'Plain', 1568, 2, 60, 0, -60);
INSERT INTO users VALUES ('faxsrv', 'Alice', 'Q', 'Alice Plain');
INSERT INTO faxes VALUES (7, 'FAXSRV', 'alice', 'P7', 'main', 1, 100, 2, 0, 0, 0, 0, 0, 0, 0, 0),
                         (8, 'faxsrv', 'ALICE', 'P8', 'other', 0, 50, 1, 3, 1, 0, 0, 0, 0, 0, 0);
INSERT INTO faults VALUES ('FAXSRV', 'load_fax', 'P8', NULL, 77, 1);
INSERT INTO error_texts VALUES (77, 'Plain fault');
INSERT INTO settings VALUES ('api_version', 1234567890);
)sql";

TEST(StoreFileTest, APlainStoreIsServedInFull) {
  TempStore dir(TempStore::Contents::kNothing);
  ASSERT_TRUE(dir.ok());
  {
    sqlite::Database db;
    ASSERT_TRUE(db.open(dir.path(), sqlite::Database::Mode::kCreate, 0));
    ASSERT_TRUE(db.exec(kPlainStore));
  }
  EXPECT_EQ(RFaxGetAPIVersion(), 1234567890);
  EXPECT_EQ(unusableStoreProblem(dir.path()), "");
  RFaxError code = -1;
  RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
  ASSERT_NE(server, 0u);
  ServerInfo info;
  ASSERT_EQ(RFaxGetServerInfo2(server, &info), 0);
  EXPECT_STREQ(info.description, "Plain");
  EXPECT_EQ(+info.timeZone.DaylightBias, -60);
  UserRecord record;
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, &record), 0);
  EXPECT_STREQ(record.userId, "Alice");
  RFaxListHandle list = 0;
  ASSERT_EQ(RFaxGetFaxList(server, record.userId, 1, 0xFFFD, 0, &list), 0);
  FaxListElement* element = nullptr;
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);
  EXPECT_STREQ(element->faxId, "P7");
  ASSERT_EQ(RFaxListGetNextElementPtr(list, &element), 0);
  EXPECT_EQ(+element->flags, 0x04u);
  EXPECT_EQ(+element->errorCode, 3);
  EXPECT_EQ(RFaxListGetNextElementPtr(list, &element), 7);
  RFaxCloseListHandle(list);
  char detail[kFaxDetailSize];
  EXPECT_EQ(RFaxLoadFax3(server, 8, 0, 3, 0, detail, 11), 77);
  char text[501];
  RFaxStringRFaxErr(77, text, sizeof(text));
  EXPECT_STREQ(text, "Plain fault");
  EXPECT_EQ(InkStampFax(server, 8, 4), 0);
  EXPECT_EQ(InkStampFax(server, 7, 12), 0);
  EXPECT_EQ(RFaxCloseServerHandle(server), 0);
  sqlite::Database db;
  ASSERT_TRUE(db.open(dir.path(), sqlite::Database::Mode::kReadWrite, 0));
  int64_t value = 0;
  ASSERT_TRUE(db.queryInt("SELECT user2 FROM faxes WHERE handle = 7", &value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(db.queryInt("SELECT remaining FROM faults", &value));
  EXPECT_EQ(value, 0);
}

// Each bound of a store made by faxsim, at its edge and one past it. Lengths
// count bytes: "\xc3\xa9" is one letter of two.
TEST(StoreSchemaTest, EachColumnIsKeptWithinItsBounds) {
  const std::string e10 = [] {
    std::string text;
    for (int i = 0; i < 10; ++i)
      text += "\xc3\xa9";
    return text;
  }();
  struct Case {
    std::string values;  // of INSERT INTO faxes or users as named
    bool accepted;
  } userCases[] = {
      {"'h', '" + std::string(21, 'u') + "', ''", true},
      {"'h', '" + std::string(22, 'u') + "', ''", false},
      {"'h', '" + e10 + "u', ''", true},    // 21 bytes
      {"'h', '" + e10 + "uu', ''", false},  // 22 bytes
      {"'h', '', ''", false},
      {"'h', 'q25', '" + std::string(25, 'q') + "'", true},
      {"'h', 'q26', '" + std::string(26, 'q') + "'", false},
  };
  Case faxCases[] = {
      {"1, 'x', 0, 1, 0", true},
      {"0, 'x', 0, 1, 0", false},
      {"4294967295, 'x', 0, 1, 0", true},
      {"4294967296, 'x', 0, 1, 0", false},
      {"2, '" + std::string(83, 'f') + "', 0, 1, 0", true},
      {"3, '" + std::string(84, 'f') + "', 0, 1, 0", false},
      {"4, 'x', -2147483648, -32768, 0", true},
      {"5, 'x', -2147483649, 1, 0", false},
      {"6, 'x', 2147483647, 32767, 65535", true},
      {"7, 'x', 2147483648, 1, 0", false},
      {"8, 'x', 0, -32769, 0", false},
      {"9, 'x', 0, 32768, 0", false},
      {"10, 'x', 0, 1, 65536", false},
      {"11, 'x', 0, 1, -1", false},
  };
  TempStore store;
  ASSERT_TRUE(store.ok());
  for (const Case& c : userCases) {
    EXPECT_EQ(store.exec("INSERT INTO users (host, user_id, qualifier) VALUES (" + c.values + ")"),
              c.accepted)
        << c.values;
  }
  for (const Case& c : faxCases) {
    EXPECT_EQ(store.exec("INSERT INTO faxes (handle, fax_id, date, pages, error_code, host, owner)"
                         " VALUES (" +
                         c.values + ", 'h', 'u')"),
              c.accepted)
        << c.values;
  }
  for (const char* values : {"20, 0", "21, 1"})
    EXPECT_TRUE(store.exec(std::string("INSERT INTO faxes (handle, received, host, owner, fax_id)"
                                       " VALUES (") +
                           values + ", 'h', 'u', 'r')"));
  EXPECT_FALSE(
      store.exec("INSERT INTO faxes (handle, received, host, owner, fax_id)"
                 " VALUES (22, 2, 'h', 'u', 'r')"));
  EXPECT_FALSE(
      store.exec("INSERT INTO faults (host, operation, error_code) VALUES "
                 "('h', 'mark', 0)"));
  EXPECT_FALSE(
      store.exec("INSERT INTO faults (host, operation, error_code) VALUES "
                 "('h', 'marks', 1)"));
}

// A row that names only what it must gets the defaults that the library then
// serves: release 0x620, no description or qualifier, and a received,
// unmarked one-page fax in 'main' dated 0.
TEST(StoreSchemaTest, TheDefaultsAreServedThroughTheLibrary) {
  TempStore store;
  ASSERT_TRUE(store.ok());
  ASSERT_TRUE(
      store.exec("INSERT INTO servers (host) VALUES ('faxsrv');"
                 "INSERT INTO users (host, user_id) VALUES ('faxsrv', 'ALICE');"
                 "INSERT INTO faxes (handle, host, owner, fax_id)"
                 " VALUES (5, 'faxsrv', 'ALICE', 'D5')"));
  RFaxError code = -1;
  RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
  ASSERT_NE(server, 0u);
  EXPECT_EQ(RFaxVersionCheck(server, 0x620, 0), 0);
  EXPECT_EQ(RFaxVersionCheck(server, 0x621, 0), 8);
  ServerInfo info;
  ASSERT_EQ(RFaxGetServerInfo2(server, &info), 0);
  EXPECT_STREQ(info.description, "");
  UserRecord user;
  ASSERT_EQ(RFaxLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, &user), 0);
  EXPECT_STREQ(user.qualifier, "");
  RFaxListHandle list = 0;
  ASSERT_EQ(RFaxGetFaxList(server, "ALICE", 1, 0xFFFF, 0, &list), 0);
  FaxListElement* element = nullptr;
  ASSERT_EQ(RFaxListGetFirstElementPtr(list, &element), 0);
  EXPECT_EQ(+element->faxHandle, 5u);
  EXPECT_EQ(+element->flags, 0x10u);
  EXPECT_EQ(+element->date, 0);
  EXPECT_EQ(+element->pages, 1);
  EXPECT_EQ(+element->errorCode, 0);
  RFaxCloseListHandle(list);
  RFaxCloseServerHandle(server);
  EXPECT_EQ(store.queryInt("SELECT viewed + printed + body_printed + approved + held + user1 +"
                           " user2 FROM faxes"),
            0);
}

TEST(StoreFileTest, AnOpenStoreUsesTheWriteAheadLog) {
  TempStore store;
  ASSERT_TRUE(store.ok());
  ASSERT_TRUE(store.addServer("faxsrv"));
  store.closeDb();
  RFaxError code = -1;
  RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
  ASSERT_NE(server, 0u);
  sqlite::Statement mode;
  ASSERT_TRUE(mode.prepare(store.db(), "PRAGMA journal_mode"));
  ASSERT_EQ(mode.step(), SQLITE_ROW);
  EXPECT_EQ(mode.columnText(0), "wal");
  RFaxCloseServerHandle(server);
}

#ifndef _WIN32
// POSIX lets a store be deleted while a session has it open. A mark must not
// then land in the deleted file and be reported done: it fails as the store
// being unavailable, and so does a fresh list.
TEST(StoreFileTest, AStoreRemovedDuringASessionTakesNoMoreMarks) {
  TempStore store;
  ASSERT_TRUE(store.ok());
  ASSERT_TRUE(store.addServer("faxsrv"));
  ASSERT_TRUE(store.addUser("faxsrv", "ALICE"));
  ASSERT_TRUE(store.addFax({.handle = 31, .faxId = "FAX-31"}));
  store.closeDb();
  RFaxError code = -1;
  RFaxServerHandle server = RFaxCreateServerHandle("faxsrv", 4, &code);
  ASSERT_NE(server, 0u);
  ASSERT_EQ(InkStampFax(server, 31, 3), 0);
  for (const char* suffix : {"", "-wal", "-shm"})
    remove((store.path() + suffix).c_str());
  EXPECT_EQ(InkStampFax(server, 31, 0), 3);
  RFaxListHandle list = 0;
  EXPECT_EQ(RFaxGetFaxList(server, "ALICE", 1, 0xFFFF, 0, &list), 3);
  EXPECT_EQ(fopen(store.path().c_str(), "rb"), nullptr);
  RFaxCloseServerHandle(server);
}

TEST(StorePathTest, FollowsTheXdgDataDirectoryElseHome) {
  support::ScopedEnv store("FAXSIM_STORE", nullptr);
  support::ScopedEnv home("HOME", "/home/u");
  {
    support::ScopedEnv data("XDG_DATA_HOME", "/data");
    EXPECT_EQ(storePathFromEnvironment(), "/data/faxsim/store.db");
  }
  support::ScopedEnv data("XDG_DATA_HOME", "");
  EXPECT_EQ(storePathFromEnvironment(), "/home/u/.local/share/faxsim/store.db");
  support::ScopedEnv named("FAXSIM_STORE", "/elsewhere.db");
  EXPECT_EQ(storePathFromEnvironment(), "/elsewhere.db");
}
#endif

}  // namespace
}  // namespace faxsim
