// What every faxsim command is given and how it is described. A command is a
// row of the command table (command_table.cc): its name, its positional
// arguments, its options, its help, and the function that runs it with a
// Context. The Context carries the parsed command line and the reporting and
// value-reading helpers that keep every command's errors alike.
#ifndef INKSTAMP_FAXSIMTOOL_COMMAND_H_
#define INKSTAMP_FAXSIMTOOL_COMMAND_H_

#include <stdint.h>
#include <stdio.h>

#include <span>
#include <string>
#include <string_view>

#include "faxsimtool/args.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {

class Transaction;

struct Context {
  const ParsedArgs& args;
  std::string storePath;
  FILE* out;
  FILE* err;

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
  // Opens the store and begins `transaction`, made on `db`, for a command
  // that checks and then writes. Returns kExitOk, or reports the problem and
  // returns the exit status.
  int beginWrite(sqlite::Database* db, Transaction* transaction) const;
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

std::span<const CommandSpec> commandTable();
const CommandSpec* findCommand(std::string_view name);
// Options every command takes.
std::span<const OptionSpec> globalOptions();

// The commands, by file: store_commands.cc, add_commands.cc,
// fault_commands.cc, setting_commands.cc, list_commands.cc.
int runCreate(const Context& ctx);
int runDemo(const Context& ctx);
int runInfo(const Context& ctx);
int runAddServer(const Context& ctx);
int runAddUser(const Context& ctx);
int runAddFax(const Context& ctx);
int runGenerate(const Context& ctx);
int runAddFault(const Context& ctx);
int runListFaults(const Context& ctx);
int runClearFaults(const Context& ctx);
int runSetSetting(const Context& ctx);
int runUnsetSetting(const Context& ctx);
int runSetErrorText(const Context& ctx);
int runUnsetErrorText(const Context& ctx);
int runListServers(const Context& ctx);
int runListUsers(const Context& ctx);
int runListFaxes(const Context& ctx);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_COMMAND_H_
