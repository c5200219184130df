// The default store path on POSIX: under the XDG data directory. Any
// non-empty XDG_DATA_HOME is taken as it is, relative or not. Names are bytes
// here: every value can be represented.
#include <stdlib.h>

#include "faxsim/store_path.h"

namespace faxsim {

const char* processEnv(const char* name) {
  return getenv(name);
}

std::string defaultStorePath(const EnvLookup& env, const char**) {
  if (const char* data = nonEmptyVariable(env, "XDG_DATA_HOME"))
    return std::string(data) + "/faxsim/store.db";
  if (const char* home = nonEmptyVariable(env, "HOME"))
    return std::string(home) + "/.local/share/faxsim/store.db";
  return {};
}

}  // namespace faxsim
