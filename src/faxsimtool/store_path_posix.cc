// The default store on POSIX systems follows the XDG base directories:
// $XDG_DATA_HOME/faxsim/store.db, else ~/.local/share/faxsim/store.db.
#include "faxsimtool/store_path.h"

namespace faxsimtool {

bool defaultStorePath(const EnvLookup& env, std::string* path, std::string* error) {
  // Any non-empty XDG_DATA_HOME is taken as it is, relative or not, because
  // the simulator library takes it so and both must name the same file.
  const char* dataHome = env("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] != '\0') {
    *path = std::string(dataHome) + "/faxsim/store.db";
    return true;
  }
  const char* home = env("HOME");
  if (home != nullptr && home[0] != '\0') {
    *path = std::string(home) + "/.local/share/faxsim/store.db";
    return true;
  }
  *error =
      "no store given and neither XDG_DATA_HOME nor HOME is set; use --store PATH or set "
      "FAXSIM_STORE";
  return false;
}

}  // namespace faxsimtool
