// Setting and unsetting environment variables on Windows, where an empty
// value removes the variable.
#include <stdlib.h>

#include "support/scoped_env.h"

namespace support {

void setEnvironment(const char* name, const char* value) {
  _putenv_s(name, value != nullptr ? value : "");
}

}  // namespace support
