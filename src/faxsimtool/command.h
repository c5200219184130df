// What a faxsim command is: the options it takes and how its command line is
// split, the Context it runs with, and how it ends. A command is a row of the
// command table (command_table.h). Its Context carries the parsed command line
// and the helpers that read values and report errors, so that every command's
// errors look alike: one line "faxsim: MESSAGE" and an exit status.
//
// Command lines: options are "--name VALUE", "--name=VALUE" or a bare
// "--flag", and may stand anywhere among the positional arguments; "--" ends
// them. A lone "-" and a negative number ("-5") are positional, so that a
// negative value needs no "--" before it. "-h" and "-?" are the short
// options, standing for "--help" (and so is "/?" before the command, as
// Windows programs take it; after the command it may be a fax ID).
#ifndef INKSTAMP_FAXSIMTOOL_COMMAND_H_
#define INKSTAMP_FAXSIMTOOL_COMMAND_H_

#include <stdint.h>
#include <stdio.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sqlite/sqlite_db.h"
#include "sqlite/transaction.h"

namespace faxsimtool {

// A usage error is anything wrong with the command line itself; a failure is
// anything that depends on the store (a missing store, an unknown user, a
// taken handle) or on the file system.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Writes "faxsim: MESSAGE" and a line end to `err` and returns `status`.
int report(FILE* err, int status, std::string_view message);

// `text` in single quotes, with bytes below 0x20 and 0x7F written as \xHH so
// that a message naming user input always stays on one line.
std::string quoted(std::string_view text);

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

struct Context {
  const ParsedArgs& args;
  std::string storePath;
  // Where storePath came from, for messages: "--store", "FAXSIM_STORE" or
  // "the per-user default".
  std::string storeOrigin;
  FILE* out;
  FILE* err;

  // " in store PATH": messages about what a store already holds name it, since
  // FAXSIM_STORE may point elsewhere than the user thinks.
  std::string inStore() const { return " in store " + storePath; }

  // Report one error line and return the exit status for it.
  int usage(std::string_view message) const;
  int fail(std::string_view message) const;

  // Positional argument `index` (the table guarantees it is there).
  std::string_view arg(size_t index) const { return args.positionals[index]; }
  bool hasArg(size_t index) const { return index < args.positionals.size(); }

  // Each reads a value, leaves `*value` as it was when the option is absent,
  // and on bad input reports it (as a usage error) and returns false.
  bool intOption(const char* name, int64_t min, int64_t max, int64_t* value) const;
  bool dateOption(const char* name, int64_t* value) const;
  bool textOption(const char* name, std::string* value) const;
  bool intArg(size_t index, const char* what, int64_t min, int64_t max, int64_t* value) const;
  // A text that must be 1 to maxBytes bytes long (0 to maxBytes when
  // allowEmpty); `what` names it in the message.
  bool checkLength(std::string_view text, const char* what, size_t maxBytes, bool allowEmpty) const;

  // Opens the store, reporting why it can't be.
  bool openStore(sqlite::Database* db) const;
  // Opens the store and begins `transaction`, made on `db`, as a write
  // transaction, for a command that checks and then writes. Returns kExitOk,
  // or reports the problem and returns the exit status.
  int beginWrite(sqlite::Database* db, sqlite::Transaction* transaction) const;
};

struct CommandSpec {
  const char* name;
  const char* synopsis;  // the positional arguments, as the help shows them
  const char* summary;   // one line
  const char* details;   // further paragraphs of help, or nullptr
  size_t minArgs;
  size_t maxArgs;
  std::span<const OptionSpec> options;
  int (*run)(const Context& ctx);
};

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_COMMAND_H_
