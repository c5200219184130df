// Where the simulator finds its store: FAXSIM_STORE, else a per-user default
// whose location depends on the platform.
#ifndef INKSTAMP_FAXSIM_STORE_PATH_H_
#define INKSTAMP_FAXSIM_STORE_PATH_H_

#include <string>

namespace faxsim {

// The platform's default store path; "" when the environment names no home
// for it.
std::string defaultStorePath();

// FAXSIM_STORE when it is set and not empty, else defaultStorePath().
std::string storePathFromEnvironment();

}  // namespace faxsim

#endif  // INKSTAMP_FAXSIM_STORE_PATH_H_
