// How a faxsim command reads its command line and its values, and how it
// reports: the one error line, quoting, and the Context's helpers.
#include "faxsimtool/command.h"

#include "faxsimtool/numbers_and_dates.h"
#include "faxsimtool/store_file.h"

namespace faxsimtool {

int report(FILE* err, int status, std::string_view message) {
  fprintf(err, "faxsim: %.*s\n", static_cast<int>(message.size()), message.data());
  fflush(err);
  return status;
}

std::string quoted(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string result = "'";
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      result += "\\x";
      result += kHex[byte >> 4];
      result += kHex[byte & 0xF];
    } else {
      result += c;
    }
  }
  result += '\'';
  return result;
}

namespace {

const OptionSpec* findOption(std::string_view name, std::span<const OptionSpec> first,
                             std::span<const OptionSpec> second) {
  for (std::span<const OptionSpec> list : {first, second}) {
    for (const OptionSpec& option : list) {
      if (name == option.name)
        return &option;
    }
  }
  return nullptr;
}

bool isNegativeNumber(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
}

}  // namespace

bool ParsedArgs::has(std::string_view name) const {
  return value(name).has_value();
}

std::optional<std::string_view> ParsedArgs::value(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it) {
    if (it->first == name)
      return it->second;
  }
  return std::nullopt;
}

bool parseArgs(std::span<char* const> args, std::span<const OptionSpec> commandOptions,
               std::span<const OptionSpec> globalOptions, ParsedArgs* parsed, std::string* error) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-" || isNegativeNumber(arg)) {
      parsed->positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "-h" || arg == "-?")
      arg = "--help";
    size_t equals = arg.find('=');
    std::string_view name = arg.substr(0, equals);
    const OptionSpec* option =
        arg.starts_with("--") ? findOption(name, commandOptions, globalOptions) : nullptr;
    if (option == nullptr) {
      *error = "unknown option " + quoted(name);
      return false;
    }
    std::string_view value;
    if (option->valueName == nullptr) {
      if (equals != std::string_view::npos) {
        *error = "option " + std::string(name) + " takes no value";
        return false;
      }
    } else if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      *error = "option " + std::string(name) + " needs a value (" + option->valueName + ")";
      return false;
    }
    parsed->options.emplace_back(option->name, value);
  }
  return true;
}

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

int Context::beginWrite(sqlite::Database* db, sqlite::Transaction* transaction) const {
  if (!openStore(db))
    return kExitFailure;
  if (!transaction->beginWrite())
    return fail(storeError(*db));
  return kExitOk;
}

}  // namespace faxsimtool
