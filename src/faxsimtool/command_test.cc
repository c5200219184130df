// Splitting a command line into options and positionals, and quoting what it
// held in messages.
#include "faxsimtool/command.h"

#include <gtest/gtest.h>

#include "faxsimtool/command_table.h"

namespace faxsimtool {
namespace {

const OptionSpec kCommandOptions[] = {
    {"--pages", "N", ""},
    {"--sent", nullptr, ""},
};

bool parse(std::vector<std::string> args, ParsedArgs* parsed, std::string* error) {
  static std::vector<std::string> keep;
  keep = std::move(args);
  std::vector<char*> argv;
  for (std::string& arg : keep)
    argv.push_back(arg.data());
  // With faxsim's own global options, as every command parses them.
  return parseArgs(argv, kCommandOptions, globalOptions(), parsed, error);
}

TEST(ParseArgs, SeparatesOptionsFromPositionalsInAnyOrder) {
  ParsedArgs parsed;
  std::string error;
  ASSERT_TRUE(parse({"a", "--pages", "3", "--sent", "-5", "--store=x.db", "-", "--pages=-2", "--",
                     "--sent", "-h"},
                    &parsed, &error))
      << error;
  EXPECT_EQ(parsed.positionals, (std::vector<std::string_view>{"a", "-5", "-", "--sent", "-h"}));
  EXPECT_EQ(parsed.value("--pages"), "-2");  // the last one wins
  EXPECT_EQ(parsed.value("--store"), "x.db");
  EXPECT_TRUE(parsed.has("--sent"));
  EXPECT_FALSE(parsed.has("--help"));
}

TEST(ParseArgs, ShortHelpAndEmptyValues) {
  ParsedArgs parsed;
  std::string error;
  ASSERT_TRUE(parse({"-h", "--pages", ""}, &parsed, &error));
  EXPECT_TRUE(parsed.has("--help"));
  EXPECT_EQ(parsed.value("--pages"), "");
}

TEST(ParseArgs, RefusesUnknownOptionsAndMisusedValues) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  for (const Case& c : std::vector<Case>{
           {{"--page", "3"}, "unknown option '--page'"},
           {{"-x"}, "unknown option '-x'"},
           {{"-pages"}, "unknown option '-pages'"},
           {{"--sent=1"}, "option --sent takes no value"},
           {{"a", "--pages"}, "option --pages needs a value (N)"},
       }) {
    ParsedArgs parsed;
    std::string error;
    EXPECT_FALSE(parse(c.args, &parsed, &error)) << c.error;
    EXPECT_EQ(error, c.error);
  }
}

TEST(Quoted, EscapesControlBytesSoMessagesStayOnOneLine) {
  EXPECT_EQ(quoted("a\nb\x7F"), "'a\\x0Ab\\x7F'");
  EXPECT_EQ(quoted(""), "''");
}

}  // namespace
}  // namespace faxsimtool
