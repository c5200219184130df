#include "faxsim/error_text.h"

#include <sqlite3.h>
#include <string.h>

#include "faxsim/store.h"
#include "sqlite/sqlite_db.h"

namespace faxsim {

namespace {

// The store's text for `code`, if it can be read and has one. Error texts are
// asked for without a server handle (typically after a failed connection), so
// this opens the store on its own for the one look-up.
bool storeErrorText(int32_t code, std::string* text) {
  sqlite::Database db;
  if (!openStoreForLookup(&db))
    return false;
  sqlite::Statement statement;
  if (!statement.prepare(db, "SELECT text FROM error_texts WHERE code = ?1") ||
      !statement.bindInt(1, code) || statement.step() != SQLITE_ROW || statement.columnIsNull(0))
    return false;
  *text = statement.columnText(0);
  return true;
}

}  // namespace

std::string errorText(int32_t code) {
  std::string text;
  if (storeErrorText(code, &text))
    return text;
  if (const char* builtin = faxclient::builtInErrorText(code))
    return builtin;
  return "Unknown error " + std::to_string(code);
}

void copyErrorText(std::string_view text, char* buffer, int32_t size) {
  if (buffer == nullptr || size <= 0)
    return;
  size_t length = text.size() < static_cast<size_t>(size) ? text.size() : size - 1;
  memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace faxsim
