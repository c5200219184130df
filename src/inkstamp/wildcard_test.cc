// Tests of the fax-ID pattern matcher: a few cases on a real fax ID and on
// the bytes around the case-folding boundaries, then agreement with the
// naive recursive definition on every small input (empty texts, stars, `?`
// and the wildcard characters as text among them), then the inputs that
// would hang or overflow a recursive matcher. The fuzz target compares long
// random inputs with the definition.
#include "inkstamp/wildcard.h"

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <pthread.h>
#endif

#include "inkstamp/wildcard_reference.h"

namespace {

const char kFaxId[] = "APP0438B2C87FE62B9";

TEST(MatchWildcardTest, WholeTextMustMatch) {
  EXPECT_TRUE(matchWildcard(kFaxId, "APP*"));
  EXPECT_TRUE(matchWildcard(kFaxId, "*2B9"));
  EXPECT_TRUE(matchWildcard(kFaxId, "*C87*"));
  EXPECT_TRUE(matchWildcard(kFaxId, "APP?438*"));
  EXPECT_TRUE(matchWildcard(kFaxId, kFaxId));
  EXPECT_FALSE(matchWildcard(kFaxId, "APP"));
  EXPECT_FALSE(matchWildcard(kFaxId, "2B9"));
  EXPECT_FALSE(matchWildcard(kFaxId, "C87"));
  EXPECT_FALSE(matchWildcard("APP", kFaxId));
  // The greedy retry has to find a later occurrence of the tail.
  EXPECT_TRUE(matchWildcard("ab2B9x2B9", "*2B9"));
  EXPECT_FALSE(matchWildcard("ab2B9x2B", "*2B9"));
}

TEST(MatchWildcardTest, NullNeverMatches) {
  EXPECT_FALSE(matchWildcard(nullptr, "*"));
  EXPECT_FALSE(matchWildcard(nullptr, ""));
  EXPECT_FALSE(matchWildcard("", nullptr));
  EXPECT_FALSE(matchWildcard(kFaxId, nullptr));
  EXPECT_FALSE(matchWildcard(nullptr, nullptr));
}

TEST(MatchWildcardTest, OnlyCapitalLettersFold) {
  EXPECT_TRUE(matchWildcard("AZaz", "azAZ"));
  // Each pair is 0x20 apart, like a capital and its small letter, but neither
  // is a letter A-Z, so they must differ.
  const char* const kUnfolded[][2] = {
      {"@", "`"}, {"[", "{"},       {"\\", "|"},      {"]", "}"},
      {"^", "~"}, {"\xC9", "\xE9"}, {"\xDF", "\xFF"},
  };
  for (const auto& pair : kUnfolded) {
    EXPECT_FALSE(matchWildcard(pair[0], pair[1])) << pair[0];
    EXPECT_FALSE(matchWildcard(pair[1], pair[0])) << pair[0];
    EXPECT_TRUE(matchWildcard(pair[0], pair[0])) << pair[0];
  }
  // High bytes are characters like any other for the wildcards.
  EXPECT_TRUE(matchWildcard("\x80\xFF", "??"));
  EXPECT_TRUE(matchWildcard("x\xC9y", "*\xC9*"));
  EXPECT_FALSE(matchWildcard("x\xC9y", "*\xE9*"));
}

// Every string over `alphabet` of length 0 to maxLength, shortest first.
std::vector<std::string> allStrings(const std::string& alphabet, size_t maxLength) {
  std::vector<std::string> strings{""};
  for (size_t begin = 0; begin < strings.size(); ++begin) {
    if (strings[begin].size() == maxLength)
      continue;
    for (char c : alphabet)
      strings.push_back(strings[begin] + c);
  }
  return strings;
}

// Compares matchWildcard with the recursive definition on every pattern and
// text of the given alphabets and lengths; returns how many pairs matched.
size_t expectAgreementOnAll(const std::string& patternAlphabet, size_t maxPatternLength,
                            const std::string& textAlphabet, size_t maxTextLength) {
  const std::vector<std::string> patterns = allStrings(patternAlphabet, maxPatternLength);
  const std::vector<std::string> texts = allStrings(textAlphabet, maxTextLength);
  size_t matches = 0;
  size_t failures = 0;
  for (const std::string& pattern : patterns) {
    for (const std::string& text : texts) {
      const bool expected = wildcard_reference::match(text.c_str(), pattern.c_str());
      if (matchWildcard(text.c_str(), pattern.c_str()) != expected) {
        ADD_FAILURE() << "text \"" << text << "\" pattern \"" << pattern << "\": expected "
                      << expected;
        if (++failures == 20)
          return matches;
      }
      matches += expected;
    }
  }
  return matches;
}

// The alphabets cover a letter in both cases (folding either way), a letter
// that never matches, and `?` and `*` both as wildcards and as plain text.
TEST(MatchWildcardTest, AgreesWithDefinitionOnAllShortInputs) {
  const std::string kAll = "aAb?*";
  // Long patterns (many stars, runs of stars) against short texts ...
  size_t matches = expectAgreementOnAll(kAll, 6, kAll, 4);
  // ... and short patterns against long texts, where stars have many splits.
  matches += expectAgreementOnAll(kAll, 4, kAll, 6);
  // Guards against a comparison that passes because both sides never match.
  EXPECT_GT(matches, 100000u);
}

// `*a*a...*a` followed by `last`, with `stars` stars in all.
std::string starsPattern(int stars, const char* last) {
  std::string pattern;
  for (int i = 1; i < stars; ++i)
    pattern += "*a";
  return pattern + "*" + last;
}

TEST(MatchWildcardTest, ManyStarsOnALongTextStayFast) {
  const std::string text(5000, 'a');
  const auto start = std::chrono::steady_clock::now();
  // The recursive definition would try about 5000^29 splits before failing.
  EXPECT_FALSE(matchWildcard(text.c_str(), starsPattern(30, "b").c_str()));
  EXPECT_TRUE(matchWildcard(text.c_str(), starsPattern(30, "a").c_str()));
  EXPECT_TRUE(matchWildcard((text + "b").c_str(), starsPattern(30, "b").c_str()));
  EXPECT_FALSE(matchWildcard(text.c_str(), starsPattern(30, "?a?a?a?a?a?a?b").c_str()));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // A few million steps at most; generous enough for a sanitizer build.
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

// Runs `work` on a thread with a stack much smaller than the 1 MiB of a
// Windows console program, so that recursion per pattern character would
// crash. Elsewhere than POSIX it runs on the calling thread.
void runOnSmallStack(void (*work)(bool* result), bool* result) {
#ifdef _WIN32
  work(result);
#else
  struct Call {
    void (*work)(bool*);
    bool* result;
  } call{work, result};
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
  pthread_t thread;
  const int started = pthread_create(
      &thread, &attr,
      [](void* arg) -> void* {
        Call* c = static_cast<Call*>(arg);
        c->work(c->result);
        return nullptr;
      },
      &call);
  pthread_attr_destroy(&attr);
  ASSERT_EQ(started, 0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
#endif
}

// The longest pattern a Windows command line can carry.
constexpr size_t kLongest = 32767;

TEST(MatchWildcardTest, LongestPatternNeedsLittleStack) {
  // Literals with their case flipped, one `?` and a trailing star.
  bool results[6] = {};
  runOnSmallStack(
      [](bool* r) {
        std::string text(kLongest - 1, 'q');
        text[kLongest / 2] = 'R';
        std::string pattern(kLongest - 2, 'Q');
        pattern[kLongest / 2] = 'r';
        pattern[100] = '?';
        pattern += "?*";
        r[0] = matchWildcard(text.c_str(), pattern.c_str());
        r[1] = matchWildcard(text.substr(1).c_str(), pattern.c_str());
        // Alternating stars: `a*a*...*a*b`, one star less than half the length.
        std::string starry;
        while (starry.size() < kLongest - 1)
          starry += "a*";
        starry += 'b';
        std::string aText(kLongest / 2, 'a');
        r[2] = matchWildcard((aText + "b").c_str(), starry.c_str());
        r[3] = matchWildcard((aText + "c").c_str(), starry.c_str());
        r[4] = matchWildcard("", std::string(kLongest, '*').c_str());
        r[5] = matchWildcard("x", std::string(kLongest, '?').c_str());
      },
      results);
  EXPECT_TRUE(results[0]);
  EXPECT_FALSE(results[1]);
  EXPECT_TRUE(results[2]);
  EXPECT_FALSE(results[3]);
  EXPECT_TRUE(results[4]);
  EXPECT_FALSE(results[5]);
}

}  // namespace
