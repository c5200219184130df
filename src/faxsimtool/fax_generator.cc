#include "faxsimtool/fax_generator.h"

#include <stdio.h>

#include "faxsimtool/rows.h"
#include "faxsimtool/store.h"

namespace faxsimtool {

const char* const kGeneratedFolders[] = {"main", "Archive", "Pending", "Review"};
const size_t kGeneratedFolderCount = sizeof(kGeneratedFolders) / sizeof(kGeneratedFolders[0]);

namespace {

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

}  // namespace

bool generateFaxes(sqlite::Database& db, const GeneratorSettings& settings, std::string* error) {
  RowInsert<FaxRow> insert;
  if (!insert.prepare(db)) {
    *error = storeError(db);
    return false;
  }
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

}  // namespace faxsimtool
