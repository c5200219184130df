// Bulk faxes for load and scale tests. The faxes vary in every column the
// program looks at (ID form, direction, folder, date, pages, error, marks),
// and are fully determined by the seed: the same seed gives the same rows on
// every platform, since the generator uses its own random numbers rather than
// the standard library's distributions, which differ between implementations.
#ifndef INKSTAMP_FAXSIMTOOL_FAX_GENERATOR_H_
#define INKSTAMP_FAXSIMTOOL_FAX_GENERATOR_H_

#include <stdint.h>

#include <string>

#include "sqlite/sqlite_db.h"

namespace faxsimtool {

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
extern const char* const kGeneratedFolders[];
extern const size_t kGeneratedFolderCount;

// Inserts the faxes inside the caller's transaction with one prepared
// statement, reused for every row.
bool generateFaxes(sqlite::Database& db, const GeneratorSettings& settings, std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_FAX_GENERATOR_H_
