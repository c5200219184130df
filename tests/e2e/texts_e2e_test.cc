// Texts that come from the command line and the server reach standard
// output unchanged: conversion characters are printed, not interpreted, and
// the longest values the server gives are shown whole.
#include <gtest/gtest.h>

#include <string>

#include "support/world_store_test.h"

namespace e2e {
namespace {

using namespace support;

class TextsTest : public WorldStoreTest {};

TEST_F(TextsTest, ConversionCharactersArePrintedAsTheyAre) {
  ASSERT_TRUE(store_.faxsim({"add-server", "pct%s", "--description", "100% %s %n ready"}));
  ASSERT_TRUE(
      store_.faxsim({"add-user", "pct%s", "U%sU%nU", "--qualifier", "Q%d", "--name", "N%s %x"}));
  ASSERT_TRUE(store_.faxsim({"add-fax", "pct%s", "U%sU%nU", "F%s%n%d%%", "--handle", "9"}));
  ASSERT_TRUE(store_.faxsim({"add-fault", "pct%s", "mark", "43"}));
  // The host is found regardless of case but shown as given.
  ProgramRun result = run({"-s", "PCT%S", "-u", "u%su%nu", "-mp", "f%*"});
  EXPECT_EQ(result.out(), outputHead() +
                              sessionHead("PCT%S", "100% %s %n ready", "Q%d\\U%sU%nU \"N%s %x\"") +
                              markingPass("1/1 F%s%n%d%%\n"
                                          "Can't mark fax: F%s%n%d%% (00000009)\n"
                                          "  -> marked\n",
                                          "faxes:1 marked:0 failed:1 skipped:0 total:1\n"
                                          "recv:1 sent:0 viewed:0 pages:1 errs:0\n") +
                              sessionTail("PCT%S", "100% %s %n ready"));
  EXPECT_EQ(result.status(), 0);
  EXPECT_EQ(callsOf(result.trace, "RFaxGetFaxList"),
            "RFaxGetFaxList(1, \"U%sU%nU\", 1, 65535, 0) = 0\n");

  ProgramRun unknown = run({"-s", "pct%s", "-u", "%n%n%n", "-mp", "*"});
  std::string out = unknown.out();
  EXPECT_EQ(out.substr(out.find("Retrieving user info")),
            "Retrieving user info...\n"
            "Invalid user: \"%n%n%n\"\n"
            "Disconnect from RightFax server: pct%s, 100% %s %n ready\n"
            "Disconnected\n");
  EXPECT_EQ(unknown.status(), 3);
}

// The longest texts each record holds: a 21-byte user ID, a 25-byte
// qualifier, a 383-byte description, an 83-byte fax ID, and a long name.
TEST_F(TextsTest, LongestServerTextsAreShownWhole) {
  const std::string description(383, 'd');
  const std::string userId = "ABCDEFGHIJKLMNOPQRSTU";
  const std::string qualifier = "QUALIFIER0123456789ABCDEF";
  const std::string name(300, 'n');
  const std::string faxId(83, 'F');
  ASSERT_TRUE(store_.faxsim({"add-server", "long", "--description", description}));
  ASSERT_TRUE(
      store_.faxsim({"add-user", "long", userId, "--qualifier", qualifier, "--name", name}));
  ASSERT_TRUE(store_.faxsim({"add-fax", "long", userId, faxId, "--handle", "4294967295"}));
  ASSERT_TRUE(store_.faxsim({"add-fault", "long", "load_fax", "42"}));
  ProgramRun result = run({"-s", "long", "-u", userId, "-mp", "*"});
  EXPECT_EQ(result.out(),
            outputHead() +
                sessionHead("long", description, qualifier + "\\" + userId + " \"" + name + "\"") +
                markingPass("1/1 " + faxId + "\nCan't retrieve fax: " + faxId + " (FFFFFFFF)\n",
                            "faxes:1 marked:0 failed:1 skipped:0 total:1\n"
                            "recv:1 sent:0 viewed:0 pages:1 errs:0\n") +
                sessionTail("long", description));
  EXPECT_EQ(result.status(), 0);
}

}  // namespace
}  // namespace e2e
