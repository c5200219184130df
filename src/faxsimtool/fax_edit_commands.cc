// The commands that change faxes already in a store, to set up a scenario:
// removing a fax, and setting or clearing its marks directly. Both check
// everything first and write in one transaction, so a refusal changes
// nothing.
//
// set-marks selects faxes with inkstamp's own pattern matcher, so that a
// pattern picks here the faxes it would pick in a run (in every folder and of
// both directions). Unlike the program's marking options, each of its options
// touches exactly one mark column: --no-printed leaves body printed alone.
#include <sqlite3.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "faxsim/store_rows.h"
#include "faxsimtool/command_table.h"
#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"
#include "faxsimtool/store_lookup.h"
#include "inkstamp/wildcard.h"
#include "sqlite/transaction.h"

namespace faxsimtool {

using faxsim::kFaxMarkCount;

namespace {

// Each mark's column and the options that set and clear it, in FaxMark order.
struct MarkColumn {
  const char* column;
  const char* setOption;
  const char* clearOption;
};
const MarkColumn kMarkColumns[kFaxMarkCount] = {
    {"viewed", "--viewed", "--no-viewed"},
    {"printed", "--printed", "--no-printed"},
    {"body_printed", "--body-printed", "--no-body-printed"},
    {"approved", "--approved", "--no-approved"},
    {"held", "--held", "--no-held"},
    {"user1", "--user1", "--no-user1"},
    {"user2", "--user2", "--no-user2"},
};

// One fax of a user, as these commands find it.
struct FoundFax {
  int64_t handle;
  std::string faxId;
};

// The user (positional arguments 0 and 1) as stored, and those of the
// user's faxes whose ID `keep` accepts, in handle order.
struct UserFaxes {
  std::string host, owner;
  std::vector<FoundFax> faxes;
};

// Opens the store, begins `transaction` as a write transaction and finds the
// user's faxes. kExitOk, or the problem reported and its exit status.
template <typename Keep>
int beginOnUserFaxes(const Context& ctx, sqlite::Database* db, sqlite::Transaction* transaction,
                     Keep keep, UserFaxes* found) {
  if (int status = ctx.beginWrite(db, transaction); status != kExitOk)
    return status;
  if (int status = requireUser(ctx, *db, ctx.arg(0), ctx.arg(1), &found->host, &found->owner);
      status != kExitOk)
    return status;
  sqlite::Statement select;
  if (!select.prepare(*db,
                      "SELECT handle, fax_id FROM faxes WHERE host = ?1 COLLATE NOCASE"
                      " AND owner = ?2 COLLATE NOCASE ORDER BY handle"))
    return ctx.fail(storeError(*db));
  select.bindText(1, found->host);
  select.bindText(2, found->owner);
  int rc;
  while ((rc = select.step()) == SQLITE_ROW) {
    std::string faxId(select.columnText(1));
    if (keep(faxId))
      found->faxes.push_back({select.columnInt(0), faxId});
  }
  return rc == SQLITE_DONE ? kExitOk : ctx.fail(storeError(*db));
}

std::string handleList(const std::vector<FoundFax>& faxes) {
  std::string list;
  for (const FoundFax& fax : faxes)
    list += (list.empty() ? "" : ", ") + formatHandle(fax.handle);
  return list;
}

// The "SET a = ?, b = ?" part of set-marks' UPDATE and the value of each
// parameter, from the options; false when none or a contradictory pair is
// given (reported).
bool readMarkChanges(const Context& ctx, std::string* assignments, std::vector<int>* values) {
  std::string options;
  for (const MarkColumn& mark : kMarkColumns) {
    bool set = ctx.args.has(mark.setOption), clear = ctx.args.has(mark.clearOption);
    options += std::string(options.empty() ? "" : ", ") + mark.setOption + ", " + mark.clearOption;
    if (set && clear) {
      ctx.usage(std::string(mark.setOption) + " and " + mark.clearOption + " exclude each other");
      return false;
    }
    if (!set && !clear)
      continue;
    *assignments += std::string(assignments->empty() ? "" : ", ") + mark.column + " = ?" +
                    std::to_string(values->size() + 2);
    values->push_back(set ? 1 : 0);
  }
  if (values->empty()) {
    ctx.usage("set-marks needs at least one of " + options);
    return false;
  }
  return true;
}

}  // namespace

int runRemoveFax(const Context& ctx) {
  std::string_view faxId = ctx.arg(2);
  sqlite::Database db;
  sqlite::Transaction transaction(db);
  UserFaxes found;
  auto sameId = [&](const std::string& id) { return id == faxId; };
  if (int status = beginOnUserFaxes(ctx, &db, &transaction, sameId, &found); status != kExitOk)
    return status;
  const std::string &host = found.host, &owner = found.owner;
  const std::vector<FoundFax>& faxes = found.faxes;
  if (faxes.empty())
    return ctx.fail(owner + " has no fax " + quoted(faxId) + " on server " + host + ctx.inStore() +
                    " (compared exactly, case included)");
  if (faxes.size() > 1 && !ctx.args.has("--all"))
    return ctx.fail(owner + " has " + std::to_string(faxes.size()) + " faxes " + quoted(faxId) +
                    " on server " + host + " (handles " + handleList(faxes) +
                    "); --all removes every one");
  sqlite::Statement remove;
  if (!remove.prepare(db, "DELETE FROM faxes WHERE handle = ?1"))
    return ctx.fail(storeError(db));
  for (const FoundFax& fax : faxes) {
    remove.bindInt(1, fax.handle);
    if (!remove.run())
      return ctx.fail(storeError(db));
  }
  if (!transaction.commit())
    return ctx.fail(storeError(db));
  for (const FoundFax& fax : faxes)
    fprintf(ctx.out, "Removed fax %s (%s) of %s on server %s\n", formatHandle(fax.handle).c_str(),
            fax.faxId.c_str(), owner.c_str(), host.c_str());
  return kExitOk;
}

int runSetMarks(const Context& ctx) {
  std::string pattern(ctx.arg(2)), assignments;
  std::vector<int> values;
  if (!readMarkChanges(ctx, &assignments, &values))
    return kExitUsage;

  sqlite::Database db;
  sqlite::Transaction transaction(db);
  UserFaxes found;
  auto matches = [&](const std::string& id) { return matchWildcard(id.c_str(), pattern.c_str()); };
  if (int status = beginOnUserFaxes(ctx, &db, &transaction, matches, &found); status != kExitOk)
    return status;
  const std::string &host = found.host, &owner = found.owner;
  const std::vector<FoundFax>& faxes = found.faxes;
  if (faxes.empty())
    return ctx.fail("no fax of " + owner + " on server " + host + " matches " + quoted(pattern) +
                    ctx.inStore());
  sqlite::Statement update;
  std::string sql = "UPDATE faxes SET " + assignments + " WHERE handle = ?1";
  if (!update.prepare(db, sql.c_str()))
    return ctx.fail(storeError(db));
  for (const FoundFax& fax : faxes) {
    update.bindInt(1, fax.handle);
    for (size_t i = 0; i < values.size(); ++i)  // run() clears the bindings
      update.bindInt(static_cast<int>(i) + 2, values[i]);
    if (!update.run())
      return ctx.fail(storeError(db));
  }
  if (!transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Set the marks of %zu %s of %s on server %s\n", faxes.size(),
          faxes.size() == 1 ? "fax" : "faxes", owner.c_str(), host.c_str());
  return kExitOk;
}

}  // namespace faxsimtool
