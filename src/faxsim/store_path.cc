#include "faxsim/store_path.h"

namespace faxsim {

const char kUnrepresentableValue[] = "?";

const char* nonEmptyVariable(const EnvLookup& env, const char* name) {
  const char* value = env(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

std::string storePathFromEnvironment(const EnvLookup& env, const char** unrepresentable) {
  const char* store = nonEmptyVariable(env, "FAXSIM_STORE");
  if (store == kUnrepresentableValue) {
    if (unrepresentable != nullptr)
      *unrepresentable = "FAXSIM_STORE";
    return {};
  }
  if (store != nullptr)
    return store;
  return defaultStorePath(env, unrepresentable);
}

}  // namespace faxsim
