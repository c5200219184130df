#include "faxsimtool/faxsim_command_test.h"

#include <sqlite3.h>
#include <stdio.h>

#include "faxsim/store_schema.h"
#include "faxsimtool/faxsim_tool.h"
#include "sqlite/sqlite_db.h"
#include "support/c_string_vector.h"
#include "support/files.h"
#include "support/world.h"

namespace support {

namespace {

// "SELECT rowid, quote(a) || '|' || quote(b) ... FROM t ORDER BY rowid".
std::string dumpQuery(const faxsim::RequiredTable& table) {
  std::string sql = "SELECT rowid || ':' || ";
  for (const char* const* column = table.columns; *column != nullptr; ++column) {
    if (column != table.columns)
      sql += " || '|' || ";
    sql += std::string("quote(") + *column + ")";
  }
  return sql + " FROM " + table.name + " ORDER BY rowid";
}

}  // namespace

void FaxsimTest::SetUp() {
  temp_ = std::make_unique<TempStore>(TempStore::Contents::kNothing);
  ASSERT_TRUE(temp_->ok()) << "can't make a temporary directory";
  dir_ = temp_->dir();
  store_ = temp_->path();
}

void FaxsimTest::TearDown() {
  temp_.reset();
}

RunResult FaxsimTest::run(std::vector<std::string> args) {
  args.insert(args.begin(), {"--store", store_});
  return runPlain(std::move(args));
}

RunResult FaxsimTest::runPlain(std::vector<std::string> args) {
  args.insert(args.begin(), "faxsim");
  CStringVector argv(args);
  FILE* out = tmpfile();
  FILE* err = tmpfile();
  EXPECT_NE(out, nullptr);
  EXPECT_NE(err, nullptr);
  auto noEnv = [](const char*) -> const char* { return nullptr; };
  int status = faxsimtool::runFaxsim(argv.count(), argv.vector(), out, err, noEnv);
  RunResult result = {status, readStream(out), readStream(err)};
  fclose(out);
  fclose(err);
  return result;
}

std::string FaxsimTest::ok(std::vector<std::string> args) {
  std::string line;
  for (const std::string& arg : args)
    line += arg + " ";
  RunResult result = run(std::move(args));
  EXPECT_EQ(result.status, 0) << line << "\n" << result.err;
  EXPECT_EQ(result.err, "") << line;
  return result.out;
}

void FaxsimTest::createWithAlice() {
  ok({"create", "--force"});
  ok({"add-server", kWorldServer.host});
  ok({"add-user", kWorldServer.host, kAlice.userId});
}

std::string FaxsimTest::dump() const {
  sqlite::Database db;
  if (!db.open(store_, sqlite::Database::Mode::kReadWrite, 1000))
    return "(no store)";
  std::string text;
  for (size_t t = 0; t < faxsim::kRequiredTableCount; ++t) {
    std::string sql = dumpQuery(faxsim::kRequiredTables[t]);
    sqlite::Statement statement;
    if (!statement.prepare(db, sql.c_str()))
      return std::string("(cannot read: ") + db.errorMessage() + ")";
    text += faxsim::kRequiredTables[t].name;
    text += '\n';
    while (statement.step() == SQLITE_ROW) {
      text += statement.columnText(0);
      text += '\n';
    }
  }
  return text;
}

int64_t FaxsimTest::queryInt(const std::string& sql) const {
  sqlite::Database db;
  int64_t value = -999;
  EXPECT_TRUE(db.open(store_, sqlite::Database::Mode::kReadWrite, 1000));
  EXPECT_TRUE(db.queryInt(sql.c_str(), &value)) << sql << ": " << db.errorMessage();
  return value;
}

std::string FaxsimTest::queryText(const std::string& sql) const {
  sqlite::Database db;
  EXPECT_TRUE(db.open(store_, sqlite::Database::Mode::kReadWrite, 1000));
  sqlite::Statement statement;
  EXPECT_TRUE(statement.prepare(db, sql.c_str())) << sql << ": " << db.errorMessage();
  if (statement.step() != SQLITE_ROW)
    return "(no row)";
  return statement.columnIsNull(0) ? "NULL" : std::string(statement.columnText(0));
}

void FaxsimTest::expectRejected(std::vector<std::string> args, int status,
                                const std::string& message) {
  std::string line;
  for (const std::string& arg : args)
    line += arg + " ";
  std::string before = dump();
  RunResult result = run(std::move(args));
  EXPECT_EQ(result.status, status) << line;
  EXPECT_TRUE(result.err.starts_with("faxsim: ")) << line << "\n" << result.err;
  EXPECT_NE(result.err.find(message), std::string::npos)
      << line << "\nexpected: " << message << "\ngot: " << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
  EXPECT_EQ(dump(), before) << line;
}

}  // namespace support
