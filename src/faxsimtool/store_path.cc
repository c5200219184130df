#include "faxsimtool/store_path.h"

namespace faxsimtool {

bool resolveStorePath(std::optional<std::string_view> option, const EnvLookup& env,
                      std::string* path, std::string* error) {
  if (option.has_value() && !option->empty()) {
    *path = std::string(*option);
    return true;
  }
  *path = faxsim::storePathFromEnvironment(env);
  if (!path->empty())
    return true;
#ifdef _WIN32
  *error = "no store given and LOCALAPPDATA is not set; use --store PATH or set FAXSIM_STORE";
#else
  *error =
      "no store given and neither XDG_DATA_HOME nor HOME is set; use --store PATH or set "
      "FAXSIM_STORE";
#endif
  return false;
}

}  // namespace faxsimtool
