// Where faxsim finds the store: the --store option, else where the simulator
// library looks ($FAXSIM_STORE, else the per-user default).
#ifndef INKSTAMP_FAXSIMTOOL_STORE_PATH_H_
#define INKSTAMP_FAXSIMTOOL_STORE_PATH_H_

#include <optional>
#include <string>
#include <string_view>

#include "faxsim/store_path.h"

namespace faxsimtool {

using faxsim::EnvLookup;
using faxsim::processEnv;

// An empty option or variable counts as not given. False, with `error` set,
// when neither names a store and the environment has no home for the default.
bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_STORE_PATH_H_
