// Peak memory of inkstamp over growing fax lists: the executable's maximum
// resident set (getrusage RUSAGE_CHILDREN, taken in a helper process that
// runs nothing else) beside that of marking_floor, which makes the same
// client calls without the program's logic. The simulator keeps a snapshot
// of the list, 256 bytes per fax, and SQLite's page cache and memory map,
// which grow with the store up to their limits; what inkstamp uses beyond
// the floor is its own, and it should not grow with the list.
//
//   peak_memory [--full] [--inkstamp PATH] [--floor PATH]
//
// Each run selects 9 faxes (pattern FAX00000?, handles 1 to 9) and marks
// them printed. --full adds runs of inkstamp and of marking_floor over the
// 1,000,000 faxes with every fax selected and one mark, with their times and
// peak memory.
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/temp_store.h"

namespace {

using support::TempStore;

struct Measurement {
  int status = -1;        // exit status, -1 when it did not exit normally
  long peakKb = 0;        // ru_maxrss
  double seconds = 0;     // wall time
  double cpuSeconds = 0;  // user and system time
};

double now() {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// In the helper process: runs the program with its output on /dev/null and
// reports what getrusage says of its one child.
[[noreturn]] void measureInHelper(const std::vector<std::string>& command, int report) {
  std::vector<char*> argv;
  for (const std::string& word : command)
    argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  Measurement measurement;
  double start = now();
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child) {
    measurement.seconds = now() - start;
    measurement.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    struct rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    measurement.peakKb = usage.ru_maxrss;
    measurement.cpuSeconds =
        static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  ssize_t written = write(report, &measurement, sizeof measurement);
  _exit(written == static_cast<ssize_t>(sizeof measurement) ? 0 : 1);
}

// Runs `command` in a fresh helper, so that RUSAGE_CHILDREN covers that one
// run only.
Measurement measure(const std::vector<std::string>& command) {
  Measurement measurement;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    return measurement;
  fflush(stdout);
  pid_t helper = fork();
  if (helper == 0) {
    close(pipeEnds[0]);
    measureInHelper(command, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  if (helper > 0 && read(pipeEnds[0], &measurement, sizeof measurement) != sizeof measurement)
    measurement = Measurement();
  close(pipeEnds[0]);
  if (helper > 0)
    waitpid(helper, nullptr, 0);
  return measurement;
}

bool fillStore(TempStore& store, int64_t faxes) {
  bool ok = store.ok() && store.addServer("faxsrv", "Benchmark server") &&
            store.addUser("faxsrv", "ALICE", "BENCH", "Alice") &&
            store.addFaxes("faxsrv", "ALICE", 1, faxes);
  store.closeDb();
  return ok;
}

struct Programs {
  std::string inkstamp = INKSTAMP_PATH;
  std::string floor = MARKING_FLOOR_PATH;
};

void printRow(int64_t faxes, const Measurement& program, const Measurement& floor) {
  long listKb = static_cast<long>(faxes * 256 / 1024);
  printf("%9lld %9ld %12ld %3d %10ld %3d %12ld %12ld\n", static_cast<long long>(faxes), listKb,
         program.peakKb, program.status, floor.peakKb, floor.status, program.peakKb - floor.peakKb,
         program.peakKb - listKb);
}

bool runSize(const Programs& programs, int64_t faxes, bool full) {
  TempStore store;
  if (!fillStore(store, faxes)) {
    fprintf(stderr, "peak_memory: can't make a store of %lld faxes\n",
            static_cast<long long>(faxes));
    return false;
  }
  Measurement program =
      measure({programs.inkstamp, "-s", "faxsrv", "-u", "alice", "-mp", "FAX00000?"});
  Measurement floor = measure({programs.floor, "faxsrv", "alice", "9", "3"});
  printRow(faxes, program, floor);
  if (!full)
    return program.status == 0 && floor.status == 0;
  // Two rounds, alternating, since the first pass over a fresh store and a
  // busy machine both cost time that is not the program's.
  printf("\nFull runs over %lld faxes, all selected, one mark:\n", static_cast<long long>(faxes));
  double fastest[2] = {1e9, 1e9};
  double leastCpu[2] = {1e9, 1e9};
  bool ok = true;
  for (int round = 1; round <= 2; ++round) {
    Measurement runs[2] = {
        measure({programs.inkstamp, "-s", "faxsrv", "-u", "alice", "-mp", "*"}),
        measure({programs.floor, "faxsrv", "alice", "4294967295", "3"}),
    };
    for (int i = 0; i < 2; ++i) {
      printf("  %-13s %6.1f s (%.1f s processor), peak %ld KB, status %d\n",
             i == 0 ? "inkstamp" : "marking_floor", runs[i].seconds, runs[i].cpuSeconds,
             runs[i].peakKb, runs[i].status);
      fastest[i] = runs[i].seconds < fastest[i] ? runs[i].seconds : fastest[i];
      leastCpu[i] = runs[i].cpuSeconds < leastCpu[i] ? runs[i].cpuSeconds : leastCpu[i];
      ok = ok && runs[i].status == 0;
    }
  }
  printf("  fastest: inkstamp %.1f s, floor %.1f s, ratio %.3f\n", fastest[0], fastest[1],
         fastest[0] / fastest[1]);
  printf("  least processor time: inkstamp %.1f s, floor %.1f s, ratio %.3f\n", leastCpu[0],
         leastCpu[1], leastCpu[0] / leastCpu[1]);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  Programs programs;
  bool full = false;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--full") == 0) {
      full = true;
    } else if (strcmp(argv[i], "--inkstamp") == 0 && i + 1 < argc) {
      programs.inkstamp = argv[++i];
    } else if (strcmp(argv[i], "--floor") == 0 && i + 1 < argc) {
      programs.floor = argv[++i];
    } else {
      fprintf(stderr, "usage: peak_memory [--full] [--inkstamp PATH] [--floor PATH]\n");
      return 2;
    }
  }
  printf("Peak resident memory in KB; 9 faxes selected and marked in each run.\n\n");
  printf("%9s %9s %12s %3s %10s %3s %12s %12s\n", "faxes", "list", "inkstamp", "st", "floor", "st",
         "ink-floor", "ink-list");
  bool ok = true;
  for (int64_t faxes : {10000, 100000, 1000000})
    ok = runSize(programs, faxes, full && faxes == 1000000) && ok;
  return ok ? 0 : 1;
}
