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
// own; an empty value counts as not set. A lookup returns
// kUnrepresentableValue itself (this very address) for a variable that is
// set but whose value the narrow encoding can't hold.
using EnvLookup = std::function<const char*(const char* name)>;
extern const char kUnrepresentableValue[];

// The process environment (store_path_posix.cc, store_path_win32.cc). On
// Windows the value is read in its wide form and converted to the ANSI code
// page without look-alikes: the narrow environment would name, for a user
// profile outside the code page, a folder that is not the user's. The text
// stays valid until the thread's next call.
const char* processEnv(const char* name);

// The platform's default store path (store_path_posix.cc,
// store_path_win32.cc); "" when the environment names no home for it. When
// the home is set but unrepresentable, "" as well, and `*unrepresentable`
// (when given) names its variable.
std::string defaultStorePath(const EnvLookup& env = processEnv,
                             const char** unrepresentable = nullptr);

// FAXSIM_STORE when it is set and not empty, else defaultStorePath(). ""
// with `*unrepresentable` set when the variable it would use can't be
// represented.
std::string storePathFromEnvironment(const EnvLookup& env = processEnv,
                                     const char** unrepresentable = nullptr);

// The value of `name`, or nullptr when it is unset or empty; it may be
// kUnrepresentableValue.
const char* nonEmptyVariable(const EnvLookup& env, const char* name);
// The same, told apart: false when the value can't be represented, with
// `*unrepresentable` (when given) naming the variable; else true, with
// `*value` the value or nullptr.
bool readVariable(const EnvLookup& env, const char* name, const char** value,
                  const char** unrepresentable);

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_PATH_H_
