#include "faxsimtool/test_store.h"

#include <sqlite3.h>
#include <stdio.h>

#include "faxsim/store_schema.h"
#include "faxsimtool/faxsim_tool.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {

namespace {

std::string readAll(FILE* file) {
  std::string text;
  rewind(file);
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, n);
  fclose(file);
  return text;
}

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
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = std::filesystem::path(::testing::TempDir()) /
         (std::string("faxsimtool_") + info->test_suite_name() + "_" + info->name());
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  store_ = (dir_ / "store.db").string();
}

void FaxsimTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

RunResult FaxsimTest::run(std::vector<std::string> args) {
  args.insert(args.begin(), {"--store", store_});
  return runPlain(std::move(args));
}

RunResult FaxsimTest::runPlain(std::vector<std::string> args) {
  std::vector<char*> argv;
  std::string program = "faxsim";
  argv.push_back(program.data());
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  FILE* out = tmpfile();
  FILE* err = tmpfile();
  EXPECT_NE(out, nullptr);
  EXPECT_NE(err, nullptr);
  auto noEnv = [](const char*) -> const char* { return nullptr; };
  int status = runFaxsim(static_cast<int>(argv.size() - 1), argv.data(), out, err, noEnv);
  return {status, readAll(out), readAll(err)};
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

}  // namespace faxsimtool
