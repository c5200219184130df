// Setting and unsetting environment variables on POSIX.
#include <stdlib.h>

#include "faxsim/testing/scoped_env.h"

namespace faxsim::testing {

void setEnvironment(const char* name, const char* value) {
  if (value != nullptr)
    setenv(name, value, 1);
  else
    unsetenv(name);
}

}  // namespace faxsim::testing
