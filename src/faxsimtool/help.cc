#include "faxsimtool/help.h"

#include <string>
#include <string_view>

namespace faxsimtool {

namespace {

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

const char kEnvironment[] =
    "Environment:\n"
    "    FAXSIM_STORE        The store's path when --store is not given. Default:\n"
    "                        $XDG_DATA_HOME/faxsim/store.db, else\n"
    "                        $HOME/.local/share/faxsim/store.db; on Windows\n"
    "                        %LOCALAPPDATA%\\faxsim\\store.db.\n"
    "    FAXSIM_TRACE        Read by the library: a file to which it appends one\n"
    "                        line per call.\n"
    "    FAXSIM_SLEEP_SCALE  Read by the library: multiplies its pauses (0: none).\n";

const char kExitStatus[] =
    "Exit status: 0 done; 1 failed (no store, an unknown server or user, a taken\n"
    "handle, a store error); 2 bad command line (an unknown command or option, a\n"
    "bad value).\n";

}  // namespace

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
  fprintf(out, "\n%s\n%s", kEnvironment, kExitStatus);
  fprintf(out, "\nRun 'faxsim help COMMAND' for more on a command; 'man faxsim' for examples.\n");
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
