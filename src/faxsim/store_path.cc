#include "faxsim/store_path.h"

#include <stdlib.h>

namespace faxsim {

const char* processEnv(const char* name) {
  return getenv(name);
}

const char* nonEmptyVariable(const EnvLookup& env, const char* name) {
  const char* value = env(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string storePathFromEnvironment(const EnvLookup& env) {
  if (const char* store = nonEmptyVariable(env, "FAXSIM_STORE"))
    return store;
  return defaultStorePath(env);
}

}  // namespace faxsim
