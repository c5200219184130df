// What inkstamp's own logic costs: one marking run over 100,000 faxes with
// two marks each, once as the bare client calls of such a run (the floor)
// and once through the program's entry point, on the same simulated store.
// The program's output goes to /dev/null through stdio's full buffering, so
// only the program's own flushes reach the system.
//
// Each run takes seconds, so each benchmark runs once per repetition; run
// with random interleaving, so that all see the same machine:
//   marking_run_bench --benchmark_repetitions=5
//                     --benchmark_enable_random_interleaving=true
// and compare the minima (or medians): the program should stay within 5% of
// the floor. A third benchmark adds to the floor only the output that the
// program must make, one flush per fax included, to show what that costs; a
// fourth runs floor and program in pairs and reports each pair's ratio, the
// figure to read on a busy machine (--benchmark_filter=Ratio).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <chrono>
#include <memory>

#include "inkstamp/identity.h"
#include "inkstamp/mark_program.h"
#include "marking_floor.h"
#include "support/temp_store.h"

namespace {

using support::TempStore;

constexpr int64_t kFaxes = 100000;

// Printed (3) then viewed (0): what -mp -mv sends, in that order.
const char* const kProgramArguments[] = {"inkstamp", "-s",  "faxsrv", "-u",   "alice",
                                         "-mp",      "-mv", "*",      nullptr};

// One store for the whole program: making it takes longer than a run.
TempStore* benchStore() {
  static std::unique_ptr<TempStore> store;
  if (!store) {
    store = std::make_unique<TempStore>();
    bool ok = store->ok() && store->addServer("faxsrv", "Benchmark server") &&
              store->addUser("faxsrv", "ALICE", "BENCH", "Alice") &&
              store->addFaxes("faxsrv", "ALICE", 1, kFaxes);
    store->closeDb();
    if (!ok)
      store.reset(new TempStore(TempStore::Contents::kNothing));
  }
  return store->ok() ? store.get() : nullptr;
}

// Whether the store could be made; if not, the benchmark is skipped.
bool haveStore(benchmark::State& state) {
  if (benchStore() != nullptr)
    return true;
  state.SkipWithError("no store");
  return false;
}

// The floor's calls for what the program's runs ask: `-mp -mv` on every fax.
FloorRequest printedRequest() {
  FloorRequest request;
  request.markCodes = {3, 0};
  return request;
}

void BM_MarkingRunFloor(benchmark::State& state) {
  if (!haveStore(state))
    return;
  FloorRequest request = printedRequest();
  FloorCounts counts;
  for (auto _ : state) {
    if (!runMarkingFloor(request, &counts) || counts.marked != kFaxes) {
      state.SkipWithError("the floor run did not mark every fax");
      break;
    }
  }
  state.counters["faxes"] = static_cast<double>(counts.marked);
}
BENCHMARK(BM_MarkingRunFloor)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The floor plus the output the program must make for each fax: its progress
// and closing lines, flushed once per fax. What inkstamp costs beyond this is
// the rest of its logic.
void BM_MarkingRunFloorWithOutput(benchmark::State& state) {
  if (!haveStore(state))
    return;
  FILE* null = fopen("/dev/null", "w");
  FloorRequest request = printedRequest();
  request.progress = null;
  FloorCounts counts;
  for (auto _ : state) {
    if (!runMarkingFloor(request, &counts) || counts.marked != kFaxes) {
      state.SkipWithError("the floor run did not mark every fax");
      break;
    }
  }
  fclose(null);
  state.counters["faxes"] = static_cast<double>(counts.marked);
}
BENCHMARK(BM_MarkingRunFloorWithOutput)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Runs inkstamp's entry point with standard output on /dev/null.
int runProgramQuietly() {
  fflush(stdout);
  int saved = dup(STDOUT_FILENO);
  int null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);
  close(null);
  char* argv[sizeof kProgramArguments / sizeof *kProgramArguments];
  for (size_t i = 0; i < sizeof argv / sizeof *argv; ++i)
    argv[i] = const_cast<char*>(kProgramArguments[i]);
  int status = runProgram<MarkProgram>(kInkStampIdentity,
                                       static_cast<int>(sizeof argv / sizeof *argv) - 1, argv);
  fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  return status;
}

void BM_MarkingRunInkStamp(benchmark::State& state) {
  if (!haveStore(state))
    return;
  for (auto _ : state) {
    if (runProgramQuietly() != 0) {
      state.SkipWithError("inkstamp failed");
      break;
    }
  }
  state.counters["faxes"] = static_cast<double>(kFaxes);
}
BENCHMARK(BM_MarkingRunInkStamp)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor and the program back to back, in alternating order, reporting
// the ratio of their times: on a shared machine a pair sees much the same
// conditions, so the median ratio of several pairs is steadier than the
// ratio of separate figures.
void BM_MarkingRunRatio(benchmark::State& state) {
  if (!haveStore(state))
    return;
  FloorRequest request = printedRequest();
  FloorCounts counts;
  static int pairs = 0;
  for (auto _ : state) {
    double floorSeconds = 0;
    double programSeconds = 0;
    for (int turn = 0; turn < 2; ++turn) {
      auto start = std::chrono::steady_clock::now();
      if ((turn + pairs) % 2 == 0) {
        runMarkingFloor(request, &counts);
        floorSeconds = secondsSince(start);
      } else {
        runProgramQuietly();
        programSeconds = secondsSince(start);
      }
    }
    ++pairs;
    state.SetIterationTime(programSeconds);
    state.counters["floor_s"] = floorSeconds;
    state.counters["ratio"] = programSeconds / floorSeconds;
  }
}
BENCHMARK(BM_MarkingRunRatio)->Iterations(1)->Unit(benchmark::kSecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
  // The program writes through stdio as it would to a file or pipe: fully
  // buffered, flushed where it flushes. (A terminal would make stdout line
  // buffered for the whole process.)
  setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
