// Speed of the fax-ID pattern matcher against the naive recursive definition:
// typical fax IDs with typical patterns, timed side by side (read the medians
// of BM_Typical's matcher_ns, reference_ns and ratio), and the star-heavy
// family `*a*a...*a*b` against `aaa...a`, where the recursive definition needs time
// growing as the text length raised to the number of stars. The recursive runs
// stop at a step budget; for those the exact number of steps a full run would
// take is reported, with an estimate of its time. A last family shows the
// matcher's own worst case, which grows as text length times pattern length.
#include <stdint.h>
#include <time.h>

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "inkstamp/wildcard.h"
#include "inkstamp/wildcard_reference.h"

namespace {

struct Case {
  const char* text;
  const char* pattern;
};

const Case kTypical[] = {
    {"APP0438B2C87FE62B9", "APP*"},
    {"APP0438B2C87FE62B9", "*2B9"},
    {"APP0438B2C87FE62B9", "*C87*"},
    {"APP0438B2C87FE62B9", "APP?438*"},
    {"APP0438B2C87FE62B9", "B00040?E2"},
    {"B000409E2", "B00040?E2"},
    {"B000409E2", "APP*"},
    {"B000409E2", "*2B9"},
};
constexpr int kTypicalCount = sizeof(kTypical) / sizeof(kTypical[0]);

// Both matchers are called through pointers the compiler cannot see through:
// the program calls matchWildcard out of line, and an inlined reference would
// be credited with savings that have nothing to do with how it matches.
bool referenceMatch(const char* text, const char* pattern) {
  return wildcard_reference::match(text, pattern);
}
bool (*volatile matcherEntry)(const char*, const char*) = matchWildcard;
bool (*volatile referenceEntry)(const char*, const char*) = referenceMatch;

// Processor time of this thread, so that other load on the machine does not
// count against either matcher.
double threadSeconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times `calls` calls of `match` on one case, in seconds.
double timeCalls(bool (*match)(const char*, const char*), const Case& c, int calls) {
  const double start = threadSeconds();
  for (int i = 0; i < calls; ++i)
    benchmark::DoNotOptimize(match(c.text, c.pattern));
  return threadSeconds() - start;
}

// The matcher and the reference side by side on one typical case: each
// iteration times a batch of each, the first of the pair alternating, so
// that both see the same state of the machine. Reported per call, with the
// matcher's time as a share of the reference's (`ratio`, at most 1 when the
// matcher is no slower). Run with repetitions and read the medians.
void BM_Typical(benchmark::State& state) {
  const Case& c = kTypical[state.range(0)];
  constexpr int kBatch = 2000;
  double matcher = 0;
  double reference = 0;
  bool matcherFirst = true;
  for (auto _ : state) {
    if (matcherFirst) {
      matcher += timeCalls(matcherEntry, c, kBatch);
      reference += timeCalls(referenceEntry, c, kBatch);
    } else {
      reference += timeCalls(referenceEntry, c, kBatch);
      matcher += timeCalls(matcherEntry, c, kBatch);
    }
    matcherFirst = !matcherFirst;
  }
  const double calls = static_cast<double>(state.iterations()) * kBatch;
  state.counters["matcher_ns"] = matcher / calls * 1e9;
  state.counters["reference_ns"] = reference / calls * 1e9;
  state.counters["ratio"] = matcher / reference;
  state.SetLabel(std::string(c.pattern) + " ~ " + c.text);
}
BENCHMARK(BM_Typical)
    ->DenseRange(0, kTypicalCount - 1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// `*a*a...*a*b` with `stars` stars: never matches a text of a's, and every
// star but the last can sit before any of them.
std::string starFamilyPattern(int64_t stars) {
  std::string pattern;
  for (int64_t i = 1; i < stars; ++i)
    pattern += "*a";
  pattern += "*b";
  return pattern;
}

void BM_StarFamilyMatcher(benchmark::State& state) {
  const std::string pattern = starFamilyPattern(state.range(0));
  const std::string text(state.range(1), 'a');
  for (auto _ : state)
    benchmark::DoNotOptimize(matchWildcard(text.c_str(), pattern.c_str()));
}
BENCHMARK(BM_StarFamilyMatcher)
    ->ArgNames({"k", "n"})
    ->ArgsProduct({{1, 2, 4, 8, 12}, {40}})
    ->Args({12, 400})
    ->Args({12, 4000})
    ->Args({30, 5000});

// The matcher's own worst case: a segment between stars that almost matches
// at every text position, `*aa...ab*` (s a's) against `aaa...a` (n a's),
// costs about n * s steps.
void BM_MatcherWorstCase(benchmark::State& state) {
  // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about a
  // chain of string concatenations here.
  std::string pattern = "*";
  pattern.append(state.range(0), 'a');
  pattern += "b*";
  const std::string text(state.range(1), 'a');
  for (auto _ : state)
    benchmark::DoNotOptimize(matchWildcard(text.c_str(), pattern.c_str()));
  // n * s per second: flat when the cost is proportional to n * s.
  state.counters["n_x_s"] = benchmark::Counter(static_cast<double>(state.range(0) * state.range(1)),
                                               benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_MatcherWorstCase)
    ->ArgNames({"s", "n"})
    ->Args({10, 1000})
    ->Args({100, 1000})
    ->Args({100, 10000})
    ->Args({1000, 10000})
    ->Unit(benchmark::kMicrosecond);

// How many steps the recursive definition takes on (text, pattern), counted
// without running it: the step from a given pair of positions always takes
// the same steps and gives the same answer, so each pair is worked out once.
class StepCounter {
 public:
  StepCounter(const std::string& text, const std::string& pattern)
      : text_(text), pattern_(pattern), memo_((text.size() + 1) * (pattern.size() + 1)) {}

  double count() { return visit(0, 0).steps; }

 private:
  struct Outcome {
    bool known = false;
    bool matched = false;
    double steps = 0;
  };

  Outcome visit(size_t t, size_t p) {
    Outcome& memo = memo_[t * (pattern_.size() + 1) + p];
    if (!memo.known)
      memo = work(t, p);
    return memo;
  }

  Outcome work(size_t t, size_t p) {
    Outcome result{true, false, 1};
    if (p == pattern_.size()) {
      result.matched = t == text_.size();
    } else if (pattern_[p] == '*') {
      for (size_t k = text_.size() + 1; k-- > t && !result.matched;) {
        const Outcome next = visit(k, p + 1);
        result.steps += next.steps;
        result.matched = next.matched;
      }
    } else if (t < text_.size() && (pattern_[p] == '?' || wildcard_reference::fold(pattern_[p]) ==
                                                              wildcard_reference::fold(text_[t]))) {
      const Outcome next = visit(t + 1, p + 1);
      result.steps += next.steps;
      result.matched = next.matched;
    }
    return result;
  }

  const std::string& text_;
  const std::string& pattern_;
  std::vector<Outcome> memo_;
};

// About a tenth of a second of recursion per run.
constexpr uint64_t kReferenceBudget = 30000000;

void BM_StarFamilyReference(benchmark::State& state) {
  const std::string pattern = starFamilyPattern(state.range(0));
  const std::string text(state.range(1), 'a');
  wildcard_reference::StepBudget budget;
  // Processor time, so that other load on the machine does not inflate the
  // estimate of a full run.
  const clock_t start = clock();
  for (auto _ : state) {
    budget = wildcard_reference::StepBudget();
    budget.limit = kReferenceBudget;
    benchmark::DoNotOptimize(wildcard_reference::match(text.c_str(), pattern.c_str(), &budget));
  }
  const double elapsed = static_cast<double>(clock() - start) / CLOCKS_PER_SEC;
  const double needed = StepCounter(text, pattern).count();
  const double secondsPerStep =
      elapsed / static_cast<double>(state.iterations()) / static_cast<double>(budget.taken);
  state.counters["steps_run"] = static_cast<double>(budget.taken);
  state.counters["steps_needed"] = needed;
  state.counters["full_run_s"] = needed * secondsPerStep;
  if (budget.exhausted)
    state.SetLabel("stopped at the step budget");
}
BENCHMARK(BM_StarFamilyReference)
    ->ArgNames({"k", "n"})
    ->ArgsProduct({{1, 2, 4, 8, 12}, {40}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
