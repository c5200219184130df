// The demo store's rows, spelled out one server, user and fax per line.
#include "faxsimtool/demo_seed.h"

#include <stdint.h>

#include <iterator>

#include "faxsim/store_rows.h"
#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"

namespace faxsimtool {

using faxsim::FaxRow;
using faxsim::kFaxMarkCount;
using faxsim::RowInsert;
using faxsim::ServerRow;
using faxsim::UserRow;

namespace {

// faxsrv keeps US Eastern time, oldfax Central European time; both are in
// standard time (state 2), as in November.
const ServerRow kServers[] = {
    {"faxsrv", "RightFax 9.4 demo server", 0x940, 2, 300, 0, -60},
    {"oldfax", "RightFax 5.1 legacy server", 0x510, 2, -60, 0, -60},
};

const UserRow kUsers[] = {
    {"faxsrv", "ALICE", "ACCOUNTS", "Alice Archer"},
    {"faxsrv", "BOB", "", "Bob Baker"},
    {"faxsrv", "CAROL", "SALES", "Carol Clark"},  // has no faxes
    {"oldfax", "DAVE", "LEGACY", "Dave Dunn"},
};

struct When {
  int month, day, hour, minute;  // in 2008, UTC
};

struct DemoFax {
  int64_t handle;
  const char* host;
  const char* owner;
  const char* faxId;
  const char* folder;
  bool received;
  When when;
  int pages;
  int errorCode;
  // viewed, printed, body printed, approved, held, user1, user2
  const char* marks;
};

// Marks are spelled out one letter each: v p b a h 1 2, '.' for unset.
// clang-format off
const DemoFax kFaxes[] = {
    {31, "faxsrv", "ALICE", "APP0438B2C87FE62B9", "main", true, {11, 3, 9, 15}, 3, 0, "vpb...."},
    {32, "faxsrv", "ALICE", "APP0438B2C87FE62C4", "main", true, {11, 5, 14, 2}, 1, 0, "......."},
    {33, "faxsrv", "ALICE", "B000409E2", "main", true, {11, 6, 8, 47}, 12, 0, "v......"},
    {34, "faxsrv", "ALICE", "B000409E3", "main", false, {11, 6, 8, 47}, 2, 0, ".p....."},
    {35, "faxsrv", "ALICE", "APP04391A0C2DD0E17", "Archive", true, {11, 10, 11, 20}, 5, 0, "vp.a..."},
    {36, "faxsrv", "ALICE", "APP04391A0C2DD0F02", "main", false, {11, 12, 10, 5}, 1, 37, "......."},
    {37, "faxsrv", "ALICE", "B00040A1F", "main", true, {11, 14, 13, 45}, 0, 120, "......."},
    {38, "faxsrv", "ALICE", "BDF0412A7C3E9A001", "main", true, {11, 18, 9, 0}, 7, 0, "....h.."},
    {39, "faxsrv", "ALICE", "APP043A7E51B9C4A88", "Pending", true, {11, 20, 17, 55}, 2, 0, ".....1."},
    {40, "faxsrv", "ALICE", "B00040A7C", "Main", true, {11, 24, 8, 12}, 4, 0, "......."},
    {41, "faxsrv", "ALICE", "APP043B0C9D2E7F153", "main", true, {11, 27, 12, 30}, 9, 0, "v.....2"},
    {42, "faxsrv", "ALICE", "B00040B3D", "Archive", false, {12, 1, 15, 40}, 1, 0, "v..a..."},
    {43, "faxsrv", "ALICE", "APP043B8F1A6C5D2E0", "main", true, {12, 3, 10, 10}, 25, 0, "......."},
    {44, "faxsrv", "ALICE", "APP043B8F1A6C5D2E1", "main", false, {12, 5, 18, 25}, 3, 501, ".p....."},
    {51, "faxsrv", "BOB", "APP0440C1D2E3F4A5B", "main", true, {11, 4, 10, 0}, 2, 0, "v......"},
    {52, "faxsrv", "BOB", "B00041001", "main", true, {11, 11, 11, 11}, 1, 0, "......."},
    {53, "faxsrv", "BOB", "B00041002", "main", false, {11, 19, 15, 15}, 6, 0, ".pb...."},
    {54, "faxsrv", "BOB", "APP0441D2E3F4A5B6C", "Archive", true, {11, 25, 9, 30}, 3, 0, "...a..."},
    {55, "faxsrv", "BOB", "app0442e3f4a5b6c7d", "main", true, {11, 28, 16, 45}, 1, 0, "......."},
    {56, "faxsrv", "BOB", "B00041003", "main", true, {12, 2, 8, 5}, 8, 14, "....h.."},
    {2147483649, "faxsrv", "BOB", "B80000001", "main", true, {12, 4, 13, 0}, 2, 0, ".....12"},
    {61, "oldfax", "DAVE", "APP0450AABBCCDDEEF", "main", true, {11, 7, 9, 40}, 1, 0, "......."},
    {62, "oldfax", "DAVE", "B00042001", "main", false, {11, 21, 14, 20}, 2, 0, "v......"},
};
// clang-format on

int64_t secondsOf(When when) {
  return daysFromCivil(2008, when.month, when.day) * 86400 + when.hour * 3600 + when.minute * 60;
}

FaxRow rowOf(const DemoFax& fax) {
  FaxRow row = {.handle = fax.handle,
                .host = fax.host,
                .owner = fax.owner,
                .faxId = fax.faxId,
                .folder = fax.folder,
                .received = fax.received,
                .date = secondsOf(fax.when),
                .pages = fax.pages,
                .errorCode = fax.errorCode};
  for (int mark = 0; mark < kFaxMarkCount; ++mark)
    row.marks[mark] = fax.marks[mark] != '.';
  return row;
}

// Inserts `rows`, each made into a row of the table by `toRow`.
template <typename Row, typename Source, typename Convert>
bool insertAll(sqlite::Database& db, const Source& rows, Convert toRow) {
  RowInsert<Row> insert;
  if (!insert.prepare(db))
    return false;
  for (const auto& row : rows) {
    if (!insert.add(toRow(row)))
      return false;
  }
  return true;
}

const auto kAsIs = [](const auto& row) -> const auto& {
  return row;
};

}  // namespace

DemoCounts demoCounts() {
  return {std::size(kServers), std::size(kUsers), std::size(kFaxes)};
}

bool seedDemo(sqlite::Database& db, std::string* error) {
  if (insertAll<ServerRow>(db, kServers, kAsIs) && insertAll<UserRow>(db, kUsers, kAsIs) &&
      insertAll<FaxRow>(db, kFaxes, rowOf))
    return true;
  *error = storeError(db);
  return false;
}

}  // namespace faxsimtool
