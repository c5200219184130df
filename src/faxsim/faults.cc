#include "faxsim/faults.h"

#include <sqlite3.h>

namespace faxsim {

namespace {

struct FaultMatch {
  bool found = false;
  int64_t rowid = 0;
  int32_t error = 0;
  bool counted = false;  // remaining is not NULL: fires a limited number of times
};

bool findFault(Store& store, const FaultCall& call, FaultMatch* match) {
  sqlite::Statement& find = store.sql().findFault;
  sqlite::ResetGuard reset(find);
  bool bound = find.bindText(1, call.host) && find.bindText(2, call.operation) &&
               (call.target ? find.bindText(3, *call.target) : find.bindNull(3)) &&
               (call.markCode ? find.bindInt(4, *call.markCode) : find.bindNull(4));
  if (!bound)
    return false;
  int rc = find.step();
  *match = FaultMatch();
  if (rc == SQLITE_DONE)
    return true;
  if (rc != SQLITE_ROW)
    return false;
  match->found = true;
  match->rowid = find.columnInt(0);
  match->error = static_cast<int32_t>(find.columnInt(1));
  match->counted = !find.columnIsNull(2);
  return true;
}

bool countDown(Store& store, int64_t rowid) {
  sqlite::Statement& update = store.sql().countDownFault;
  return update.bindInt(1, rowid) && update.run();
}

}  // namespace

bool fireFaultInTransaction(Store& store, const FaultCall& call, int32_t* error) {
  *error = 0;
  FaultMatch match;
  if (!findFault(store, call, &match))
    return false;
  if (match.found && match.counted && !countDown(store, match.rowid))
    return false;
  *error = match.error;
  return true;
}

bool fireFault(Store& store, const FaultCall& call, int32_t* error) {
  *error = 0;
  FaultMatch match;
  if (!findFault(store, call, &match))
    return false;
  if (!match.counted) {
    *error = match.error;
    return true;
  }
  // Another process may spend the same fault meanwhile: look again under
  // the write lock, so that each firing is counted exactly once.
  sqlite::Transaction transaction(store.db());
  int32_t fired = 0;
  if (!transaction.beginWrite() || !fireFaultInTransaction(store, call, &fired) ||
      !store.commit(transaction))
    return false;
  *error = fired;
  return true;
}

}  // namespace faxsim
