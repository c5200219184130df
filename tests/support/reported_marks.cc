// Stores of many or odd faxes, run reports and store read-backs.
#include "support/reported_marks.h"

#include <stdio.h>
#include <stdlib.h>

#include <sstream>

#include "faxsim/store_rows.h"
#include "faxsim/store_schema.h"
#include "sqlite/sqlite_db.h"
#include "sqlite/transaction.h"
#include "support/world.h"

namespace support {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line))
    lines.push_back(line);
  return lines;
}

// "N/M faxId": a progress line of the marking pass; sets `faxId`.
bool isProgressLine(const std::string& line, std::string* faxId) {
  size_t i = 0;
  auto digits = [&]() {
    size_t start = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9')
      ++i;
    return i > start;
  };
  if (!digits() || i >= line.size() || line[i++] != '/' || !digits() || i >= line.size() ||
      line[i++] != ' ')
    return false;
  *faxId = line.substr(i);
  return true;
}

// The number after "Name(server, " in a trace line, the fax handle of the
// load and mark calls.
int64_t secondArgument(const std::string& line) {
  size_t comma = line.find(", ");
  return comma == std::string::npos ? -1 : strtoll(line.c_str() + comma + 2, nullptr, 10);
}

bool succeeded(const std::string& line) {
  return line.size() >= 4 && line.compare(line.size() - 4, 4, " = 0") == 0;
}

// Adds faxes of ALICE on the world's server in one transaction.
bool insertFaxes(const support::SimStore& store, const std::vector<FaxSpec>& faxes) {
  sqlite::Database db;
  if (!db.open(store.path(), sqlite::Database::Mode::kReadWrite, faxsim::kBusyTimeoutMs))
    return false;
  sqlite::Transaction transaction(db);
  faxsim::RowInsert<faxsim::FaxRow> insert;
  if (!transaction.beginWrite() || !insert.prepare(db))
    return false;
  for (const FaxSpec& fax : faxes) {
    if (!insert.add({.handle = fax.handle,
                     .host = kWorldServer.host,
                     .owner = kAlice.userId,
                     .faxId = fax.faxId,
                     .folder = "main",
                     .received = fax.received}))
      return false;
  }
  return transaction.commit();
}

}  // namespace

bool makeStore(SimStore& store, const std::vector<FaxSpec>& faxes) {
  return store.ok() && store.createFrom(worldRecipe(kDefaultApiVersion, false)) &&
         insertFaxes(store, faxes);
}

Summary summaryOf(const std::string& out) {
  Summary summary;
  size_t at = out.rfind("\nfaxes:");
  if (at == std::string::npos)
    return summary;
  summary.found = sscanf(out.c_str() + at + 1, "faxes:%d marked:%d failed:%d skipped:%d total:%d",
                         &summary.faxes, &summary.marked, &summary.failed, &summary.skipped,
                         &summary.total) == 5;
  return summary;
}

std::multiset<std::string> faxIdsReportedMarked(const std::string& out) {
  std::multiset<std::string> marked;
  size_t pass = out.find("Retrieving fax list...\n");
  if (pass == std::string::npos)
    return marked;
  std::string current;
  bool inBlock = false;
  bool failed = false;
  for (const std::string& line : linesOf(out.substr(pass))) {
    std::string faxId;
    if (line.rfind("faxes:", 0) == 0) {
      break;
    } else if (isProgressLine(line, &faxId)) {
      current = faxId;
      inBlock = true;
      failed = false;
    } else if (line.rfind("Can't", 0) == 0) {
      failed = true;
    } else if (line == "  -> marked" && inBlock) {
      if (!failed)
        marked.insert(current);
      inBlock = false;
    }
  }
  return marked;
}

std::set<int64_t> handlesMarkedInTrace(const std::string& trace) {
  std::set<int64_t> marked;
  int64_t current = -1;
  bool ok = false;
  for (const std::string& line : linesOf(trace)) {
    if (line.rfind("RFaxLoadFax3(", 0) == 0) {
      if (ok)
        marked.insert(current);
      current = secondArgument(line);
      ok = succeeded(line);
    } else if (line.rfind("InkStampFax(", 0) == 0) {
      ok = ok && secondArgument(line) == current && succeeded(line);
    }
  }
  if (ok)
    marked.insert(current);
  return marked;
}

std::set<int64_t> handlesWithMark(const support::SimStore& store, const std::string& column) {
  std::set<int64_t> handles;
  for (const std::string& line :
       linesOf(store.queryLines("SELECT handle FROM faxes WHERE " + column + " = 1")))
    handles.insert(strtoll(line.c_str(), nullptr, 10));
  return handles;
}

std::set<std::string> faxIdsWithMark(const support::SimStore& store, const std::string& column) {
  std::vector<std::string> lines =
      linesOf(store.queryLines("SELECT fax_id FROM faxes WHERE " + column + " = 1"));
  return std::set<std::string>(lines.begin(), lines.end());
}

}  // namespace support
