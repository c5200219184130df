// faxsim's commands run in-process against stores in a temporary directory:
// what each does to the store, what it prints, and how it refuses bad input;
// which files it takes for stores, and where it looks for one.
#include "faxsimtool/faxsim_tool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "faxclient/client_values.h"
#include "faxsim/store.h"
#include "faxsimtool/command_table.h"
#include "faxsimtool/faxsim_command_test.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {
namespace {

using support::FaxsimTest;
using support::RunResult;

class FaxsimToolTest : public FaxsimTest {
 protected:
  // A store with server faxsrv and user ALICE.
  void makeSmallStore() {
    ok({"create"});
    ok({"add-server", "faxsrv", "--description", "Test server"});
    ok({"add-user", "faxsrv", "ALICE", "--qualifier", "ACCT", "--name", "Alice A"});
  }
};

TEST_F(FaxsimToolTest, CreateMakesAnEmptyWalStoreAndItsDirectories) {
  std::string nested = (dir() / "a" / "b" / "store.db").string();
  RunResult result = runPlain({"create", "--store", nested});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Created store " + nested + "\n");
  RunResult info = runPlain({"--store", nested, "info"});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Faxes: 0\n"), std::string::npos);

  ok({"create"});
  EXPECT_EQ(queryInt("PRAGMA user_version"), 1);
  EXPECT_EQ(queryText("PRAGMA journal_mode"), "wal");
  EXPECT_EQ(queryInt("SELECT count(*) FROM servers"), 0);
  EXPECT_FALSE(std::filesystem::exists(store() + ".faxsim-new"));
}

TEST_F(FaxsimToolTest, CreateKeepsAnExistingFileUnlessForced) {
  makeSmallStore();
  expectRejected({"create"}, 1, "already exists (use --force to replace it)");
  expectRejected({"demo"}, 1, "already exists");
  ok({"create", "--force"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM servers"), 0);

  // A file that is no store at all is replaced only when forced, too.
  std::ofstream(dir() / "notes.txt") << "keep me";
  RunResult refused = runPlain({"--store", (dir() / "notes.txt").string(), "create"});
  EXPECT_EQ(refused.status, 1);
  std::ifstream notes(dir() / "notes.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(notes), {}), "keep me");

  RunResult directory = runPlain({"--store", dir().string(), "create", "--force"});
  EXPECT_EQ(directory.status, 1);
  EXPECT_NE(directory.err.find("is a directory"), std::string::npos);
}

TEST_F(FaxsimToolTest, MissingOrForeignStoresAreClearErrors) {
  RunResult missing = run({"list-servers"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "faxsim: no store at " + store() +
                             " (create one with 'faxsim create' or 'faxsim demo')\n");
  EXPECT_FALSE(std::filesystem::exists(store()));  // and none was made

  std::ofstream(store()) << "this is not a database, but it is long enough to look like one";
  RunResult foreign = run({"add-server", "x"});
  EXPECT_EQ(foreign.status, 1);
  EXPECT_NE(foreign.err.find("is not a faxsim store"), std::string::npos) << foreign.err;

  std::ofstream(store(), std::ios::trunc).close();
  RunResult empty = run({"info"});
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.err.find("its user_version is 0, not 1"), std::string::npos) << empty.err;
  EXPECT_EQ(std::filesystem::file_size(store()), 0u);
}

TEST_F(FaxsimToolTest, WorksOnAStoreMadeByAnotherProgramWithOnlyTheRequiredColumns) {
  {
    sqlite::Database db;
    ASSERT_TRUE(db.open(store(), sqlite::Database::Mode::kCreate, 1000));
    ASSERT_TRUE(db.exec(
        "CREATE TABLE servers (host, description, release, tz_state, bias, standard_bias,"
        " daylight_bias);"
        "CREATE TABLE users (host, user_id, qualifier, name);"
        "CREATE TABLE faxes (handle INTEGER PRIMARY KEY, host, owner, fax_id, folder, received,"
        " date, pages, error_code, viewed, printed, body_printed, approved, held, user1, user2);"
        "CREATE TABLE faults (host, operation, target, mark_code, error_code, remaining);"
        "CREATE TABLE error_texts (code INTEGER PRIMARY KEY, text);"
        "CREATE TABLE settings (key TEXT PRIMARY KEY, value);"
        "PRAGMA user_version = 1;"))
        << db.errorMessage();
  }
  ok({"add-server", "faxsrv"});
  ok({"add-user", "FAXSRV", "alice"});
  expectRejected({"add-user", "faxsrv", "ALICE"}, 1, "already exists");  // NOCASE all the same
  ok({"add-fax", "faxsrv", "ALICE", "APP1", "--viewed"});
  ok({"generate", "faxsrv", "ALICE", "10"});
  ok({"add-fault", "faxsrv", "mark", "5", "--target", "APP1"});
  ok({"set-setting", "api_version", "5"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes WHERE owner = 'alice' AND pages IS NOT NULL"), 11);
  std::string listing = ok({"list-faxes", "faxsrv", "ALICE"});
  EXPECT_NE(listing.find("\n00000001  APP1  "), std::string::npos) << listing;

  // A table or column missing makes it no store.
  {
    sqlite::Database db;
    ASSERT_TRUE(db.open(store(), sqlite::Database::Mode::kReadWrite, 1000));
    ASSERT_TRUE(db.exec("ALTER TABLE faxes DROP COLUMN user2"));
  }
  expectRejected({"list-servers"}, 1, "is not a faxsim store: table faxes has no column user2");
}

// Exactly the documented tables and columns, made with plain SQL by another
// program that spells the names in its own letter case, as SQLite allows.
const char kStoreInOtherCase[] = R"sql(
CREATE TABLE Servers (HOST TEXT PRIMARY KEY, Description TEXT, RELEASE INTEGER,
  Tz_State INTEGER, Bias INTEGER, Standard_Bias INTEGER, DAYLIGHT_BIAS INTEGER);
CREATE TABLE USERS (Host TEXT, User_ID TEXT, Qualifier TEXT, NAME TEXT,
  PRIMARY KEY (Host, User_ID));
CREATE TABLE Faxes (Handle INTEGER PRIMARY KEY, Host, Owner, Fax_ID, Folder, Received, Date,
  Pages, Error_Code, Viewed, Printed, Body_Printed, Approved, Held, USER1, User2);
CREATE TABLE Faults (Host, Operation, Target, Mark_Code, Error_Code, Remaining);
CREATE TABLE Error_Texts (Code INTEGER PRIMARY KEY, Text);
CREATE TABLE Settings (Key TEXT PRIMARY KEY, Value);
PRAGMA user_version = 1;
)sql";

// faxsim works on a file exactly when the simulator library serves it, since
// both ask the library's one check.
TEST_F(FaxsimToolTest, TakesForAStoreExactlyWhatTheLibraryServes) {
  struct Case {
    const char* what;
    std::string sql;      // run on a new SQLite database; empty: see bytes
    const char* bytes;    // the file's contents; nullptr: made by faxsim create
    const char* refusal;  // how faxsim refuses it; nullptr: a store
  };
  // Each way of not being a store, made from a good one.
  const std::string good = kStoreInOtherCase;
  const Case cases[] = {
      {"made by faxsim create", "", nullptr, nullptr},
      {"plain SQL, names in other letter cases", good, nullptr, nullptr},
      {"empty file", "", "", "is not a faxsim store: its user_version is 0, not 1"},
      {"text file", "", "host,user\nfaxsrv,alice\n",
       "is not a faxsim store: file is not a database"},
      {"user_version 0", good + "PRAGMA user_version = 0;", nullptr,
       "its user_version is 0, not 1"},
      {"no table faults", good + "DROP TABLE faults;", nullptr, "it has no table faults"},
      {"faxes lacks user2", good + "ALTER TABLE faxes DROP COLUMN user2;", nullptr,
       "is not a faxsim store: table faxes has no column user2"},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string path = (dir() / ("case" + std::to_string(++n) + ".db")).string();
    if (!c.sql.empty()) {
      sqlite::Database db;
      ASSERT_TRUE(db.open(path, sqlite::Database::Mode::kCreate, 0));
      ASSERT_TRUE(db.exec(c.sql.c_str())) << c.what << ": " << db.errorMessage();
    } else if (c.bytes != nullptr) {
      std::ofstream(path, std::ios::binary) << c.bytes;
    } else {
      ASSERT_EQ(runPlain({"--store", path, "create"}).status, 0);
    }
    RunResult info = runPlain({"--store", path, "info"});
    bool isStore = c.refusal == nullptr;
    EXPECT_EQ(info.status, isStore ? 0 : 1) << c.what << "\n" << info.err;
    if (!isStore) {
      EXPECT_NE(info.err.find(c.refusal), std::string::npos) << info.err;
    }
    faxsim::Store library;
    EXPECT_EQ(library.open(path), isStore) << c.what;
  }

  // And faxsim's own statements find the columns whatever their case.
  std::string other = (dir() / "case2.db").string();
  ok({"--store", other, "add-server", "faxsrv"});
  ok({"--store", other, "add-user", "faxsrv", "ALICE"});
  ok({"--store", other, "add-fax", "faxsrv", "alice", "APP1", "--viewed"});
  std::string listing = ok({"--store", other, "list-faxes", "faxsrv", "ALICE"});
  EXPECT_NE(listing.find("\n00000001  APP1  "), std::string::npos) << listing;
}

TEST_F(FaxsimToolTest, AddServerStoresDefaultsAndOptions) {
  ok({"create"});
  EXPECT_EQ(ok({"add-server", "FaxSrv"}), "Added server FaxSrv\n");
  ok({"add-server", "old", "--release", "0x510", "--description", "Old one", "--tz-state", "3",
      "--bias", "-60", "--standard-bias", "0", "--daylight-bias=-60"});
  EXPECT_EQ(queryText("SELECT description || '/' || release || '/' || tz_state || '/' || bias "
                      "FROM servers WHERE host = 'FaxSrv'"),
            "/1568/0/0");
  EXPECT_EQ(queryText("SELECT description || '/' || release || '/' || tz_state || '/' || bias "
                      "|| '/' || standard_bias || '/' || daylight_bias FROM servers "
                      "WHERE host = 'old'"),
            "Old one/1296/3/-60/0/-60");

  expectRejected({"add-server", "FAXSRV"}, 1, "server 'FAXSRV' already exists (as FaxSrv)");
  expectRejected({"add-server", ""}, 2, "the host name must not be empty");
  expectRejected({"add-server", "x", "--release", "0x10000"}, 2, "--release: '0x10000' is out");
  expectRejected({"add-server", "x", "--tz-state", "two"}, 2, "--tz-state: 'two' is not a number");
  expectRejected({"add-server", "x", "--bias", "2147483648"}, 2, "--bias: '2147483648' is out");
}

TEST_F(FaxsimToolTest, AddUserUsesTheServersSpellingAndChecksLengths) {
  makeSmallStore();
  EXPECT_EQ(ok({"add-user", "FAXSRV", "bob"}), "Added user bob on server faxsrv\n");
  EXPECT_EQ(queryText("SELECT host || '/' || qualifier || '/' || name FROM users "
                      "WHERE user_id = 'bob'"),
            "faxsrv//");
  ok({"add-user", "faxsrv", std::string(21, 'U'), "--qualifier", std::string(25, 'Q')});

  expectRejected({"add-user", "nosuch", "carol"}, 1, "unknown server 'nosuch'");
  expectRejected({"add-user", "faxsrv", "alice"}, 1,
                 "user 'alice' already exists on server faxsrv (as ALICE)");
  expectRejected({"add-user", "faxsrv", std::string(22, 'U')}, 2,
                 "is 22 bytes long; at most 21 are allowed");
  expectRejected({"add-user", "faxsrv", ""}, 2, "the user ID must not be empty");
  expectRejected({"add-user", "faxsrv", "carol", "--qualifier", std::string(26, 'Q')}, 2,
                 "the qualifier");
  // Bytes, not characters: 11 two-byte letters are 22 bytes.
  std::string wide;
  for (int i = 0; i < 11; ++i)
    wide += "\xC3\xA9";
  expectRejected({"add-user", "faxsrv", wide}, 2, "is 22 bytes long");
}

TEST_F(FaxsimToolTest, AddFaxFillsDefaultsAndNumbersHandlesFromTheHighest) {
  makeSmallStore();
  EXPECT_EQ(ok({"add-fax", "FAXSRV", "alice", "APP1"}),
            "Added fax 00000001 for ALICE on server faxsrv\n");
  EXPECT_EQ(queryText("SELECT host || owner || '|' || fax_id || '|' || folder || '|' || received "
                      "|| date || pages || error_code || viewed || printed || body_printed || "
                      "approved || held || user1 || user2 FROM faxes WHERE handle = 1"),
            "faxsrvALICE|APP1|main|10100000000");
  ok({"add-fax",    "faxsrv",       "ALICE",   "B2",       "--handle",         "4000000000",
      "--folder",   "Archive",      "--sent",  "--date",   "2008-12-06 01:02", "--pages",
      "-3",         "--error-code", "65535",   "--viewed", "--printed",        "--body-printed",
      "--approved", "--held",       "--user1", "--user2"});
  EXPECT_EQ(queryText("SELECT folder || received || '|' || date || '|' || pages || '|' || "
                      "error_code || '|' || viewed || printed || body_printed || approved || "
                      "held || user1 || user2 FROM faxes WHERE handle = 4000000000"),
            "Archive0|1228525320|-3|65535|1111111");
  EXPECT_EQ(ok({"add-fax", "faxsrv", "ALICE", "B3", "--date", "-5"}),
            "Added fax EE6B2801 for ALICE on server faxsrv\n");
  ok({"add-fax", "faxsrv", "ALICE", std::string(83, 'X'), "--handle", "4294967295"});
  // No pattern selects an empty ID, so inkstamp could never mark such a fax.
  expectRejected({"add-fax", "faxsrv", "ALICE", "", "--handle", "7"}, 2,
                 "the fax ID must not be empty");

  expectRejected({"add-fax", "faxsrv", "ALICE", "X"}, 1, "no handle is free above FFFFFFFF");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--handle", "1"}, 1,
                 "fax handle 00000001 is already taken");
  expectRejected({"add-fax", "faxsrv", "BOB", "X", "--handle", "7"}, 1,
                 "unknown user 'BOB' on server faxsrv");
  expectRejected({"add-fax", "other", "ALICE", "X", "--handle", "7"}, 1, "unknown server 'other'");
  expectRejected({"add-fax", "faxsrv", "ALICE", std::string(84, 'X'), "--handle", "7"}, 2,
                 "the fax ID");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--handle", "0"}, 2, "--handle: '0' is out");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--handle", "4294967296"}, 2, "--handle");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--pages", "32768"}, 2, "--pages");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--pages", "2p"}, 2, "'2p' is not a number");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--error-code", "-1"}, 2, "--error-code");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--date", "2008-02-30"}, 2, "is not a date");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--folder", ""}, 2, "the folder");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--sent", "--received"}, 2,
                 "--sent and --received exclude each other");
  expectRejected({"add-fax", "faxsrv", "ALICE", "X", "--viewed=1"}, 2, "takes no value");
}

TEST_F(FaxsimToolTest, GenerateAppendsAboveTheHighestHandleInOneGo) {
  makeSmallStore();
  ok({"add-fax", "faxsrv", "ALICE", "X", "--handle", "100"});
  EXPECT_EQ(ok({"generate", "FAXSRV", "alice", "50", "--seed", "9"}),
            "Generated 50 faxes for ALICE on server faxsrv (handles 00000065 to 00000096)\n");
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes WHERE owner = 'ALICE' AND host = 'faxsrv'"), 51);
  // By default the dates spread over the year from 2008-01-01.
  EXPECT_EQ(queryInt("SELECT min(date) >= 1199145600 AND max(date) < 1199145600 + 365 * 86400 "
                     "AND max(date) - min(date) > 180 * 86400 FROM faxes WHERE handle > 100"),
            1);
  ok({"generate", "faxsrv", "ALICE", "20", "--start", "2009-01-01", "--days", "2"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes WHERE handle > 150 AND date >= 1230768000 "
                     "AND date < 1230768000 + 2 * 86400"),
            20);

  ok({"add-fax", "faxsrv", "ALICE", "Y", "--handle", "4294967290"});
  expectRejected({"generate", "faxsrv", "ALICE", "6"}, 1, "only 5 handles are free");
  expectRejected({"generate", "faxsrv", "nobody", "5"}, 1, "unknown user 'nobody'");
  expectRejected({"generate", "faxsrv", "ALICE", "0"}, 2, "COUNT: '0' is out of range");
  expectRejected({"generate", "faxsrv", "ALICE", "ten"}, 2, "COUNT: 'ten' is not a number");
  expectRejected({"generate", "faxsrv", "ALICE", "5", "--days", "0"}, 2, "--days");
  expectRejected({"generate", "faxsrv", "ALICE", "5", "--start", "2038-01-01", "--days", "30"}, 2,
                 "the dates would run past 2038-01-19");
}

// A seed given again draws the IDs that the user's faxes already hold: those
// are drawn anew, and only those, so that a seed still means its faxes.
TEST_F(FaxsimToolTest, GenerateNeverRepeatsAnIdTheUserHas) {
  makeSmallStore();
  ok({"add-user", "faxsrv", "BOB"});
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "3"});
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "3"});
  ok({"generate", "faxsrv", "BOB", "300", "--seed", "3"});
  EXPECT_EQ(queryInt("SELECT count(*) - count(DISTINCT upper(fax_id)) FROM faxes"
                     " WHERE owner = 'ALICE'"),
            0);
  // File-name IDs come from the handle; the unique ones from the seed alone.
  const std::string uniqueIds =
      "SELECT group_concat(fax_id, ' ') FROM (SELECT fax_id FROM faxes WHERE owner = '%s'"
      " AND length(fax_id) > 9 AND handle %s ORDER BY handle)";
  auto ids = [&](const char* owner, const char* handles) {
    char sql[512];
    snprintf(sql, sizeof sql, uniqueIds.c_str(), owner, handles);
    return queryText(sql);
  };
  EXPECT_EQ(ids("BOB", "> 600"), ids("ALICE", "<= 300"));
  EXPECT_GT(ids("ALICE", "<= 300").size(), 18u * 100);
}

TEST_F(FaxsimToolTest, FaultsAreAddedListedAndCleared) {
  makeSmallStore();
  ok({"add-fax", "faxsrv", "ALICE", "APP1"});
  ok({"add-fax", "faxsrv", "ALICE", "B 1"});
  EXPECT_EQ(ok({"add-fault", "nowhere", "connect", "2"}), "Added fault 1\n");
  ok({"add-fault", "FAXSRV", "element", "7", "--target", "0x3", "--count", "2"});
  ok({"add-fault", "faxsrv", "mark", "-5", "--target", "APP1", "--mark-code", "3"});
  ok({"add-fault", "faxsrv", "load_fax", "5", "--target", "B 1"});
  EXPECT_EQ(queryText("SELECT group_concat(host || '/' || operation || '/' || quote(target) || "
                      "'/' || quote(mark_code) || '/' || error_code || '/' || quote(remaining), "
                      "' ') FROM faults"),
            "nowhere/connect/NULL/NULL/2/NULL faxsrv/element/'3'/NULL/7/2 "
            "faxsrv/mark/'APP1'/3/-5/NULL faxsrv/load_fax/'B 1'/NULL/5/NULL");

  EXPECT_EQ(ok({"list-faults"}),
            "ID  HOST     OPERATION  TARGET  MARK CODE  ERROR  REMAINING\n"
            " 1  nowhere  connect    any           any      2     always\n"
            " 2  faxsrv   element    '3'           any      7          2\n"
            " 3  faxsrv   mark       'APP1'          3     -5     always\n"
            " 4  faxsrv   load_fax   'B 1'         any      5     always\n");
  EXPECT_EQ(ok({"list-faults", "NOWHERE"}),
            "ID  HOST     OPERATION  TARGET  MARK CODE  ERROR  REMAINING\n"
            " 1  nowhere  connect    any           any      2     always\n");

  expectRejected({"add-fault", "faxsrv", "connct", "2"}, 2,
                 "unknown fault operation 'connct' (one of connect, server_info,");
  expectRejected({"add-fault", "other", "fax_list", "2"}, 1, "unknown server 'other'");
  expectRejected({"add-fault", "faxsrv", "sort", "0"}, 2, "ERROR-CODE must not be 0");
  expectRejected({"add-fault", "faxsrv", "sort", "x"}, 2, "ERROR-CODE: 'x' is not a number");
  expectRejected({"add-fault", "faxsrv", "connect", "2", "--target", "x"}, 2,
                 "--target applies only to");
  expectRejected({"add-fault", "faxsrv", "element", "2", "--target", "first"}, 2,
                 "a 0-based index");
  expectRejected({"add-fault", "faxsrv", "load_fax", "2", "--mark-code", "3"}, 2,
                 "--mark-code applies only to the mark operation");
  expectRejected({"add-fault", "faxsrv", "mark", "2", "--mark-code", "70000"}, 2, "--mark-code");
  expectRejected({"add-fault", "faxsrv", "mark", "2", "--count", "0"}, 2, "--count");
  // Faults that could never fire: a code the program never sends, a fax
  // that is not there (the target compares case included), an element
  // before the first.
  for (const char* code : {"2", "14", "printd", "-mx"})
    expectRejected({"add-fault", "faxsrv", "mark", "2", "--mark-code", code}, 2,
                   "is no mark code the program sends (-mp printed 3, -np not-printed 4,");
  expectRejected({"add-fault", "faxsrv", "mark", "2", "--target", "app1"}, 1,
                 "--target: no fax on server faxsrv has the ID 'app1' (compared exactly, case "
                 "included) in store " +
                     store());
  expectRejected({"add-fault", "faxsrv", "load_fax", "2", "--target", "APP2"}, 1, "'APP2'");
  expectRejected({"add-fault", "faxsrv", "element", "2", "--target", "-1"}, 2,
                 "'-1' is out of range");

  // A connect fault for a known host takes the store's spelling of it.
  EXPECT_EQ(ok({"add-fault", "FaxSrv", "connect", "2"}), "Added fault 5\n");
  EXPECT_EQ(queryText("SELECT host FROM faults WHERE rowid = 5"), "faxsrv");

  // A mark code by the program's option or by name, every one of them, as
  // add-fault's help lists them.
  std::string help;  // the help's text with its lines joined again
  for (char c : ok({"help", "add-fault"})) {
    if (c == '\n')
      c = ' ';
    if (c != ' ' || !help.ends_with(' '))
      help += c;
  }
  for (const faxclient::MarkOption& named : faxclient::kMarkOptions) {
    std::string code = std::to_string(named.code);
    ok({"add-fault", "faxsrv", "mark", "7", "--mark-code", named.option});
    ok({"add-fault", "faxsrv", "mark", "7", "--mark-code", named.name});
    ok({"add-fault", "faxsrv", "mark", "7", "--mark-code", code});
    EXPECT_EQ(queryText("SELECT group_concat(mark_code) FROM faults WHERE rowid > (SELECT "
                        "max(rowid) - 3 FROM faults)"),
              code + "," + code + "," + code);
    std::string entry = std::string(named.option) + " " + named.name + " " + code;
    EXPECT_NE(help.find(entry), std::string::npos) << entry;
  }
  ok({"clear-faults", "faxsrv"});
  ok({"add-fault", "FAXSRV", "element", "7", "--target", "0x3", "--count", "2"});
  ok({"add-fault", "faxsrv", "mark", "-5", "--target", "APP1", "--mark-code", "3"});
  ok({"add-fault", "faxsrv", "load_fax", "5", "--target", "B 1"});
  ok({"add-fault", "FaxSrv", "connect", "2"});

  EXPECT_EQ(ok({"clear-faults", "Faxsrv"}), "Cleared 4 faults\n");
  EXPECT_EQ(queryInt("SELECT count(*) FROM faults"), 1);
  EXPECT_EQ(ok({"clear-faults"}), "Cleared 1 fault\n");
  EXPECT_EQ(queryInt("SELECT count(*) FROM faults"), 0);
}

TEST_F(FaxsimToolTest, SettingsAndErrorTextsAreSetReplacedAndRemoved) {
  makeSmallStore();
  ok({"set-setting", "api_version", "1228521600"});
  ok({"set-setting", "api_version", "-7"});
  EXPECT_EQ(queryText("SELECT group_concat(key || '=' || value) FROM settings"), "api_version=-7");
  EXPECT_EQ(queryText("SELECT typeof(value) FROM settings"), "integer");
  ok({"set-error-text", "501", "Line busy"});
  EXPECT_EQ(ok({"set-error-text", "501", "No answer"}), "Set the text of error 501\n");
  ok({"set-error-text", "-1", "Negative"});
  EXPECT_EQ(queryText("SELECT group_concat(code || '=' || text, ',') FROM error_texts"),
            "-1=Negative,501=No answer");
  std::string info = ok({"info"});
  EXPECT_NE(info.find("Setting api_version: -7\nError text -1: Negative\n"), std::string::npos)
      << info;

  expectRejected({"set-setting", "api-version", "1"}, 2, "unknown setting 'api-version'");
  expectRejected({"set-setting", "api_version", "2147483648"}, 2, "VALUE: '2147483648' is out");
  expectRejected({"set-error-text", "5x", "text"}, 2, "CODE: '5x' is not a number");

  ok({"unset-setting", "api_version"});
  ok({"unset-error-text", "501"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM settings"), 0);
  EXPECT_EQ(queryText("SELECT group_concat(code) FROM error_texts"), "-1");
}

TEST_F(FaxsimToolTest, ListingsAreAlignedTables) {
  makeSmallStore();
  ok({"add-server", "old", "--release", "0x510", "--description", "Old"});
  ok({"add-user", "faxsrv", "Zoë", "--name", "Zoë Zed"});
  ok({"add-fax", "faxsrv", "ALICE", "APP0438B2C87FE62B9", "--date", "2008-11-03 09:15:59",
      "--pages", "3", "--viewed", "--held", "--handle", "31"});
  ok({"add-fax",    "faxsrv",       "alice",   "B000409E2",        "--folder",
      "Archive",    "--sent",       "--date",  "1969-12-31 23:00", "--pages",
      "12",         "--error-code", "501",     "--printed",        "--body-printed",
      "--approved", "--user1",      "--user2", "--handle",         "7"});
  ok({"add-fax", "faxsrv", "Zoë", "APP1"});

  // Handles as the programs print them; every mark in one column.
  EXPECT_EQ(
      ok({"list-faxes", "FAXSRV", "alice"}),
      "HANDLE    FAX ID              FOLDER   DIR   DATE (UTC)        PAGES  ERROR  MARKS\n"
      "00000007  B000409E2           Archive  sent  1969-12-31 23:00     12    501  -PBA-12\n"
      "0000001F  APP0438B2C87FE62B9  main     recv  2008-11-03 09:15      3      0  V---H--\n");
  EXPECT_EQ(ok({"list-servers"}),
            "HOST    RELEASE  TZ STATE  BIAS  STANDARD BIAS  DAYLIGHT BIAS  USERS  FAXES  "
            "DESCRIPTION\n"
            "faxsrv    0x620         0     0              0              0      2      3  "
            "Test server\n"
            "old       0x510         0     0              0              0      0      0  Old\n");
  EXPECT_EQ(ok({"list-users"}),
            "HOST    USER ID  QUALIFIER  NAME     FAXES\n"
            "faxsrv  ALICE    ACCT       Alice A      2\n"
            "faxsrv  Zoë                 Zoë Zed      1\n");
  EXPECT_EQ(ok({"list-users", "old"}), "HOST  USER ID  QUALIFIER  NAME  FAXES\n");
  // The top handle, and a mark that a store made by another program holds as 2.
  ok({"add-fax", "faxsrv", "ALICE", "B1", "--handle", "4294967295"});
  sqlite::Database db;
  ASSERT_TRUE(db.open(store(), sqlite::Database::Mode::kReadWrite, 1000));
  ASSERT_TRUE(db.exec("UPDATE faxes SET viewed = 2, user2 = 1 WHERE handle = 4294967295"));
  EXPECT_NE(
      ok({"list-faxes", "faxsrv", "ALICE", "--pattern", "B1"})
          .find("\nFFFFFFFF  B1      main    recv  1970-01-01 00:00      1      0  ?-----2\n"),
      std::string::npos);

  // FAXSIM_STORE may point elsewhere than the user thinks: the store is named.
  expectRejected({"list-faxes", "faxsrv", "bob"}, 1,
                 "unknown user 'bob' on server faxsrv in store " + store());
  expectRejected({"list-users", "new"}, 1, "unknown server 'new' in store " + store());
}

// list-faxes lists only the faxes that pass every filter given.
class FaxsimListFilterTest : public FaxsimToolTest {
 protected:
  void SetUp() override {
    FaxsimToolTest::SetUp();
    makeSmallStore();
    ok({"add-fax", "faxsrv", "ALICE", "APP1A"});
    ok({"add-fax", "faxsrv", "ALICE", "app2b", "--folder", "Main", "--sent"});
    ok({"add-fax", "faxsrv", "ALICE", "B0001", "--folder", "Archive"});
    ok({"add-fax", "faxsrv", "ALICE", "B0002", "--sent"});
    ok({"add-fax", "faxsrv", "ALICE", "B00021", "--folder", "Archive", "--sent"});
  }

  // The handles that list-faxes lists with `filters`, in its order.
  std::string handles(std::vector<std::string> filters) {
    filters.insert(filters.begin(), {"list-faxes", "faxsrv", "ALICE"});
    std::istringstream listing(ok(filters));
    std::string line, result;
    std::getline(listing, line);  // the header
    while (std::getline(listing, line))
      result += std::to_string(std::stoll(line, nullptr, 16)) + " ";
    return result;
  }
};

TEST_F(FaxsimListFilterTest, EachFilterNarrowsTheListAndTheyCombine) {
  EXPECT_EQ(handles({"--folder", "all"}), "1 2 3 4 5 ");
  EXPECT_EQ(handles({"--pattern", "app*"}), "1 2 ");  // A-Z either case, both ways
  EXPECT_EQ(handles({"--pattern", "B000?", "--pattern=*b"}), "2 3 4 ");
  EXPECT_EQ(handles({"--pattern", "PP*"}), "");  // a pattern covers the whole ID
  EXPECT_EQ(handles({"--direction", "sent"}), "2 4 5 ");
  EXPECT_EQ(handles({"--direction", "recv"}), handles({"--direction", "received"}));
  EXPECT_EQ(handles({"--direction", "recv"}), "1 3 ");
  EXPECT_EQ(handles({"--folder", "main"}), "1 4 ");  // the library's main folder, not Main
  EXPECT_EQ(handles({"--folder", "archive"}), "");
  EXPECT_EQ(handles({"--pattern", "B*", "--direction", "sent", "--folder", "Archive"}), "5 ");
  // The columns fit the faxes listed, not the ones left out.
  EXPECT_EQ(ok({"list-faxes", "faxsrv", "ALICE", "--pattern", "app1a"}),
            "HANDLE    FAX ID  FOLDER  DIR   DATE (UTC)        PAGES  ERROR  MARKS\n"
            "00000001  APP1A   main    recv  1970-01-01 00:00      1      0  -------\n");
}

TEST_F(FaxsimListFilterTest, BadFiltersAreUsageErrors) {
  expectRejected({"list-faxes", "faxsrv", "ALICE", "--direction", "Sent"}, 2,
                 "unknown direction 'Sent' (one of received, recv, sent)");
  expectRejected({"list-faxes", "faxsrv", "ALICE", "--pattern", "APP*", "--pattern="}, 2,
                 "--pattern must not be empty");
  expectRejected({"list-faxes", "faxsrv", "ALICE", "--folder", ""}, 2,
                 "--folder must not be empty");
}

TEST_F(FaxsimToolTest, CommandLineErrorsAreUsageErrors) {
  makeSmallStore();
  expectRejected({}, 2, "no command given");
  expectRejected({"--verbose", "list-servers"}, 2, "unknown option '--verbose'");
  expectRejected({"list-servers", "--verbose"}, 2, "list-servers: unknown option '--verbose'");
  expectRejected({"add-fax", "faxsrv", "ALICE"}, 2, "add-fax needs HOST USER-ID FAX-ID");
  expectRejected({"list-servers", "extra"}, 2, "list-servers: unexpected argument 'extra'");
  expectRejected({"list-servers", "--store="}, 2, "--store needs a non-empty PATH");
  // Both ways of naming an unknown command point to the list of commands.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"frobnicate"}, {"help", "frobnicate"}})
    expectRejected(args, 2, "unknown command 'frobnicate' (run 'faxsim --help' for the commands)");
  RunResult dangling = runPlain({"--store"});
  EXPECT_EQ(dangling.status, 2);
  EXPECT_EQ(dangling.err, "faxsim: option --store needs a value (PATH)\n");
}

// Each command's argument counts, written out here rather than read from the
// command table, so that a wrong limit in the table fails: one argument fewer
// than the least is refused with the synopsis, one more than the most by
// naming it, both before the store is opened.
TEST_F(FaxsimToolTest, EachCommandTakesExactlyItsArguments) {
  struct Limits {
    const char* command;
    size_t least;
    size_t most;
  };
  const Limits limits[] = {
      {"create", 0, 0},           {"demo", 0, 0},          {"info", 0, 0},
      {"add-server", 1, 1},       {"add-user", 2, 2},      {"add-fax", 3, 3},
      {"generate", 3, 3},         {"remove-fax", 3, 3},    {"set-marks", 3, 3},
      {"add-fault", 3, 3},        {"list-faults", 0, 1},   {"clear-faults", 0, 1},
      {"set-setting", 2, 2},      {"unset-setting", 1, 1}, {"set-error-text", 2, 2},
      {"unset-error-text", 1, 1}, {"list-servers", 0, 0},  {"list-users", 0, 1},
      {"list-faxes", 2, 2},
  };
  EXPECT_EQ(std::size(limits), commandTable().size()) << "a command without limits here";
  for (const Limits& limit : limits) {
    SCOPED_TRACE(limit.command);
    const CommandSpec* command = findCommand(limit.command);
    ASSERT_NE(command, nullptr);
    std::vector<std::string> args = {limit.command};
    for (size_t i = 0; i <= limit.most; ++i)
      args.push_back("a" + std::to_string(i));
    RunResult tooMany = run(args);
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_EQ(tooMany.err, std::string("faxsim: ") + limit.command + ": unexpected argument 'a" +
                               std::to_string(limit.most) + "'\n");
    if (limit.least > 0) {
      args.resize(limit.least);  // the command and one argument fewer
      RunResult tooFew = run(args);
      EXPECT_EQ(tooFew.status, 2);
      EXPECT_EQ(tooFew.err, std::string("faxsim: ") + limit.command + " needs " +
                                command->synopsis + " (see 'faxsim help " + limit.command + "')\n");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(store()));
}

TEST_F(FaxsimToolTest, HelpDocumentsEveryCommandAndOption) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"help"}, {"-h"}, {"-?"}, {"/?"}}) {
    RunResult help = runPlain(args);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const CommandSpec& command : commandTable()) {
      EXPECT_NE(help.out.find(std::string("faxsim ") + command.name), std::string::npos)
          << command.name;
      for (const OptionSpec& option : command.options)
        EXPECT_NE(help.out.find(option.name), std::string::npos) << option.name;
    }
    EXPECT_NE(help.out.find("FAXSIM_TRACE"), std::string::npos);
  }
  for (const std::vector<std::string>& args : {std::vector<std::string>{"add-fax", "--help"},
                                               {"help", "add-fax"},
                                               {"--help", "add-fax"},
                                               {"/?", "add-fax"},
                                               {"add-fax", "-?"},
                                               {"add-fax", "x", "-h"}}) {
    RunResult help = runPlain(args);
    EXPECT_EQ(help.status, 0) << args[0];
    EXPECT_TRUE(help.out.starts_with("usage:\n  faxsim add-fax HOST USER-ID FAX-ID [options]\n"))
        << help.out;
    EXPECT_NE(help.out.find("--body-printed"), std::string::npos);
    EXPECT_EQ(help.out.find("generate"), std::string::npos);
  }
  // A command's own help never sends the reader to itself.
  for (const CommandSpec& command : commandTable()) {
    RunResult own = runPlain({"help", command.name});
    EXPECT_EQ(own.out.find(std::string("'faxsim help ") + command.name + "'"), std::string::npos)
        << own.out;
  }
  // No line of the help runs past 79 columns.
  RunResult help = runPlain({"--help"});
  size_t start = 0;
  while (start < help.out.size()) {
    size_t end = help.out.find('\n', start);
    EXPECT_LE(end - start, 79u) << help.out.substr(start, end - start);
    start = end + 1;
  }
}

// Bulk generation: the count, a spread like the one documented, and the same
// rows for the same seed.
class GeneratorTest : public FaxsimTest {
 protected:
  void SetUp() override {
    FaxsimTest::SetUp();
    createWithAlice();
  }
  // The store's rows after 300 faxes made with `seed` in a new store.
  std::string generatedAfresh(const char* seed) {
    createWithAlice();
    ok({"generate", "faxsrv", "ALICE", "300", "--seed", seed});
    return dump();
  }
  double share(const std::string& where) {
    return static_cast<double>(queryInt("SELECT count(*) FROM faxes WHERE " + where)) /
           static_cast<double>(queryInt("SELECT count(*) FROM faxes"));
  }
};

TEST_F(GeneratorTest, SpreadsFaxesOverIdsDirectionsFoldersAndMarks) {
  ok({"generate", "faxsrv", "ALICE", "20000", "--start", "2008-01-01", "--days", "30"});
  EXPECT_EQ(queryInt("SELECT count(*) FROM faxes"), 20000);
  EXPECT_EQ(queryInt("SELECT min(handle) = 1 AND max(handle) = 20000 FROM faxes"), 1);
  EXPECT_EQ(queryInt("SELECT count(DISTINCT fax_id) FROM faxes"), 20000);
  // main, Archive, Pending and Review, as `faxsim help generate` says.
  EXPECT_EQ(queryInt("SELECT count(DISTINCT folder) FROM faxes"), 4);
  // The share of the faxes of each kind, and how far from it a run may be.
  const struct {
    const char* where;
    double share;
    double tolerance;
  } shares[] = {
      {"fax_id LIKE 'APP%' AND length(fax_id) = 18", 0.45, 0.02},
      {"fax_id LIKE 'B%' AND length(fax_id) = 16", 0.10, 0.02},
      {"fax_id = printf('B%08X', handle)", 0.45, 0.02},
      {"received = 1", 0.70, 0.02},
      {"folder = 'main'", 0.70, 0.02},
      {"error_code <> 0", 0.05, 0.01},
      {"viewed = 1", 0.50, 0.02},
      {"printed = 1", 0.35, 0.02},
      {"body_printed = 1 AND printed = 0", 0.0, 0.0},
      {"held = 1", 0.10, 0.02},
  };
  for (const auto& kind : shares)
    EXPECT_NEAR(share(kind.where), kind.share, kind.tolerance) << kind.where;
  // Every fax has 1 to 120 pages and a date in the 30 days asked for; the
  // dates are spread, not bunched: every day of the span has faxes.
  EXPECT_EQ(share("pages BETWEEN 1 AND 120"), 1.0);
  EXPECT_EQ(share("date >= 1199145600 AND date < 1199145600 + 30 * 86400"), 1.0);
  EXPECT_EQ(queryInt("SELECT count(DISTINCT (date - 1199145600) / 86400) FROM faxes"), 30);
}

TEST_F(GeneratorTest, TheSameSeedGivesTheSameFaxes) {
  ok({"generate", "faxsrv", "ALICE", "300", "--seed", "42"});
  std::string first = dump();
  EXPECT_EQ(generatedAfresh("42"), first);
  EXPECT_NE(generatedAfresh("43"), first);
}

struct FakeEnv {
  std::map<std::string, std::string> values;
  EnvLookup lookup() const {
    return [this](const char* name) -> const char* {
      auto it = values.find(name);
      return it == values.end() ? nullptr : it->second.c_str();
    };
  }
};

std::string resolved(std::optional<std::string_view> option, const FakeEnv& env) {
  std::string path, error;
  EXPECT_TRUE(resolveStorePath(option, env.lookup(), &path, &error)) << error;
  return path;
}

TEST(StorePath, OptionThenVariableThenDefault) {
  FakeEnv env{{{"FAXSIM_STORE", "/env/store.db"},
               {"XDG_DATA_HOME", "/xdg"},
               {"HOME", "/home/u"},
               {"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}}};
  EXPECT_EQ(resolved("/opt/store.db", env), "/opt/store.db");
  EXPECT_EQ(resolved(std::nullopt, env), "/env/store.db");
  env.values["FAXSIM_STORE"] = "";  // empty counts as unset
  std::string fallback = resolved(std::nullopt, env);
#ifdef _WIN32
  EXPECT_EQ(fallback, "C:\\Users\\u\\AppData\\Local\\faxsim\\store.db");
#else
  EXPECT_EQ(fallback, "/xdg/faxsim/store.db");
  env.values.erase("XDG_DATA_HOME");
  EXPECT_EQ(resolved(std::nullopt, env), "/home/u/.local/share/faxsim/store.db");
#endif
}

TEST(StorePath, NoPlaceForTheDefaultIsAnError) {
  FakeEnv env;
  std::string path, error;
  EXPECT_FALSE(resolveStorePath(std::nullopt, env.lookup(), &path, &error));
  EXPECT_NE(error.find("FAXSIM_STORE"), std::string::npos);
}

// On Windows the environment's lookup reports a value that the code page
// can't hold; the store it would name is not the one meant.
TEST(StorePath, AnUnrepresentableVariableIsAnError) {
  EnvLookup env = [](const char* name) -> const char* {
    return std::string_view(name) == "FAXSIM_STORE" ? faxsim::kUnrepresentableValue : "/home/u";
  };
  std::string path, error;
  EXPECT_FALSE(resolveStorePath(std::nullopt, env, &path, &error));
  EXPECT_EQ(error,
            "no store given and FAXSIM_STORE has a character that the ANSI code page can't "
            "represent; use --store PATH with a path that it can");
  EXPECT_TRUE(resolveStorePath("/opt/store.db", env, &path, &error));
  EXPECT_EQ(path, "/opt/store.db");
}

}  // namespace
}  // namespace faxsimtool
