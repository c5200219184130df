// faxlist's command line against inkstamp's own reader, as the independent
// check that a preview given a marking command comes to what inkstamp does:
// every command line with a marking option ends in the same outcome. Here,
// above both programs, so that neither program's folder includes the other's
// own headers.
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "faxlist/list_command_line.h"
#include "inkstamp/command_line.h"
#include "support/c_string_vector.h"

using support::CStringVector;

namespace {

TEST(CommandLinesAgreeTest, WithMarksEveryCommandLineComesToInkstampsOutcome) {
  const std::initializer_list<const char*> cases[] = {
      {"-s", "h", "-u", "a", "-mp", "x"},
      {"-s", "h", "-u", "a", "-mp", "-mb", "-mv", "x", "y"},
      {"-s", "h", "-u", "a", "-mp"},  // no fax-ID
      {"-s", "h", "-u", "a", "-mp", "-np", "x"},
      {"-s", "h", "-u", "a", "-np", "-mb", "x"},
      {"-s", "h", "-u", "a", "-m1", "-n1", "x"},
      {"-s", "h", "-u", "a", "-mpmv", "x"},
      {"-s", "h", "-u", "a", "-mp", "-shost", "x"},
      {"-s", "h", "-mp", "x"},  // no user
      {"-u", "a", "-mp", "x"},  // no host
      {"-mp", "-s"},
      {"-s", "h", "-u", "a", "-mp", "-HELP", "x"},
      {"-s", "h", "-u", "a", "-mx", "x"},
  };
  for (const auto& arguments : cases) {
    CStringVector markArgv = CStringVector::commandLine(arguments);
    CStringVector listArgv = CStringVector::commandLine(arguments);
    RunRequest marking;
    ListRequest listing;
    EXPECT_EQ(readListCommandLine(listArgv.count(), listArgv.vector(), &listing),
              readCommandLine(markArgv.count(), markArgv.vector(), &marking))
        << support::describeArguments(arguments);
  }
}

}  // namespace
