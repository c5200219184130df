// On Windows the program pauses with the kernel's Sleep, which the library
// never sees, so FAXSIM_SLEEP_SCALE changes nothing there.
#include "faxsimtool/platform_help.h"

namespace faxsimtool {

const char kStoreOptionHelp[] =
    "The store to work on (default: %FAXSIM_STORE%, else "
    "%LOCALAPPDATA%\\faxsim\\store.db).";

const char kEnvironmentHelp[] =
    "Environment:\n"
    "    FAXSIM_STORE        The store's path when --store is not given, in the\n"
    "                        ANSI code page. Default:\n"
    "                        %LOCALAPPDATA%\\faxsim\\store.db.\n"
    "    FAXSIM_TRACE        Read by the library: a file to which it appends one\n"
    "                        line per call. The library says so once, on\n"
    "                        standard error, when it can't write it.\n"
    "    FAXSIM_SLEEP_SCALE  POSIX only: on Windows the program pauses between\n"
    "                        connection tries with the kernel's Sleep, which no\n"
    "                        setting shortens.\n";

const char kMoreHelp[] =
    "Run 'faxsim help COMMAND' for more on a command; faxsim.html, beside\n"
    "faxsim.exe, for examples.";

}  // namespace faxsimtool
