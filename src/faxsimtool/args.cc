#include "faxsimtool/args.h"

#include "faxsimtool/exit_status.h"

namespace faxsimtool {

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
    if (arg == "-h")
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

}  // namespace faxsimtool
