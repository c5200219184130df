// The commands that add rows: servers, users, single faxes and faxes in bulk.
// Each checks every value before it writes, and writes in one transaction
// that also holds the checks against the store.
//
// Bulk faxes are for load and scale tests. They vary in every column the
// program looks at (ID form, direction, folder, date, pages, error, marks),
// and are fully determined by the seed: the same seed gives the same rows on
// every platform, since the generator uses its own random numbers rather than
// the standard library's distributions, which differ between implementations.
#include <sqlite3.h>
#include <stdio.h>

#include <string_view>
#include <unordered_set>

#include "faxsim/store_rows.h"
#include "faxsimtool/command_table.h"
#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"
#include "faxsimtool/store_lookup.h"
#include "sqlite/transaction.h"

namespace faxsimtool {

using faxsim::FaxRow;
using faxsim::kApproved;
using faxsim::kBodyPrinted;
using faxsim::kFaxMarkCount;
using faxsim::kHeld;
using faxsim::kPrinted;
using faxsim::kUser1;
using faxsim::kUser2;
using faxsim::kViewed;
using faxsim::RowInsert;
using faxsim::ServerRow;
using faxsim::UserRow;

namespace {

// The widths the simulator's records give these texts.
constexpr size_t kMaxUserIdBytes = 21;
constexpr size_t kMaxQualifierBytes = 25;
constexpr size_t kMaxFaxIdBytes = 83;

constexpr int64_t kMaxHandle = 4294967295;

// The option that sets each mark, in FaxMark order.
const char* const kFaxMarkOptions[kFaxMarkCount] = {
    "--viewed", "--printed", "--body-printed", "--approved", "--held", "--user1", "--user2"};

struct GeneratorSettings {
  std::string host;   // as stored in `servers`
  std::string owner;  // as stored in `users`
  int64_t count = 0;
  uint64_t seed = 1;
  int64_t firstHandle = 1;  // handles run from here, one per fax
  int64_t start = 0;        // dates lie in [start, start + spanSeconds)
  int64_t spanSeconds = 86400;
};

// The folders generated faxes are spread over; "main" takes most of them.
const char* const kGeneratedFolders[] = {"main", "Archive", "Pending", "Review"};

// SplitMix64: tiny, fast, and the same everywhere.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

 private:
  uint64_t state_;
};

// Takes `range` values off the low end of `*bits` (a mixed-radix draw, so
// one 64-bit number feeds several fields).
uint64_t draw(uint64_t* bits, uint64_t range) {
  uint64_t value = *bits % range;
  *bits /= range;
  return value;
}

// About half are unique IDs like APP0438B2C87FE62B9, a few unique IDs with a
// "B" prefix, the rest file-name IDs like B000409E2 made from the handle, so
// that those never repeat.
void makeFaxId(uint64_t kind, uint64_t random, int64_t handle, char* text, size_t size) {
  unsigned long long hex15 = random & 0xFFFFFFFFFFFFFFFULL;
  if (kind < 45)
    snprintf(text, size, "APP%015llX", hex15);
  else if (kind < 55)
    snprintf(text, size, "B%015llX", hex15);
  else
    snprintf(text, size, "B%08llX", static_cast<unsigned long long>(handle));
}

const int kErrorCodes[] = {3, 14, 37, 120, 501, 4012};

// A fax ID folded as the store's NOCASE collation folds it (ASCII only), so
// that IDs the program would take for one are one, and hashed (64-bit
// FNV-1a, the same on every platform) to keep a million of them small. Two
// IDs with one hash only cost a needless second draw.
uint64_t foldedIdHash(std::string_view faxId) {
  uint64_t hash = 0xCBF29CE484222325ULL;
  for (char c : faxId) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
  }
  return hash;
}

// The IDs of the faxes the user already has.
bool loadTakenIds(sqlite::Database& db, const GeneratorSettings& settings,
                  std::unordered_set<uint64_t>* taken) {
  sqlite::Statement select;
  if (!select.prepare(db,
                      "SELECT fax_id FROM faxes WHERE host = ?1 COLLATE NOCASE"
                      " AND owner = ?2 COLLATE NOCASE"))
    return false;
  select.bindText(1, settings.host);
  select.bindText(2, settings.owner);
  int rc;
  while ((rc = select.step()) == SQLITE_ROW)
    taken->insert(foldedIdHash(select.columnText(0)));
  return rc == SQLITE_DONE;
}

// Inserts the faxes inside the caller's transaction with one prepared
// statement, reused for every row.
bool generateFaxes(sqlite::Database& db, const GeneratorSettings& settings, std::string* error) {
  RowInsert<FaxRow> insert;
  if (!insert.prepare(db)) {
    *error = storeError(db);
    return false;
  }
  // A second run with the seed of an earlier one draws the same unique IDs,
  // which the user's faxes already hold. Such an ID is drawn again, from a
  // stream of its own, so that the rows that did not collide stay as the
  // seed makes them.
  std::unordered_set<uint64_t> taken;
  taken.reserve(static_cast<size_t>(settings.count));
  if (!loadTakenIds(db, settings, &taken)) {
    *error = storeError(db);
    return false;
  }
  Random redraw(~settings.seed);
  Random random(settings.seed);
  char faxId[32];
  FaxRow row;
  row.host = settings.host;
  row.owner = settings.owner;
  for (int64_t i = 0; i < settings.count; ++i) {
    row.handle = settings.firstHandle + i;
    uint64_t fields = random.next();
    uint64_t idBits = random.next();
    uint64_t date = random.next() % static_cast<uint64_t>(settings.spanSeconds);
    makeFaxId(draw(&fields, 100), idBits, row.handle, faxId, sizeof faxId);
    while (!taken.insert(foldedIdHash(faxId)).second)
      makeFaxId(0, redraw.next(), row.handle, faxId, sizeof faxId);
    row.faxId = faxId;
    uint64_t folder = draw(&fields, 100);
    row.folder = kGeneratedFolders[folder < 70 ? 0 : folder < 85 ? 1 : folder < 95 ? 2 : 3];
    row.received = draw(&fields, 100) < 70;
    row.date = settings.start + static_cast<int64_t>(date);
    // Mostly short faxes, now and then a long one.
    row.pages = draw(&fields, 10) < 8 ? 1 + draw(&fields, 5) : 1 + draw(&fields, 120);
    row.errorCode = draw(&fields, 100) < 5 ? kErrorCodes[draw(&fields, 6)] : 0;
    bool printed = draw(&fields, 100) < 35;
    // The marks draw in this order, whatever the columns' order.
    row.marks[kViewed] = draw(&fields, 2) != 0;
    row.marks[kPrinted] = printed;
    row.marks[kBodyPrinted] = printed && draw(&fields, 2) == 0;
    row.marks[kApproved] = draw(&fields, 5) == 0;
    row.marks[kHeld] = draw(&fields, 10) == 0;
    row.marks[kUser1] = draw(&fields, 10) == 0;
    row.marks[kUser2] = draw(&fields, 20) == 0;
    if (!insert.add(row)) {
      *error = storeError(db);
      return false;
    }
  }
  return true;
}

// A second fax with an ID the user's faxes already have (in any letter case,
// as the program's patterns compare) is most often a slip, and the program
// would then mark both; it takes --allow-duplicate.
int refuseDuplicate(const Context& ctx, sqlite::Database& db, const std::string& host,
                    const std::string& owner, std::string_view faxId) {
  sqlite::Statement find;
  if (!find.prepare(db,
                    "SELECT handle, fax_id FROM faxes WHERE host = ?1 COLLATE NOCASE"
                    " AND owner = ?2 COLLATE NOCASE AND fax_id = ?3 COLLATE NOCASE"
                    " ORDER BY handle LIMIT 1"))
    return ctx.fail(storeError(db));
  find.bindText(1, host);
  find.bindText(2, owner);
  find.bindText(3, faxId);
  int rc = find.step();
  if (rc == SQLITE_DONE)
    return kExitOk;
  if (rc != SQLITE_ROW)
    return ctx.fail(storeError(db));
  return ctx.fail(owner + " already has fax " + quoted(find.columnText(1)) + " (handle " +
                  formatHandle(find.columnInt(0)) + ") on server " + host + ctx.inStore() +
                  "; --allow-duplicate adds another");
}

}  // namespace

int runAddServer(const Context& ctx) {
  std::string_view host = ctx.arg(0);
  int64_t release = 0x620, tzState = 0, bias = 0, standardBias = 0, daylightBias = 0;
  std::string description;
  if (!ctx.checkLength(host, "the host name", SIZE_MAX, false) ||
      !ctx.intOption("--release", 0, 0xFFFF, &release) ||
      !ctx.intOption("--tz-state", INT16_MIN, INT16_MAX, &tzState) ||
      !ctx.intOption("--bias", INT32_MIN, INT32_MAX, &bias) ||
      !ctx.intOption("--standard-bias", INT32_MIN, INT32_MAX, &standardBias) ||
      !ctx.intOption("--daylight-bias", INT32_MIN, INT32_MAX, &daylightBias) ||
      !ctx.textOption("--description", &description))
    return kExitUsage;

  sqlite::Database db;
  sqlite::Transaction transaction(db);
  if (int status = ctx.beginWrite(&db, &transaction); status != kExitOk)
    return status;
  std::string existing;
  int found = findServer(db, host, &existing);
  if (found < 0)
    return ctx.fail(storeError(db));
  if (found > 0)
    return ctx.fail("server " + quoted(host) + " already exists (as " + existing + ")" +
                    ctx.inStore());
  RowInsert<ServerRow> insert;
  if (!insert.prepare(db) ||
      !insert.add({host, description, release, tzState, bias, standardBias, daylightBias}) ||
      !transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Added server %.*s\n", static_cast<int>(host.size()), host.data());
  return kExitOk;
}

int runAddUser(const Context& ctx) {
  std::string_view userId = ctx.arg(1);
  std::string qualifier, name;
  ctx.textOption("--qualifier", &qualifier);
  ctx.textOption("--name", &name);
  if (!ctx.checkLength(userId, "the user ID", kMaxUserIdBytes, false) ||
      !ctx.checkLength(qualifier, "the qualifier", kMaxQualifierBytes, true))
    return kExitUsage;

  sqlite::Database db;
  sqlite::Transaction transaction(db);
  if (int status = ctx.beginWrite(&db, &transaction); status != kExitOk)
    return status;
  std::string host, existing;
  int status = requireServer(ctx, db, ctx.arg(0), &host);
  if (status != kExitOk)
    return status;
  int found = findUser(db, host, userId, &existing);
  if (found < 0)
    return ctx.fail(storeError(db));
  if (found > 0)
    return ctx.fail("user " + quoted(userId) + " already exists on server " + host + " (as " +
                    existing + ")" + ctx.inStore());
  RowInsert<UserRow> insert;
  if (!insert.prepare(db) || !insert.add({host, userId, qualifier, name}) || !transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Added user %.*s on server %s\n", static_cast<int>(userId.size()), userId.data(),
          host.c_str());
  return kExitOk;
}

int runAddFax(const Context& ctx) {
  std::string_view faxId = ctx.arg(2);
  int64_t handle = 0, date = 0, pages = 1, errorCode = 0;
  std::string folder = "main";
  ctx.textOption("--folder", &folder);
  if (!ctx.checkLength(faxId, "the fax ID", kMaxFaxIdBytes, false) ||
      !ctx.checkLength(folder, "the folder", SIZE_MAX, false) ||
      !ctx.intOption("--handle", 1, kMaxHandle, &handle) || !ctx.dateOption("--date", &date) ||
      !ctx.intOption("--pages", INT16_MIN, INT16_MAX, &pages) ||
      !ctx.intOption("--error-code", 0, UINT16_MAX, &errorCode))
    return kExitUsage;
  if (ctx.args.has("--sent") && ctx.args.has("--received"))
    return ctx.usage("--sent and --received exclude each other");

  sqlite::Database db;
  sqlite::Transaction transaction(db);
  if (int status = ctx.beginWrite(&db, &transaction); status != kExitOk)
    return status;
  std::string host, owner;
  int status = requireUser(ctx, db, ctx.arg(0), ctx.arg(1), &host, &owner);
  if (status != kExitOk)
    return status;
  if (!ctx.args.has("--allow-duplicate")) {
    status = refuseDuplicate(ctx, db, host, owner, faxId);
    if (status != kExitOk)
      return status;
  }
  if (handle != 0) {
    int64_t taken = 0;
    sqlite::Statement find;
    if (!find.prepare(db, "SELECT count(*) FROM faxes WHERE handle = ?1") ||
        !find.bindInt(1, handle) || find.step() != SQLITE_ROW)
      return ctx.fail(storeError(db));
    taken = find.columnInt(0);
    if (taken != 0)
      return ctx.fail("fax handle " + formatHandle(handle) + " is already taken");
  } else {
    int64_t highest = maxFaxHandle(db);
    if (highest < 0)
      return ctx.fail(storeError(db));
    if (highest >= kMaxHandle)
      return ctx.fail("no handle is free above " + formatHandle(highest) +
                      "; give one with --handle");
    handle = highest + 1;
  }

  FaxRow row = {.handle = handle,
                .host = host,
                .owner = owner,
                .faxId = faxId,
                .folder = folder,
                .received = !ctx.args.has("--sent"),
                .date = date,
                .pages = pages,
                .errorCode = errorCode};
  for (int mark = 0; mark < kFaxMarkCount; ++mark)
    row.marks[mark] = ctx.args.has(kFaxMarkOptions[mark]);
  RowInsert<FaxRow> insert;
  if (!insert.prepare(db) || !insert.add(row) || !transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Added fax %s for %s on server %s\n", formatHandle(handle).c_str(),
          owner.c_str(), host.c_str());
  return kExitOk;
}

int runGenerate(const Context& ctx) {
  GeneratorSettings settings;
  int64_t count = 0, seed = 1, days = 365;
  settings.start = daysFromCivil(2008, 1, 1) * 86400;
  if (!ctx.intArg(2, "COUNT", 1, kMaxHandle, &count) ||
      !ctx.intOption("--seed", 0, INT64_MAX, &seed) ||
      !ctx.dateOption("--start", &settings.start) || !ctx.intOption("--days", 1, 36500, &days))
    return kExitUsage;
  settings.count = count;
  settings.seed = static_cast<uint64_t>(seed);
  settings.spanSeconds = days * 86400;
  if (settings.start + settings.spanSeconds - 1 > INT32_MAX)
    return ctx.usage("--start and --days: the dates would run past 2038-01-19 03:14:07");

  sqlite::Database db;
  if (!ctx.openStore(&db))
    return kExitFailure;
  // A page cache big enough for the new rows' index pages keeps SQLite from
  // spilling half-filled pages to the WAL again and again during the insert.
  if (!db.exec("PRAGMA cache_size = -262144"))
    return ctx.fail(storeError(db));
  sqlite::Transaction transaction(db);
  if (!transaction.beginWrite())
    return ctx.fail(storeError(db));
  int status = requireUser(ctx, db, ctx.arg(0), ctx.arg(1), &settings.host, &settings.owner);
  if (status != kExitOk)
    return status;
  int64_t highest = maxFaxHandle(db);
  if (highest < 0)
    return ctx.fail(storeError(db));
  if (count > kMaxHandle - highest)
    return ctx.fail("only " + std::to_string(kMaxHandle - highest) +
                    " handles are free above the highest, " + formatHandle(highest));
  settings.firstHandle = highest + 1;
  std::string error;
  if (!generateFaxes(db, settings, &error))
    return ctx.fail(error);
  if (!transaction.commit())
    return ctx.fail(storeError(db));
  fprintf(ctx.out, "Generated %lld %s for %s on server %s (handles %s to %s)\n",
          static_cast<long long>(count), count == 1 ? "fax" : "faxes", settings.owner.c_str(),
          settings.host.c_str(), formatHandle(settings.firstHandle).c_str(),
          formatHandle(settings.firstHandle + count - 1).c_str());
  return kExitOk;
}

}  // namespace faxsimtool
