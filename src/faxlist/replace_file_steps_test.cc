// The Windows target check and replacement against calls that answer as
// Microsoft documents they may: reparse points that are ordinary files or
// links, access denied, files held open, and ReplaceFile failing half-way,
// which Wine never does.
#include "faxlist/replace_file_steps.h"

#include <stdio.h>
#include <string.h>

#include <deque>
#include <string>

#include <gtest/gtest.h>

using namespace windows_value;

namespace {

// What the calls answer, and what they were asked.
struct Script {
  unsigned long attributes = 0x20;  // FILE_ATTRIBUTE_ARCHIVE: an ordinary file
  unsigned long attributesError = 0;
  unsigned long tag = 0;
  unsigned long tagError = 0;
  // The answers of successive calls; 0 once they run out.
  std::deque<unsigned long> replaceErrors;
  std::deque<unsigned long> moveErrors;
  // After ReplaceFile took it away, the target is gone.
  bool targetGone = false;
  std::string calls;
  int pauses = 0;
};
Script script;

unsigned long next(std::deque<unsigned long>* errors) {
  if (errors->empty())
    return 0;
  unsigned long error = errors->front();
  if (errors->size() > 1)
    errors->pop_front();
  return error;
}

const WindowsFileCalls kFakeCalls = {
    [](const char*, unsigned long* attributes) {
      *attributes = script.attributes;
      return script.targetGone ? kErrorFileNotFound : script.attributesError;
    },
    [](const char*, unsigned long* tag) {
      *tag = script.tag;
      return script.tagError;
    },
    [](const char* replaced, const char* replacement) {
      script.calls += std::string("replace ") + replaced + " " + replacement + ";";
      return next(&script.replaceErrors);
    },
    [](const char* from, const char* to) {
      script.calls += std::string("move ") + from + " " + to + ";";
      return next(&script.moveErrors);
    },
    [] { ++script.pauses; },
    [](unsigned long error, char* text, size_t size) {
      const char* known = error == kErrorAccessDenied       ? "Access is denied.\r\n"
                          : error == kErrorSharingViolation ? "Sharing violation. \r\n"
                                                            : "";
      snprintf(text, size, "%s", known);
    },
};

class WindowsReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override { script = Script(); }

  Replaced replace(bool targetExists) {
    TargetFile target;
    target.exists = targetExists;
    return replaceWindowsFile(kFakeCalls, "list.csv.partial-7-0", "list.csv", target, problem,
                              sizeof problem);
  }

  bool check(TargetFile* target) {
    return checkWindowsTarget(kFakeCalls, "list.csv", target, problem, sizeof problem);
  }

  char problem[800] = "";
};

const char kReplace[] = "replace list.csv list.csv.partial-7-0;";
const char kMove[] = "move list.csv.partial-7-0 list.csv;";

std::string times(int count, const char* call) {
  std::string calls;
  for (int i = 0; i < count; ++i)
    calls += call;
  return calls;
}

TEST_F(WindowsReplaceTest, LinksAreRefusedAndOtherReparsePointsAreOrdinaryFiles) {
  const struct {
    unsigned long tag;
    const char* problem;  // null: accepted
  } cases[] = {
      {kReparseTagSymlink, "a symbolic link, not an ordinary file"},
      {kReparseTagMountPoint, "a junction, not an ordinary file"},
      {0xA000001D, "a link, not an ordinary file"},  // a WSL symbolic link: a name surrogate
      {0x80000013, nullptr},                         // data deduplication
      {0x80000017, nullptr},                         // WOF compression
      {0x9000101A, nullptr},                         // a cloud placeholder
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    script.attributes = kAttributeReparsePoint | 0x20;
    script.tag = c.tag;
    TargetFile target;
    EXPECT_EQ(check(&target), c.problem == nullptr);
    EXPECT_EQ(target.exists, c.problem == nullptr);
    if (c.problem != nullptr) {
      EXPECT_STREQ(problem, c.problem);
    }
  }
  // A tag that can't be read is no reason to guess.
  script.tagError = kErrorAccessDenied;
  TargetFile target;
  EXPECT_FALSE(check(&target));
  EXPECT_STREQ(problem, "Access is denied");
}

TEST_F(WindowsReplaceTest, TargetCheckSaysWhatStandsThere) {
  TargetFile target;
  EXPECT_TRUE(check(&target));
  EXPECT_TRUE(target.exists);
  for (unsigned long missing : {kErrorFileNotFound, kErrorPathNotFound}) {
    script.attributesError = missing;
    EXPECT_TRUE(check(&target));
    EXPECT_FALSE(target.exists);
  }
  // In the system's words, or its number where the system has none.
  script.attributesError = kErrorAccessDenied;
  EXPECT_FALSE(check(&target));
  EXPECT_STREQ(problem, "Access is denied");
  script.attributesError = 1234;
  EXPECT_FALSE(check(&target));
  EXPECT_STREQ(problem, "Windows error 1234");
  script.attributesError = 0;
  script.attributes = kAttributeDirectory;
  EXPECT_FALSE(check(&target));
  EXPECT_STREQ(problem, "a folder, not an ordinary file");
  script.attributes = kAttributeReadOnly;
  EXPECT_FALSE(check(&target));
  EXPECT_STREQ(problem, "a read-only file");
}

TEST_F(WindowsReplaceTest, AHeldFileIsTriedForAWhileAndAccessDeniedAtOnce) {
  script.replaceErrors = {kErrorSharingViolation, kErrorLockViolation, kErrorUnableToRemoveReplaced,
                          0};
  EXPECT_EQ(replace(true), Replaced::kDone);
  EXPECT_EQ(script.calls, times(4, kReplace));
  EXPECT_EQ(script.pauses, 3);

  SetUp();
  script.replaceErrors = {kErrorSharingViolation};
  EXPECT_EQ(replace(true), Replaced::kFailed);
  EXPECT_EQ(script.calls, times(kWindowsReplaceTries, kReplace));
  EXPECT_EQ(script.pauses, kWindowsReplaceTries - 1);
  EXPECT_STREQ(problem, "Sharing violation; it may be open in another program");

  SetUp();
  script.replaceErrors = {kErrorAccessDenied};
  EXPECT_EQ(replace(true), Replaced::kFailed);
  EXPECT_EQ(script.calls, kReplace);
  EXPECT_EQ(script.pauses, 0);
  EXPECT_STREQ(problem, "Access is denied");

  // Nothing to replace: a move, which fails alike.
  SetUp();
  script.moveErrors = {kErrorAccessDenied};
  EXPECT_EQ(replace(false), Replaced::kFailed);
  EXPECT_EQ(script.calls, kMove);
}

TEST_F(WindowsReplaceTest, AReplacementThatTookTheOldFileAwayEndsInAMoveOrKeepsTheNewFile) {
  // The replaced file is gone; the move completes the replacement.
  script.replaceErrors = {kErrorUnableToMoveReplacement};
  EXPECT_EQ(replace(true), Replaced::kDone);
  EXPECT_EQ(script.calls, std::string(kReplace) + kMove);

  // The move keeps failing: the new file is the only copy, and stays.
  SetUp();
  script.replaceErrors = {kErrorUnableToMoveReplacement};
  script.moveErrors = {kErrorSharingViolation};
  EXPECT_EQ(replace(true), Replaced::kFromKept);
  EXPECT_EQ(script.calls, kReplace + times(kWindowsReplaceTries, kMove));
  EXPECT_STREQ(problem,
               "Sharing violation; it may be open in another program; the old file is gone, the "
               "new one is list.csv.partial-7-0");

  // The old file under a name of Windows' choosing.
  SetUp();
  script.replaceErrors = {kErrorUnableToMoveReplacement2};
  script.moveErrors = {kErrorAccessDenied};
  EXPECT_EQ(replace(true), Replaced::kFromKept);
  EXPECT_STREQ(problem,
               "Access is denied; the old file is in its folder under a name that Windows chose, "
               "the new one is list.csv.partial-7-0");

  // Any other failure that left no file at the target.
  SetUp();
  script.replaceErrors = {kErrorAccessDenied};
  script.targetGone = true;
  EXPECT_EQ(replace(true), Replaced::kFromKept);
  EXPECT_STREQ(problem,
               "Access is denied; the old file is gone, the new one is list.csv.partial-7-0");
}

}  // namespace
