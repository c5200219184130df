// The property that faxlist exists for: on random stores and random inkstamp
// command lines, marks included, faxlist given the same arguments lists
// exactly the faxes, in exactly the order, that inkstamp then marks, names
// the marks that inkstamp sends to each, its counts are inkstamp's, and its
// calls are inkstamp's without the marking ones, and its patterns' counts add
// up to the faxes it lists, each warning on standard error as well; a command
// line that inkstamp refuses faxlist refuses with the same message, after a
// line with the reason.
//
// Each store is made once (and cached) from a seeded generator and serves
// many command lines: faxlist runs before inkstamp in each case, so both see
// the faxes as the previous case's marks left them, and no mark changes
// what selects a fax.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "faxclient/client_values.h"
#include "support/e2e_support.h"

namespace e2e {
namespace {

using namespace support;

const int kCasesPerStore = 60;
const int kFaxesPerStore = 36;

using Random = std::mt19937;

int below(Random& random, int n) {
  return static_cast<int>(random() % static_cast<unsigned>(n));
}

template <typename T>
const T& pick(Random& random, const std::vector<T>& values) {
  return values[below(random, static_cast<int>(values.size()))];
}

// Fax IDs shaped like a server's (a prefix, then hex digits in either case),
// often sharing prefixes and lengths so that '?' and '*' have something to
// tell apart.
std::string randomFaxId(Random& random) {
  static const std::vector<std::string> kPrefixes = {"APP04", "app04", "App0", "B000", "b000",
                                                     "BDF",   "X",     "A?",   "B*"};
  static const char kDigits[] = "0123456789ABCDEFabcdef";
  std::string id = pick(random, kPrefixes);
  int length = 1 + below(random, 6);
  for (int i = 0; i < length; ++i)
    id += kDigits[below(random, sizeof kDigits - 1)];
  return id;
}

// The faxsim commands of one random store: server faxsrv, user ALICE, and
// faxes in several folders, both directions, with tied and negative dates.
std::vector<std::vector<std::string>> randomStoreRecipe(unsigned seed,
                                                        std::vector<std::string>* ids) {
  Random random(seed);
  std::vector<std::vector<std::string>> recipe = {
      {"create"},
      {"add-server", "faxsrv", "--description", "Random " + std::to_string(seed)},
      {"add-user", "faxsrv", "ALICE"},
  };
  static const std::vector<std::string> kFolders = {"main", "main", "main", "Archive", "Main"};
  static const std::vector<std::string> kDates = {"-86400",     "0",          "1225703700",
                                                  "1225703700", "1228521600", "2147483647"};
  for (int i = 0; i < kFaxesPerStore; ++i) {
    std::string id = randomFaxId(random);
    ids->push_back(id);
    std::vector<std::string> command = {"add-fax",      "faxsrv",
                                        "ALICE",        id,
                                        "--handle",     std::to_string(1000 + i * 7919),
                                        "--folder",     pick(random, kFolders),
                                        "--date",       pick(random, kDates),
                                        "--pages",      std::to_string(below(random, 30) - 1),
                                        "--error-code", below(random, 5) == 0 ? "37" : "0"};
    // Random IDs may repeat, as a real server's may: both programs see both.
    command.push_back("--allow-duplicate");
    if (below(random, 2) == 0)
      command.push_back("--sent");
    if (below(random, 3) == 0)
      command.push_back("--viewed");
    recipe.push_back(command);
  }
  return recipe;
}

// A pattern that matches some of the store's IDs more often than chance:
// one of them with letters' case flipped, characters turned into '?' and a
// run turned into '*'; now and then a plain wildcard or a miss.
std::string randomPattern(Random& random, const std::vector<std::string>& ids) {
  switch (below(random, 8)) {
    case 0:
      return pick(random, std::vector<std::string>{"*", "**", "*?*", "?*", "b*", "APP*"});
    case 1:
      return "NOSUCH" + std::to_string(below(random, 100));
    default:
      break;
  }
  std::string pattern = pick(random, ids);
  for (char& c : pattern) {
    int roll = below(random, 10);
    if (roll == 0)
      c = '?';
    else if (roll == 1 && isalpha(static_cast<unsigned char>(c)))
      c = static_cast<char>(c ^ 0x20);
  }
  if (below(random, 2) == 0) {
    size_t from = below(random, static_cast<int>(pattern.size()) + 1);
    size_t count = below(random, static_cast<int>(pattern.size() - from) + 1);
    pattern.replace(from, count, "*");
  }
  return pattern;
}

struct OptionSet {
  std::vector<std::string> options;   // -s, -u, the selection options and the marks
  std::vector<std::string> patterns;  // empty: both programs refuse the command line
};

// One to three marking options, shuffled among the selection options; now
// and then a mark with its opposite, which both programs refuse.
std::vector<std::string> randomMarks(Random& random) {
  std::vector<std::string> marks;
  int count = 1 + below(random, 3);
  for (int i = 0; i < count; ++i)
    marks.push_back(faxclient::kMarkOptions[below(random, 13)].option);
  if (below(random, 12) == 0)
    marks.insert(marks.end(), {"-mp", "-np"});
  return marks;
}

OptionSet randomOptionSet(Random& random, const std::vector<std::string>& ids) {
  std::vector<std::string> singles;
  if (below(random, 2) == 0)
    singles.push_back("-a");
  for (const char* direction : {"-R", "-S"}) {
    if (below(random, 3) == 0)
      singles.push_back(direction);
  }
  // One sort option or two, the later winning, or none.
  static const std::vector<std::vector<std::string>> kSorts = {
      {}, {"-t"}, {"-tr"}, {"-t", "-tr"}, {"-tr", "-t"}};
  for (const std::string& sort : pick(random, kSorts))
    singles.push_back(sort);
  for (const std::string& mark : randomMarks(random))
    singles.insert(singles.begin() + below(random, static_cast<int>(singles.size()) + 1), mark);
  OptionSet set;
  set.options = {"-s", "faxsrv", "-u", "alice"};
  set.options.insert(set.options.end(), singles.begin(), singles.end());
  if (below(random, 10) != 0) {
    int count = 1 + below(random, 3);
    for (int i = 0; i < count; ++i)
      set.patterns.push_back(randomPattern(random, ids));
  }
  return set;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

// The fax IDs of faxlist's table rows, in order.
std::vector<std::string> listedIds(const std::string& out) {
  std::vector<std::string> ids;
  bool inTable = false;
  for (const std::string& line : linesOf(out)) {
    if (line.starts_with("Fax ID ")) {
      inTable = true;
    } else if (inTable && line.empty()) {
      break;
    } else if (inTable) {
      ids.push_back(line.substr(0, line.find(' ')));
    }
  }
  return ids;
}

// The fax IDs of inkstamp's progress lines ("N/M ID"), in order.
std::vector<std::string> markedIds(const std::string& out) {
  std::vector<std::string> ids;
  for (const std::string& line : linesOf(out)) {
    size_t blank = line.find(' ');
    if (blank != std::string::npos && blank > 0 && line.find_first_not_of("0123456789/") == blank &&
        line.find('/') < blank)
      ids.push_back(line.substr(blank + 1));
  }
  return ids;
}

// The summary's "name:value" counts, from the line that begins "faxes:" on.
std::map<std::string, std::string> summaryCounts(const std::string& out) {
  std::map<std::string, std::string> counts;
  size_t start = out.rfind("\nfaxes:");
  if (start == std::string::npos)
    return counts;
  std::vector<std::string> lines = linesOf(out.substr(start + 1));
  for (size_t i = 0; i < 2 && i < lines.size(); ++i) {
    std::istringstream words(lines[i]);
    for (std::string word; words >> word;) {
      size_t colon = word.find(':');
      if (colon != std::string::npos)
        counts[word.substr(0, colon)] = word.substr(colon + 1);
    }
  }
  // inkstamp's marking counts have no counterpart in a listing.
  counts.erase("marked");
  counts.erase("failed");
  return counts;
}

std::string withoutMarkingCalls(const std::string& trace) {
  std::string kept;
  for (const std::string& line : linesOf(trace)) {
    if (!line.starts_with("RFaxLoadFax3(") && !line.starts_with("InkStampFax("))
      kept += line + "\n";
  }
  return kept;
}

// What a refused command line prints between the library's version line
// and the usage text: the same in both programs.
std::string refusal(const std::string& out) {
  size_t version = out.find("RightFax API version: ");
  size_t from = out.find('\n', version) + 1;
  size_t usage = out.find("usage:  ", from);
  return version == std::string::npos || usage == std::string::npos
             ? "no refusal"
             : out.substr(from, usage - from);
}

// The sum of the "pattern P: N fax(es)" lines' counts, and faxlist's
// warnings, which standard error repeats.
int patternCountSum(const std::string& out) {
  int sum = 0;
  for (const std::string& line : linesOf(out)) {
    size_t colon = line.rfind(": ");
    if (line.starts_with("pattern ") && colon != std::string::npos)
      sum += std::stoi(line.substr(colon + 2));
  }
  return sum;
}

std::string warnings(const std::string& out) {
  std::string kept;
  for (const std::string& line : linesOf(out)) {
    if (line.starts_with("faxlist: warning: "))
      kept += line + "\n";
  }
  return kept;
}

// The marks that faxlist names, and the names of the codes that inkstamp
// sent to the first fax it marked.
std::string namedMarks(const std::string& out) {
  const std::string kPrefix = "Marks inkstamp would send: ";
  for (const std::string& line : linesOf(out)) {
    if (line.starts_with(kPrefix))
      return line.substr(kPrefix.size());
  }
  return "";
}

std::string sentMarks(const std::string& trace) {
  std::string names;
  bool loaded = false;
  for (const std::string& line : linesOf(trace)) {
    if (line.starts_with("RFaxLoadFax3(")) {
      if (loaded)
        break;
      loaded = true;
    } else if (loaded && line.starts_with("InkStampFax(")) {
      int code = std::stoi(line.substr(line.rfind(", ") + 2));
      for (const faxclient::MarkOption& named : faxclient::kMarkOptions) {
        if (named.code == code)
          names += (names.empty() ? "" : ", ") + std::string(named.name);
      }
    }
  }
  return names;
}

std::string describe(const OptionSet& set) {
  std::string text;
  for (const std::string& word : set.options)
    text += word + " ";
  for (const std::string& pattern : set.patterns)
    text += "'" + pattern + "' ";
  return text;
}

class FaxlistSelectionTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(FaxlistSelectionTest, ListsExactlyWhatInkstampMarks) {
  unsigned seed = GetParam();
  SimStore store;
  ASSERT_TRUE(store.ok());
  std::vector<std::string> ids;
  ASSERT_TRUE(store.createFrom(randomStoreRecipe(seed, &ids)))
      << store.lastFaxsim().describe() << store.lastFaxsim().out;

  Random random(seed * 7 + 1);
  int casesSelectingSome = 0, casesSkippingSome = 0, refusedCases = 0;
  for (int i = 0; i < kCasesPerStore; ++i) {
    OptionSet set = randomOptionSet(random, ids);
    SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i) + ": " +
                 describe(set));
    std::vector<std::string> arguments = set.options;
    arguments.insert(arguments.end(), set.patterns.begin(), set.patterns.end());

    ProgramRun listed = runFaxlistAgainst(store, arguments);
    ProgramRun marked = runAgainst(store, arguments);
    ASSERT_EQ(listed.status(), marked.status()) << listed.out() << marked.out();
    if (marked.status() == 255) {
      std::string listedRefusal = refusal(listed.out());
      EXPECT_TRUE(listedRefusal.starts_with("faxlist: inkstamp would refuse this command: "))
          << listedRefusal;
      EXPECT_EQ(listedRefusal.substr(listedRefusal.find('\n') + 1), refusal(marked.out()));
      EXPECT_EQ(listed.trace, marked.trace);
      ++refusedCases;
      continue;
    }
    ASSERT_EQ(marked.status(), 0) << marked.process.describe() << marked.out();

    std::vector<std::string> faxes = listedIds(listed.out());
    EXPECT_EQ(faxes, markedIds(marked.out())) << listed.out() << marked.out();
    std::map<std::string, std::string> counts = summaryCounts(listed.out());
    EXPECT_EQ(counts.size(), 8u) << listed.out();
    EXPECT_EQ(counts, summaryCounts(marked.out()));
    EXPECT_EQ(listed.trace, withoutMarkingCalls(marked.trace));
    EXPECT_EQ(patternCountSum(listed.out()), std::stoi(counts["faxes"])) << listed.out();
    EXPECT_EQ(listed.process.err, warnings(listed.out()));
    EXPECT_EQ(callsOf(listed.trace, "RFaxLoadFax3") + callsOf(listed.trace, "InkStampFax"), "");
    if (!faxes.empty()) {
      EXPECT_EQ(namedMarks(listed.out()), sentMarks(marked.trace));
    }
    if (HasFailure())
      return;  // one case's report is enough to go on
    casesSelectingSome += faxes.empty() ? 0 : 1;
    casesSkippingSome += counts["skipped"] != "0" ? 1 : 0;
  }
  // The generator must keep the property from holding vacuously.
  EXPECT_GT(casesSelectingSome, kCasesPerStore / 3);
  EXPECT_GT(casesSkippingSome, kCasesPerStore / 3);
  EXPECT_GT(refusedCases, 0);
}

INSTANTIATE_TEST_SUITE_P(RandomStores, FaxlistSelectionTest, ::testing::Values(11u, 23u, 37u, 41u));

}  // namespace
}  // namespace e2e
