#include "faxsim/store_path.h"

#include <stdlib.h>

namespace faxsim {

std::string storePathFromEnvironment() {
  const char* store = getenv("FAXSIM_STORE");
  if (store != nullptr && *store != '\0')
    return store;
  return defaultStorePath();
}

}  // namespace faxsim
