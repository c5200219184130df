#include "rfaxprogram/argument_code_page.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Kind = ArgumentDifference::Kind;

// The typed vector: nullptr stands for an argument the code page can't hold.
using Vector = std::vector<const char*>;

ArgumentDifference compare(const Vector& received, const Vector& typed) {
  return compareArguments(static_cast<int>(received.size()), received.data(),
                          static_cast<int>(typed.size()), typed.data());
}

std::string message(ArgumentDifference difference, unsigned codePage) {
  char* text = nullptr;
  size_t size = 0;
  FILE* stream = open_memstream(&text, &size);
  printArgumentDifference(stream, difference, codePage);
  fclose(stream);
  std::string result(text, size);
  free(text);
  return result;
}

void expectDifference(ArgumentDifference difference, Kind kind, int position) {
  EXPECT_EQ(difference.kind, kind);
  EXPECT_EQ(difference.position, position);
}

}  // namespace

// The vectors as Windows' runtime splits the narrow command line, which it
// converts with best fit as a whole, against the wide split converted
// without best fit.
TEST(ArgumentComparison, FindsTheFirstDifferenceOfWindowsSplits) {
  // "C:\t\a＂b c\args.exe" arg1 "x y": U+FF02 becomes '"' and ends the
  // program's name early, so every later boundary moves.
  expectDifference(compare({"C:\\t\\a", "b", "c\\args.exe arg1 x", "y"}, {nullptr, "arg1", "x y"}),
                   Kind::kUnrepresentable, 0);
  // inkstamp.exe -u alice -mp "a＂ b": the quote inside the pattern ends it.
  expectDifference(compare({"inkstamp.exe", "-u", "alice", "-mp", "a", "b"},
                           {"inkstamp.exe", "-u", "alice", "-mp", nullptr}),
                   Kind::kUnrepresentable, 4);
  // A look-alike that keeps the split ("Ωx" as "Ox") is found at its place.
  expectDifference(compare({"p", "-s", "Ox"}, {"p", "-s", nullptr}), Kind::kUnrepresentable, 2);
  // A program name the code page can't hold is refused like any argument.
  expectDifference(compare({"C:\\O\\p.exe", "-s"}, {nullptr, "-s"}), Kind::kUnrepresentable, 0);
  // Every typed argument fits, but the runtime split otherwise (a double-byte
  // character's trail byte 0x5C read as a backslash before a quote).
  expectDifference(compare({"p", "\x95\\\"x", "y"}, {"p", "\x95\\ x y"}), Kind::kSplit, 1);
  expectDifference(compare({"p", "a", "b"}, {"p", "a"}), Kind::kSplit, 2);
  expectDifference(compare({"p", "a"}, {"p", "a", "b"}), Kind::kSplit, 2);
  expectDifference(compare({"q", "a"}, {"p", "a"}), Kind::kSplit, 0);
  // The same vectors, byte for byte, bytes above 0x7F included.
  expectDifference(compare({"p", "\xC9", ""}, {"p", "\xC9", ""}), Kind::kNone, 0);
  expectDifference(compare({}, {}), Kind::kNone, 0);
}

TEST(ArgumentComparison, NamesTheDifferenceInOneLine) {
  EXPECT_EQ(message({Kind::kUnrepresentable, 6}, 1252),
            "Argument 6 has a character that code page 1252 can't represent.\n");
  EXPECT_EQ(message({Kind::kUnrepresentable, 0}, 932),
            "The program's path has a character that code page 932 can't represent.\n");
  EXPECT_EQ(message({Kind::kSplit, 3}, 1250),
            "Argument 3 did not arrive as typed: code page 1250 changed how the command line "
            "splits.\n");
  EXPECT_EQ(message({Kind::kSplit, 0}, 1252),
            "The program's path did not arrive as typed: code page 1252 changed how the command "
            "line splits.\n");
  EXPECT_EQ(message({Kind::kNone, 0}, 1252), "");
}
