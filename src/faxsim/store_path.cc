#include "faxsim/store_path.h"

namespace faxsim {

const char kUnrepresentableValue[] = "?";

const char* nonEmptyVariable(const EnvLookup& env, const char* name) {
  const char* value = env(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

bool readVariable(const EnvLookup& env, const char* name, const char** value,
                  const char** unrepresentable) {
  *value = nonEmptyVariable(env, name);
  if (*value != kUnrepresentableValue)
    return true;
  *value = nullptr;
  if (unrepresentable != nullptr)
    *unrepresentable = name;
  return false;
}

std::string storePathFromEnvironment(const EnvLookup& env, const char** unrepresentable) {
  const char* store;
  if (!readVariable(env, "FAXSIM_STORE", &store, unrepresentable))
    return {};
  return store != nullptr ? store : defaultStorePath(env, unrepresentable);
}

}  // namespace faxsim
