// The command table: every faxsim command with its arguments, options and
// help, and the help printed from it. The help output and the argument checks
// are both made from the table, so a command's documentation can't drift from
// what it accepts. `faxsim --help` shows every command with its options;
// `faxsim help COMMAND` and `faxsim COMMAND --help` show one command with its
// longer description.
#ifndef INKSTAMP_FAXSIMTOOL_COMMAND_TABLE_H_
#define INKSTAMP_FAXSIMTOOL_COMMAND_TABLE_H_

#include <stdio.h>

#include <span>
#include <string_view>

#include "faxsimtool/command.h"

namespace faxsimtool {

std::span<const CommandSpec> commandTable();
const CommandSpec* findCommand(std::string_view name);
// Options every command takes.
std::span<const OptionSpec> globalOptions();

void printOverview(FILE* out);
void printCommandHelp(FILE* out, const CommandSpec& command);

// The commands that the table's rows run, by file: store_commands.cc,
// add_commands.cc, fax_edit_commands.cc, fault_commands.cc, list_commands.cc.
int runCreate(const Context& ctx);
int runDemo(const Context& ctx);
int runInfo(const Context& ctx);
int runAddServer(const Context& ctx);
int runAddUser(const Context& ctx);
int runAddFax(const Context& ctx);
int runGenerate(const Context& ctx);
int runRemoveFax(const Context& ctx);
int runSetMarks(const Context& ctx);
int runAddFault(const Context& ctx);
int runClearFaults(const Context& ctx);
int runSetSetting(const Context& ctx);
int runUnsetSetting(const Context& ctx);
int runSetErrorText(const Context& ctx);
int runUnsetErrorText(const Context& ctx);
int runListServers(const Context& ctx);
int runListUsers(const Context& ctx);
int runListFaxes(const Context& ctx);
int runListFaults(const Context& ctx);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_COMMAND_TABLE_H_
