// The Context's helpers: how a command reads its values and reports errors.
#include "faxsimtool/command.h"

#include "faxsimtool/dates.h"
#include "faxsimtool/exit_status.h"
#include "faxsimtool/store.h"
#include "faxsimtool/values.h"

namespace faxsimtool {

int Context::usage(std::string_view message) const {
  return report(err, kExitUsage, message);
}

int Context::fail(std::string_view message) const {
  return report(err, kExitFailure, message);
}

bool Context::intOption(const char* name, int64_t min, int64_t max, int64_t* value) const {
  std::optional<std::string_view> text = args.value(name);
  if (!text)
    return true;
  std::string error;
  if (!parseInteger(*text, min, max, value, &error)) {
    usage(std::string(name) + ": " + error);
    return false;
  }
  return true;
}

bool Context::dateOption(const char* name, int64_t* value) const {
  std::optional<std::string_view> text = args.value(name);
  if (!text)
    return true;
  std::string error;
  if (!parseDate(*text, value, &error)) {
    usage(std::string(name) + ": " + error);
    return false;
  }
  return true;
}

bool Context::textOption(const char* name, std::string* value) const {
  std::optional<std::string_view> text = args.value(name);
  if (text)
    *value = std::string(*text);
  return true;
}

bool Context::intArg(size_t index, const char* what, int64_t min, int64_t max,
                     int64_t* value) const {
  std::string error;
  if (!parseInteger(arg(index), min, max, value, &error)) {
    usage(std::string(what) + ": " + error);
    return false;
  }
  return true;
}

bool Context::checkLength(std::string_view text, const char* what, size_t maxBytes,
                          bool allowEmpty) const {
  if (text.empty() && !allowEmpty) {
    usage(std::string(what) + " must not be empty");
    return false;
  }
  if (text.size() > maxBytes) {
    usage(std::string(what) + " " + quoted(text) + " is " + std::to_string(text.size()) +
          " bytes long; at most " + std::to_string(maxBytes) + " are allowed");
    return false;
  }
  return true;
}

bool Context::openStore(sqlite::Database* db) const {
  std::string error;
  if (!faxsimtool::openStore(storePath, db, &error)) {
    fail(error);
    return false;
  }
  return true;
}

int Context::beginWrite(sqlite::Database* db, Transaction* transaction) const {
  if (!openStore(db))
    return kExitFailure;
  if (!transaction->begin())
    return fail(storeError(*db));
  return kExitOk;
}

}  // namespace faxsimtool
