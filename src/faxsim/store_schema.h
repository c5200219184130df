// The simulated server's store: the SQL that `faxsim` creates a store with,
// and the tables and columns any store must have for the library to serve it.
// A store made by another program with exactly the required columns (and no
// index, constraint or default of ours) is served in full.
#ifndef INKSTAMP_FAXSIM_STORE_SCHEMA_H_
#define INKSTAMP_FAXSIM_STORE_SCHEMA_H_

#include <stddef.h>

namespace faxsim {

// PRAGMA user_version of a store.
constexpr int kStoreVersion = 1;

// Creates every table and index and sets user_version; run in a transaction
// on an empty database.
extern const char kCreateStoreSql[];

struct RequiredTable {
  const char* name;
  const char* const* columns;  // ended by nullptr
};

// The tables and columns that make a file a store.
extern const RequiredTable kRequiredTables[];
extern const size_t kRequiredTableCount;

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_SCHEMA_H_
