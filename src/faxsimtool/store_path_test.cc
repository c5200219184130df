#include "faxsimtool/store_path.h"

#include <gtest/gtest.h>

#include <map>

namespace faxsimtool {
namespace {

struct FakeEnv {
  std::map<std::string, std::string> values;
  EnvLookup lookup() const {
    return [this](const char* name) -> const char* {
      auto it = values.find(name);
      return it == values.end() ? nullptr : it->second.c_str();
    };
  }
};

std::string resolved(std::optional<std::string_view> option, const FakeEnv& env) {
  std::string path, error;
  EXPECT_TRUE(resolveStorePath(option, env.lookup(), &path, &error)) << error;
  return path;
}

TEST(StorePath, OptionThenVariableThenDefault) {
  FakeEnv env{{{"FAXSIM_STORE", "/env/store.db"},
               {"XDG_DATA_HOME", "/xdg"},
               {"HOME", "/home/u"},
               {"LOCALAPPDATA", "C:\\Users\\u\\AppData\\Local"}}};
  EXPECT_EQ(resolved("/opt/store.db", env), "/opt/store.db");
  EXPECT_EQ(resolved(std::nullopt, env), "/env/store.db");
  env.values["FAXSIM_STORE"] = "";  // empty counts as unset
  std::string fallback = resolved(std::nullopt, env);
#ifdef _WIN32
  EXPECT_EQ(fallback, "C:\\Users\\u\\AppData\\Local\\faxsim\\store.db");
#else
  EXPECT_EQ(fallback, "/xdg/faxsim/store.db");
  env.values.erase("XDG_DATA_HOME");
  EXPECT_EQ(resolved(std::nullopt, env), "/home/u/.local/share/faxsim/store.db");
#endif
}

TEST(StorePath, NoPlaceForTheDefaultIsAnError) {
  FakeEnv env;
  std::string path, error;
  EXPECT_FALSE(resolveStorePath(std::nullopt, env.lookup(), &path, &error));
  EXPECT_NE(error.find("FAXSIM_STORE"), std::string::npos);
}

}  // namespace
}  // namespace faxsimtool
