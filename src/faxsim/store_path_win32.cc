// The default store path on Windows: under the user's local application data.
#include "faxsim/store_path.h"

namespace faxsim {

std::string defaultStorePath(const EnvLookup& env) {
  if (const char* local = nonEmptyVariable(env, "LOCALAPPDATA"))
    return std::string(local) + "\\faxsim\\store.db";
  return {};
}

}  // namespace faxsim
