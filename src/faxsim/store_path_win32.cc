// The default store path on Windows: under the user's local application data.
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
  if (const char* local = nonEmptyVariable("LOCALAPPDATA"))
    return std::string(local) + "\\faxsim\\store.db";
  return {};
}

}  // namespace faxsim
