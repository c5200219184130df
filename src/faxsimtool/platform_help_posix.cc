#include "faxsimtool/platform_help.h"

namespace faxsimtool {

const char kStoreOptionHelp[] =
    "The store to work on (default: $FAXSIM_STORE, else the per-user store, "
    "$XDG_DATA_HOME/faxsim/store.db or $HOME/.local/share/faxsim/store.db).";

const char kEnvironmentHelp[] =
    "Environment:\n"
    "    FAXSIM_STORE        The store's path when --store is not given. Default:\n"
    "                        $XDG_DATA_HOME/faxsim/store.db, else\n"
    "                        $HOME/.local/share/faxsim/store.db; on Windows\n"
    "                        %LOCALAPPDATA%\\faxsim\\store.db.\n"
    "    FAXSIM_TRACE        Read by the library: a file to which it appends one\n"
    "                        line per call.\n"
    "    FAXSIM_SLEEP_SCALE  Read by the library: multiplies its pauses (0: none).\n"
    "                        The library says so once, on standard error, when it\n"
    "                        can't use FAXSIM_SLEEP_SCALE or FAXSIM_TRACE.\n";

const char kMoreHelp[] =
    "Run 'faxsim help COMMAND' for more on a command; 'man faxsim' for examples.";

}  // namespace faxsimtool
