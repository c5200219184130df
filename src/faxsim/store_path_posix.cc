// The default store path on POSIX: under the XDG data directory.
#include <stdlib.h>

#include "faxsim/store_path.h"

namespace faxsim {

namespace {
const char* nonEmptyVariable(const char* name) {
  const char* value = getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}
}  // namespace

std::string defaultStorePath() {
  if (const char* data = nonEmptyVariable("XDG_DATA_HOME"))
    return std::string(data) + "/faxsim/store.db";
  if (const char* home = nonEmptyVariable("HOME"))
    return std::string(home) + "/.local/share/faxsim/store.db";
  return {};
}

}  // namespace faxsim
