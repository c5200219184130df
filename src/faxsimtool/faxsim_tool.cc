// Running one faxsim command line: finding the command among the global
// options, parsing its arguments, finding the store, and running it.
#include "faxsimtool/faxsim_tool.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "faxsimtool/command_table.h"

namespace faxsimtool {

namespace {

// The project's version, which the build passes in.
const char kVersion[] = INKSTAMP_VERSION;

// The global options may come before the command name; this finds the name.
// Returns the index of the command, or args.size() when there is none.
size_t findCommandIndex(std::span<char* const> args, bool* helpAsked) {
  size_t i = 0;
  while (i < args.size()) {
    std::string_view arg = args[i];
    if (arg == "--store") {
      i += 2;
    } else if (arg.starts_with("--store=")) {
      ++i;
    } else if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "/?") {
      *helpAsked = true;
      ++i;
    } else {
      return i;
    }
  }
  return args.size();
}

// A name that is no command, given as the command or to help.
int refuseUnknownCommand(FILE* err, std::string_view name) {
  return report(err, kExitUsage,
                "unknown command " + quoted(name) + " (run 'faxsim --help' for the commands)");
}

int runHelp(const ParsedArgs& parsed, FILE* out, FILE* err) {
  if (parsed.positionals.empty()) {
    printOverview(out);
    return kExitOk;
  }
  const CommandSpec* command = findCommand(parsed.positionals[0]);
  if (command == nullptr)
    return refuseUnknownCommand(err, parsed.positionals[0]);
  printCommandHelp(out, *command);
  return kExitOk;
}

int checkArgCount(const CommandSpec& command, const ParsedArgs& parsed, FILE* err) {
  size_t count = parsed.positionals.size();
  if (count < command.minArgs)
    return report(err, kExitUsage,
                  std::string(command.name) + " needs " + command.synopsis + " (see 'faxsim help " +
                      command.name + "')");
  if (count > command.maxArgs)
    return report(err, kExitUsage,
                  std::string(command.name) + ": unexpected argument " +
                      quoted(parsed.positionals[command.maxArgs]));
  return kExitOk;
}

}  // namespace

bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error, std::string* origin) {
  std::string ignored;
  if (origin == nullptr)
    origin = &ignored;
  if (option.has_value() && !option->empty()) {
    *path = std::string(*option);
    *origin = "--store";
    return true;
  }
  const char* unrepresentable = nullptr;
  *path = faxsim::storePathFromEnvironment(env, &unrepresentable);
  *origin = faxsim::nonEmptyVariable(env, "FAXSIM_STORE") != nullptr ? "FAXSIM_STORE"
                                                                     : "the per-user default";
  if (!path->empty())
    return true;
  if (unrepresentable != nullptr) {
    *error = std::string("no store given and ") + unrepresentable +
             " has a character that the ANSI code page can't represent; use --store PATH with a "
             "path that it can";
    return false;
  }
#ifdef _WIN32
  *error = "no store given and LOCALAPPDATA is not set; use --store PATH or set FAXSIM_STORE";
#else
  *error =
      "no store given and neither XDG_DATA_HOME nor HOME is set; use --store PATH or set "
      "FAXSIM_STORE";
#endif
  return false;
}

int runFaxsim(int argc, char** argv, FILE* out, FILE* err) {
  return runFaxsim(argc, argv, out, err, processEnv);
}

int runFaxsim(int argc, char** argv, FILE* out, FILE* err, const EnvLookup& env) {
  std::span<char* const> args(argv + (argc > 0 ? 1 : 0), argc > 0 ? argc - 1 : 0);
  bool helpAsked = false;
  size_t commandIndex = findCommandIndex(args, &helpAsked);
  if (commandIndex < args.size() && std::string_view(args[commandIndex]) == "--version") {
    fprintf(out, "faxsim (InkStamp) %s\n", kVersion);
    return kExitOk;
  }
  if (commandIndex >= args.size()) {
    if (helpAsked) {
      printOverview(out);
      return kExitOk;
    }
    if (!args.empty() && std::string_view(args.back()) == "--store")
      return report(err, kExitUsage, "option --store needs a value (PATH)");
    return report(err, kExitUsage, "no command given (run 'faxsim --help' for the commands)");
  }
  std::string_view name = args[commandIndex];
  const CommandSpec* command = findCommand(name);
  if (command == nullptr && name != "help") {
    if (name.starts_with("-"))
      return report(err, kExitUsage, "unknown option " + quoted(name));
    return refuseUnknownCommand(err, name);
  }

  // Everything but the command name, the global options before it included.
  std::vector<char*> rest(args.begin(), args.end());
  rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(commandIndex));
  ParsedArgs parsed;
  std::string error;
  std::span<const OptionSpec> options;
  if (command != nullptr)
    options = command->options;
  if (!parseArgs(rest, options, globalOptions(), &parsed, &error))
    return report(err, kExitUsage, std::string(name) + ": " + error);
  if (command == nullptr)
    return runHelp(parsed, out, err);
  if (parsed.has("--help") || helpAsked) {
    printCommandHelp(out, *command);
    return kExitOk;
  }
  int status = checkArgCount(*command, parsed, err);
  if (status != kExitOk)
    return status;

  std::optional<std::string_view> storeOption = parsed.value("--store");
  if (storeOption && storeOption->empty())
    return report(err, kExitUsage, "option --store needs a non-empty PATH");
  std::string storePath, storeOrigin;
  if (!resolveStorePath(parsed.value("--store"), env, &storePath, &error, &storeOrigin))
    return report(err, kExitFailure, error);
  Context ctx{parsed, storePath, storeOrigin, out, err};
  status = command->run(ctx);
  fflush(out);
  return status;
}

}  // namespace faxsimtool
