#include "faxsimtool/store_path.h"

#include <stdlib.h>

namespace faxsimtool {

const char* processEnv(const char* name) {
  return getenv(name);
}

bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error) {
  if (option.has_value() && !option->empty()) {
    *path = std::string(*option);
    return true;
  }
  const char* fromEnv = env("FAXSIM_STORE");
  if (fromEnv != nullptr && fromEnv[0] != '\0') {
    *path = fromEnv;
    return true;
  }
  return defaultStorePath(env, path, error);
}

}  // namespace faxsimtool
