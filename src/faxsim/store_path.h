// Where the simulator finds its store: FAXSIM_STORE, else a per-user default
// whose location depends on the platform. The library and the faxsim tool
// both use this, so that a store made with a plain `faxsim create` is the one
// a plain inkstamp run is served from.
#ifndef INKSTAMP_FAXSIM_STORE_PATH_H_
#define INKSTAMP_FAXSIM_STORE_PATH_H_

#include <functional>
#include <string>

namespace faxsim {

// Reads an environment variable: nullptr when it is not set. Tests pass their
// own; an empty value counts as not set.
using EnvLookup = std::function<const char*(const char* name)>;

// The process environment (getenv).
const char* processEnv(const char* name);

// The platform's default store path (store_path_posix.cc,
// store_path_win32.cc); "" when the environment names no home for it.
std::string defaultStorePath(const EnvLookup& env = processEnv);

// FAXSIM_STORE when it is set and not empty, else defaultStorePath().
std::string storePathFromEnvironment(const EnvLookup& env = processEnv);

// The value of `name`, or nullptr when it is unset or empty.
const char* nonEmptyVariable(const EnvLookup& env, const char* name);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_PATH_H_
