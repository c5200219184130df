// Splitting a faxsim command line into positional arguments and long options.
// Options are "--name VALUE", "--name=VALUE" or a bare "--flag", and may stand
// anywhere among the positional arguments; "--" ends them. A lone "-" and a
// negative number ("-5") are positional, so that a negative value needs no
// "--" before it. "-h" is the one short option, standing for "--help".
#ifndef INKSTAMP_FAXSIMTOOL_ARGS_H_
#define INKSTAMP_FAXSIMTOOL_ARGS_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace faxsimtool {

struct OptionSpec {
  const char* name;       // "--pages"
  const char* valueName;  // "N" for an option with a value; nullptr for a flag
  const char* help;
};

struct ParsedArgs {
  std::vector<std::string_view> positionals;
  // In command-line order; a flag has an empty value.
  std::vector<std::pair<std::string_view, std::string_view>> options;

  bool has(std::string_view name) const;
  // The last value given for `name`, if any.
  std::optional<std::string_view> value(std::string_view name) const;
};

// Parses args[0..count) against the options of both lists. On failure
// `*error` names the offending argument.
bool parseArgs(std::span<char* const> args, std::span<const OptionSpec> commandOptions,
               std::span<const OptionSpec> globalOptions, ParsedArgs* parsed, std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_ARGS_H_
