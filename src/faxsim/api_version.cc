#include "faxsim/api_version.h"

#include <sqlite3.h>

#include "faxclient/client_values.h"
#include "faxsim/store.h"
#include "sqlite/sqlite_db.h"

namespace faxsim {

int32_t readApiVersion() {
  sqlite::Database db;
  sqlite::Statement setting;
  if (!openStoreForLookup(&db) ||
      !setting.prepare(db, "SELECT value FROM settings WHERE key = 'api_version'") ||
      setting.step() != SQLITE_ROW || setting.columnIsNull(0))
    return faxclient::kBuiltInApiVersion;
  return static_cast<int32_t>(setting.columnInt(0));
}

}  // namespace faxsim
