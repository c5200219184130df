// Where faxsim finds the store: the --store option, else $FAXSIM_STORE, else
// a per-user default that depends on the platform. The simulator library
// looks in the same places, so that a store made with plain `faxsim create`
// is the one a plain `inkstamp` run serves from.
#ifndef INKSTAMP_FAXSIMTOOL_STORE_PATH_H_
#define INKSTAMP_FAXSIMTOOL_STORE_PATH_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace faxsimtool {

// Reads an environment variable; nullptr when it is not set. Tests pass
// their own.
using EnvLookup = std::function<const char*(const char* name)>;

// The process environment.
const char* processEnv(const char* name);

// An empty option or variable counts as not given.
bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error);

// The per-user default (store_path_posix.cc, store_path_win.cc).
bool defaultStorePath(const EnvLookup& env, std::string* path, std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_STORE_PATH_H_
