// The command table's rows, and the help made from them.
#include "faxsimtool/command_table.h"

#include <string>

#include "faxsimtool/platform_help.h"

namespace faxsimtool {

namespace {

const OptionSpec kGlobalOptions[] = {
    {"--store", "PATH", kStoreOptionHelp},
    {"--help", nullptr,
     "Show help (for the command, when one is given) and exit. So do -h, -? and, before the "
     "command, /?."},
};

const OptionSpec kForceOptions[] = {
    {"--force", nullptr, "Replace an existing store (its contents are lost)."},
};

const OptionSpec kServerOptions[] = {
    {"--description", "TEXT", "What the server calls itself (default: empty)."},
    {"--release", "N",
     "The server's release, 0 to 0xFFFF, major version in the high byte "
     "(default: 0x620, release 6.20; the program needs 0x520)."},
    {"--tz-state", "N",
     "Time-zone state: 2 standard time, 3 daylight time, other values no "
     "offset (default: 0)."},
    {"--bias", "N", "Minutes to add to local time to get UTC (default: 0)."},
    {"--standard-bias", "N", "Minutes added to --bias in standard time (default: 0)."},
    {"--daylight-bias", "N", "Minutes added to --bias in daylight time (default: 0)."},
};

const OptionSpec kUserOptions[] = {
    {"--qualifier", "TEXT", "The user's qualifier, at most 25 bytes (default: empty)."},
    {"--name", "TEXT", "The user's full name (default: empty)."},
};

const OptionSpec kFaxOptions[] = {
    {"--handle", "N",
     "The fax handle, 1 to 4294967295, or 0x1 to 0xFFFFFFFF for one written as the listing "
     "writes it, 0000001F as 0x1F (default: one above the highest)."},
    {"--folder", "NAME",
     "The folder (default: main). Only \"main\", in lower case, is the main "
     "folder."},
    {"--received", nullptr, "A received fax (the default)."},
    {"--sent", nullptr, "A sent fax."},
    {"--date", "WHEN",
     "YYYY-MM-DD, YYYY-MM-DD HH:MM[:SS] or seconds since 1970, in UTC "
     "(default: 0, 1970-01-01 00:00)."},
    {"--pages", "N", "The page count, -32768 to 32767 (default: 1)."},
    {"--error-code", "N", "The fax's error code, 0 to 65535 (default: 0, no error)."},
    {"--viewed", nullptr, "Mark it viewed."},
    {"--printed", nullptr, "Mark it printed."},
    {"--body-printed", nullptr, "Mark its body printed."},
    {"--approved", nullptr, "Mark it approved."},
    {"--held", nullptr, "Hold it for preview."},
    {"--user1", nullptr, "Set its user-1 tag."},
    {"--user2", nullptr, "Set its user-2 tag."},
    {"--allow-duplicate", nullptr,
     "Add it even if the user has a fax with this ID (in any letter case), as a real "
     "server may."},
};

const OptionSpec kGenerateOptions[] = {
    {"--seed", "N",
     "Seed of the random choices; the same seed gives the same faxes, except that an ID the "
     "user already has is drawn again (default: 1)."},
    {"--start", "WHEN", "The earliest date, as for add-fax --date (default: 2008-01-01)."},
    {"--days", "N", "Spread the dates over this many days, 1 to 36500 (default: 365)."},
};

const OptionSpec kRemoveOptions[] = {
    {"--all", nullptr, "Remove every fax of the user with this ID, when there are several."},
};

const OptionSpec kSetMarksOptions[] = {
    {"--viewed", nullptr, "Set viewed."},
    {"--no-viewed", nullptr, "Clear viewed."},
    {"--printed", nullptr, "Set printed."},
    {"--no-printed", nullptr, "Clear printed (body printed stays as it is)."},
    {"--body-printed", nullptr, "Set body printed."},
    {"--no-body-printed", nullptr, "Clear body printed."},
    {"--approved", nullptr, "Set approved."},
    {"--no-approved", nullptr, "Clear approved."},
    {"--held", nullptr, "Hold for preview."},
    {"--no-held", nullptr, "Release for preview."},
    {"--user1", nullptr, "Set the user-1 tag."},
    {"--no-user1", nullptr, "Clear the user-1 tag."},
    {"--user2", nullptr, "Set the user-2 tag."},
    {"--no-user2", nullptr, "Clear the user-2 tag."},
};

const OptionSpec kFaultOptions[] = {
    {"--target", "TEXT",
     "element: the 0-based index of the failing element request; load_fax "
     "and mark: the ID of a fax on the server (exact, case included). Default: any."},
    {"--mark-code", "CODE",
     "mark only: the mark code the fault applies to (default: any), as a number, as the "
     "inkstamp option that sends it (-mp) or by name (printed)."},
    {"--count", "N", "Fire on the next N matching calls only (default: every time)."},
};

const OptionSpec kListFaxesOptions[] = {
    {"--pattern", "PATTERN",
     "Only faxes whose ID matches PATTERN as inkstamp matches it: ? is one byte, * any run, "
     "the letters A to Z match either case, and the pattern covers the whole ID. Give it "
     "again to list the faxes matching any of them."},
    {"--direction", "DIR",
     "received (or recv, as the listing writes it) or sent: only the faxes of that "
     "direction (default: both)."},
    {"--folder", "NAME",
     "Only faxes in folder NAME, compared exactly, case included: main is the main folder "
     "that inkstamp marks without -a (Main is another folder); all, the default, is every "
     "folder."},
};

const CommandSpec kCommands[] = {
    {"create", "", "Create an empty store.",
     "Creates the store file and any missing directories above it, with every table and "
     "nothing in them. An existing file is kept unless --force is given.",
     0, 0, kForceOptions, runCreate},
    {"demo", "", "Create a store holding the demo servers, users and faxes.",
     "Server faxsrv (release 9.40, US Eastern time) has users ALICE, BOB and CAROL; server "
     "oldfax (release 5.10, too old for the program) has DAVE. ALICE and BOB own faxes in "
     "folders main, Main, Archive and Pending, received and sent, with unique IDs "
     "(APP0438B2C87FE62B9) and file-name IDs (B000409E2), dates in November and December "
     "2008, error codes and marks. An existing file is kept unless --force is given.",
     0, 0, kForceOptions, runDemo},
    {"info",
     "",
     "Show what the store holds: counts, settings and error texts.",
     nullptr,
     0,
     0,
     {},
     runInfo},
    {"add-server", "HOST", "Add a server.",
     "HOST is the name a client connects to; it compares without regard to case.", 1, 1,
     kServerOptions, runAddServer},
    {"add-user", "HOST USER-ID", "Add a user to a server.",
     "USER-ID is 1 to 21 bytes and compares without regard to case.", 2, 2, kUserOptions,
     runAddUser},
    {"add-fax", "HOST USER-ID FAX-ID", "Add a fax owned by a user.",
     "FAX-ID is at most 83 bytes. The fax is received, in folder main, and carries no marks "
     "unless options say otherwise. Prints the handle it was given.",
     3, 3, kFaxOptions, runAddFax},
    {"generate", "HOST USER-ID COUNT", "Add COUNT generated faxes for a user, in one transaction.",
     "The faxes take the handles above the highest in the store. About 45% have unique IDs "
     "like APP0438B2C87FE62B9, 10% unique IDs like BDF0412A7C3E9A001 and 45% file-name IDs "
     "like B000409E2 made from the handle; 70% are received; 70% are in folder main, the "
     "rest in Archive, Pending and Review; 5% carry an error code; marks are set at random.",
     3, 3, kGenerateOptions, runGenerate},
    {"remove-fax", "HOST USER-ID FAX-ID", "Remove a user's fax.",
     "FAX-ID is compared exactly, case included. An ID that several faxes of the user hold "
     "(added with --allow-duplicate) is refused unless --all is given. Prints each fax removed.",
     3, 3, kRemoveOptions, runRemoveFax},
    {"set-marks", "HOST USER-ID PATTERN", "Set or clear marks of a user's faxes.",
     "Changes every fax of the user, in any folder, whose ID matches PATTERN as inkstamp "
     "matches it: ? is one character, * any run, the letters A to Z match either case. Each "
     "option sets or clears one mark and nothing else; marks without an option stay as they "
     "are. A pattern that matches no fax is refused.",
     3, 3, kSetMarksOptions, runSetMarks},
    {"add-fault", "HOST OPERATION ERROR-CODE", "Make a library call fail with ERROR-CODE.",
     "OPERATION is one of connect, server_info, load_user, fax_list, sort, element, load_fax "
     "and mark. For connect HOST may be any name, known to the store or not; the other "
     "operations need a known server. ERROR-CODE is a non-zero signed 32-bit number. Prints "
     "the fault's ID. The mark codes, by inkstamp option, name and number: -mp printed 3, "
     "-np not-printed 4, -mv viewed 0, -nv not-viewed 1, -ma approved 8, -na not-approved 9, "
     "-mb body-printed 7, -mr released 5, -nr held 6, -m1 user1-on 10, -n1 user1-off 11, "
     "-m2 user2-on 12, -n2 user2-off 13.",
     3, 3, kFaultOptions, runAddFault},
    {"list-faults",
     "[HOST]",
     "List the faults, of all servers or of one.",
     nullptr,
     0,
     1,
     {},
     runListFaults},
    {"clear-faults",
     "[HOST]",
     "Remove the faults, of all servers or of one.",
     nullptr,
     0,
     1,
     {},
     runClearFaults},
    {"set-setting",
     "KEY VALUE",
     "Set a setting the library reports.",
     "The one setting is api_version: the signed 32-bit number RFaxGetAPIVersion returns "
     "(the program shows it as a UTC date).",
     2,
     2,
     {},
     runSetSetting},
    {"unset-setting",
     "KEY",
     "Remove a setting, so the library reports its own value.",
     nullptr,
     1,
     1,
     {},
     runUnsetSetting},
    {"set-error-text",
     "CODE TEXT",
     "Set the text the library gives for an error code.",
     "The text replaces the built-in text of CODE, if it has one.",
     2,
     2,
     {},
     runSetErrorText},
    {"unset-error-text",
     "CODE",
     "Remove an error text, so the built-in text applies again.",
     nullptr,
     1,
     1,
     {},
     runUnsetErrorText},
    {"list-servers", "", "List the servers.", nullptr, 0, 0, {}, runListServers},
    {"list-users",
     "[HOST]",
     "List the users, of all servers or of one.",
     nullptr,
     0,
     1,
     {},
     runListUsers},
    {"list-faxes", "HOST USER-ID", "List a user's faxes with every mark, by handle.",
     "Handles are shown as inkstamp and faxlist show them, in eight hexadecimal digits; DIR "
     "is recv or sent; dates are in UTC. MARKS has one place per mark, its letter when the "
     "mark is set and - when not: V viewed, P printed, B body printed, A approved, H held "
     "for preview, 1 and 2 the user tags (so V---H-- is viewed and held). The options narrow "
     "the list; a fax is listed when it passes all of them.",
     2, 2, kListFaxesOptions, runListFaxes},
};

constexpr size_t kLineWidth = 79;
constexpr size_t kOptionColumn = 24;

// Prints `text` from column `column` on, breaking lines between words before
// kLineWidth and indenting each further line by `indent`; ends the line.
void printWrapped(FILE* out, std::string_view text, size_t column, size_t indent) {
  std::string line;
  size_t width = column;
  while (!text.empty()) {
    size_t wordEnd = text.find(' ');
    std::string_view word = text.substr(0, wordEnd);
    text = wordEnd == std::string_view::npos ? std::string_view() : text.substr(wordEnd + 1);
    if (word.empty())
      continue;
    bool first = width == column && line.empty();
    if (!first && width + 1 + word.size() > kLineWidth) {
      line += '\n';
      line.append(indent, ' ');
      width = indent;
      first = true;
    }
    if (!first) {
      line += ' ';
      ++width;
    }
    line += word;
    width += word.size();
  }
  fprintf(out, "%s\n", line.c_str());
}

void printOptions(FILE* out, std::span<const OptionSpec> options) {
  for (const OptionSpec& option : options) {
    std::string label = std::string("    ") + option.name;
    if (option.valueName != nullptr)
      label += std::string(" ") + option.valueName;
    if (label.size() + 2 > kOptionColumn) {
      fprintf(out, "%s\n%*s", label.c_str(), static_cast<int>(kOptionColumn), "");
    } else {
      fprintf(out, "%-*s", static_cast<int>(kOptionColumn), label.c_str());
    }
    printWrapped(out, option.help, kOptionColumn, kOptionColumn);
  }
}

void printSynopsis(FILE* out, const CommandSpec& command) {
  std::string synopsis = std::string("  faxsim ") + command.name;
  if (command.synopsis[0] != '\0')
    synopsis += std::string(" ") + command.synopsis;
  if (!command.options.empty())
    synopsis += " [options]";
  fprintf(out, "%s\n", synopsis.c_str());
}

const char kIntro[] =
    "faxsim administers the store of the simulated fax server: a SQLite file of servers, "
    "users, faxes with their marks, injected faults, settings and error texts, which the "
    "simulated client library serves to the program.";

const char kExitStatus[] =
    "Exit status: 0 done; 1 failed (no store, an unknown server, user or fax,\n"
    "something the store already holds, a taken handle, a store error); 2 bad\n"
    "command line (an unknown command or option, a bad value).\n";

}  // namespace

std::span<const CommandSpec> commandTable() {
  return kCommands;
}

std::span<const OptionSpec> globalOptions() {
  return kGlobalOptions;
}

const CommandSpec* findCommand(std::string_view name) {
  for (const CommandSpec& command : kCommands) {
    if (name == command.name)
      return &command;
  }
  return nullptr;
}

void printOverview(FILE* out) {
  fprintf(out, "usage: faxsim [--store PATH] COMMAND [ARGUMENTS] [OPTIONS]\n\n");
  printWrapped(out, kIntro, 0, 0);
  fprintf(out, "\nGlobal options (before or after the command):\n");
  printOptions(out, globalOptions());
  fprintf(out, "\nCommands:\n");
  for (const CommandSpec& command : commandTable()) {
    printSynopsis(out, command);
    fprintf(out, "      ");
    printWrapped(out, command.summary, 6, 6);
    printOptions(out, command.options);
  }
  fprintf(out, "  faxsim help [COMMAND]\n      Show this help, or a command's.\n");
  fprintf(out, "  faxsim --version\n      Show faxsim's version.\n");
  fprintf(out, "\n%s\n%s", kEnvironmentHelp, kExitStatus);
  fprintf(out, "\n%s\n", kMoreHelp);
}

void printCommandHelp(FILE* out, const CommandSpec& command) {
  fprintf(out, "usage:\n");
  printSynopsis(out, command);
  fprintf(out, "\n");
  printWrapped(out, command.summary, 0, 0);
  if (command.details != nullptr) {
    fprintf(out, "\n");
    printWrapped(out, command.details, 0, 0);
  }
  if (!command.options.empty()) {
    fprintf(out, "\nOptions:\n");
    printOptions(out, command.options);
  }
  fprintf(out, "\nGlobal options:\n");
  printOptions(out, globalOptions());
}

}  // namespace faxsimtool
