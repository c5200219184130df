#include "faxsim/server_session.h"

#include <sqlite3.h>
#include <string.h>

#include <algorithm>
#include <string_view>

#include "faxsim/error_text.h"
#include "faxsim/faults.h"
#include "faxsim/store_warning.h"

namespace faxsim {

namespace {

// Copies `text` into a fixed field of `size` bytes, cut so that its
// terminator fits; the field is already zeroed.
void copyField(std::string_view text, char* field, size_t size) {
  memcpy(field, text.data(), std::min(text.size(), size - 1));
}

// The detail buffer of RFaxLoadFax3 holds a readable description of the fax,
// one "key=value" line per column, cut to the buffer and terminated.
void describeFax(const sqlite::Statement& fax, RFaxFaxHandle handle, char* detail) {
  static const char* const kColumns[] = {
      "fax_id", "owner",   "folder",       "received", "date", "pages", "error_code",
      "viewed", "printed", "body_printed", "approved", "held", "user1", "user2"};
  std::string text = "handle=" + std::to_string(handle) + "\n";
  for (int i = 0; i < static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0])); ++i) {
    text += kColumns[i];
    text += '=';
    if (i < 3)
      text += fax.columnText(i);
    else
      text += std::to_string(fax.columnInt(i));
    text += '\n';
  }
  memset(detail, 0, kFaxDetailSize);
  copyField(text, detail, kFaxDetailSize);
}

// Steps a bound look-up of one row: 0 with the statement on its row,
// `notFound` when there is none, 3 when the store failed.
int32_t lookUp(sqlite::Statement& statement, bool bound, int32_t notFound) {
  if (!bound)
    return kStoreUnavailable;
  int rc = statement.step();
  if (rc == SQLITE_ROW)
    return kNoError;
  return rc == SQLITE_DONE ? notFound : kStoreUnavailable;
}

}  // namespace

int32_t ServerSession::fault(const char* operation) {
  int32_t error = 0;
  if (!fireFault(store_, FaultCall{operation, host_, {}, {}}, &error))
    return kStoreUnavailable;
  return error;
}

int32_t ServerSession::connect(const std::string& storePath, const char* host) {
  if (!store_.open(storePath)) {
    warnAboutUnusableStore(storePath);
    return kStoreUnavailable;
  }
  int32_t error = 0;
  if (!fireFault(store_, FaultCall{"connect", host, {}, {}}, &error))
    return kStoreUnavailable;
  if (error != 0)
    return error;
  sqlite::Statement& server = store_.sql().findServer;
  sqlite::ResetGuard reset(server);
  if (int32_t missing = lookUp(server, server.bindText(1, host), kServerNotFound))
    return missing;
  host_ = server.columnText(0);
  return kNoError;
}

int32_t ServerSession::versionCheck(int32_t release) {
  sqlite::Statement& server = store_.sql().findServer;
  sqlite::ResetGuard reset(server);
  if (int32_t error = lookUp(server, server.bindText(1, host_), kServerNotFound))
    return error;
  return server.columnInt(2) < release ? kReleaseTooOld : kNoError;
}

int32_t ServerSession::serverInfo(ServerInfo* info) {
  if (int32_t error = fault("server_info"))
    return error;
  sqlite::Statement& server = store_.sql().findServer;
  sqlite::ResetGuard reset(server);
  if (int32_t error = lookUp(server, server.bindText(1, host_), kServerNotFound))
    return error;
  memset(info, 0, sizeof(*info));
  copyField(server.columnText(1), info->description, sizeof(info->description));
  info->timeZoneState = static_cast<int16_t>(server.columnInt(3));
  info->timeZone.Bias = static_cast<int32_t>(server.columnInt(4));
  info->timeZone.StandardBias = static_cast<int32_t>(server.columnInt(5));
  info->timeZone.DaylightBias = static_cast<int32_t>(server.columnInt(6));
  return kNoError;
}

// Steps the user query to this server's `userId`, leaving its row to read;
// the caller resets the query.
int32_t ServerSession::findUser(const char* userId) {
  sqlite::Statement& user = store_.sql().findUser;
  bool bound = user.bindText(1, host_) && user.bindText(2, userId);
  return lookUp(user, bound, kUserNotFound);
}

int32_t ServerSession::loadUser(const char* userId, UserRecord* record) {
  if (int32_t error = fault("load_user"))
    return error;
  sqlite::Statement& user = store_.sql().findUser;
  sqlite::ResetGuard reset(user);
  if (int32_t error = findUser(userId))
    return error;
  memset(record, 0, sizeof(*record));
  copyField(user.columnText(0), record->userId, sizeof(record->userId));
  copyField(user.columnText(1), record->qualifier, sizeof(record->qualifier));
  copyField(user.columnText(2), record->name, sizeof(record->name));
  return kNoError;
}

int32_t ServerSession::faxList(const char* userId, bool allFolders, FaxList* list) {
  if (int32_t error = fault("fax_list"))
    return error;
  {
    sqlite::ResetGuard reset(store_.sql().findUser);
    if (int32_t error = findUser(userId))
      return error;
  }
  return list->fetch(store_, host_, userId, allFolders) ? kNoError : kStoreUnavailable;
}

int32_t ServerSession::sortList(FaxList* list, RFaxCompareFunction compare) {
  if (int32_t error = fault("sort"))
    return error;
  list->sort(compare);
  return kNoError;
}

int32_t ServerSession::listElement(FaxList* list, size_t index, FaxListElement** element) {
  if (index >= list->size())
    return kEndOfList;
  if (list->mayHaveElementFaults()) {
    std::string target = std::to_string(index);
    int32_t error = 0;
    if (!fireFault(store_, FaultCall{"element", host_, target, {}}, &error))
      return kStoreUnavailable;
    if (error != 0)
      return error;
  }
  *element = list->element(index);
  list->setCursor(index + 1);
  return kNoError;
}

int32_t ServerSession::loadFax(RFaxFaxHandle fax, void* detail) {
  sqlite::Statement& find = store_.sql().findFax;
  sqlite::ResetGuard reset(find);
  bool bound = find.bindInt(1, fax) && find.bindText(2, host_);
  if (int32_t error = lookUp(find, bound, kFaxNotFound))
    return error;
  std::string faxId(find.columnText(0));
  int32_t error = 0;
  if (!fireFault(store_, FaultCall{"load_fax", host_, faxId, {}}, &error))
    return kStoreUnavailable;
  if (error != 0)
    return error;
  describeFax(find, fax, static_cast<char*>(detail));
  return kNoError;
}

int32_t ServerSession::mark(RFaxFaxHandle fax, uint16_t code) {
  // The fax's existence, the fault's count-down and the mark itself are one
  // transaction, committed before the call returns.
  sqlite::Transaction transaction(store_.db());
  if (!transaction.beginWrite())
    return kStoreUnavailable;
  std::string faxId;
  {
    sqlite::Statement& find = store_.sql().findFax;
    sqlite::ResetGuard reset(find);
    bool bound = find.bindInt(1, fax) && find.bindText(2, host_);
    if (int32_t error = lookUp(find, bound, kFaxNotFound))
      return error;
    faxId = find.columnText(0);
  }
  int32_t error = 0;
  if (!fireFaultInTransaction(store_, FaultCall{"mark", host_, faxId, code}, &error))
    return kStoreUnavailable;
  if (error == 0 && !Store::isMarkCode(code)) {
    error = kInvalidMarkCode;
  } else if (error == 0) {
    sqlite::Statement* update = store_.markStatement(code);
    if (update == nullptr || !update->bindInt(1, fax) || !update->run())
      return kStoreUnavailable;
  }
  // A fired fault's count-down commits even though the mark is refused.
  return store_.commit(transaction) ? error : kStoreUnavailable;
}

}  // namespace faxsim
