// The default store on Windows lives in the user's local application data:
// %LOCALAPPDATA%\faxsim\store.db.
#include "faxsimtool/store_path.h"

namespace faxsimtool {

bool defaultStorePath(const EnvLookup& env, std::string* path, std::string* error) {
  const char* localAppData = env("LOCALAPPDATA");
  if (localAppData != nullptr && localAppData[0] != '\0') {
    *path = std::string(localAppData) + "\\faxsim\\store.db";
    return true;
  }
  *error = "no store given and LOCALAPPDATA is not set; use --store PATH or set FAXSIM_STORE";
  return false;
}

}  // namespace faxsimtool
