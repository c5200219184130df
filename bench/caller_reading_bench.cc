// What reading the comparison's caller costs per sort, on the i686 code as
// the 32-bit build links it, run under the x86 emulator (so on any host):
// a sort's worth of comparisons called Microsoft's way (push, push, call,
// add $8, %esp) through the adapter that reads its caller at the first call
// and dispatches on the decision at every call, against the same calls
// straight into the __cdecl adapter, which the program handed over before
// the caller was read. The "instructions" counter is exact and does not
// depend on the machine; the times are the emulator's, so read their ratio,
// not their nanoseconds.
#include <benchmark/benchmark.h>

#include "faxclient/i686_machine.h"
#include "i686_code.h"

namespace {

// int32_t compare(left, right): left - right, plain __cdecl code.
const std::vector<uint8_t> kPlainCompare = {0x8B, 0x44, 0x24, 0x04, 0x2B, 0x44, 0x24, 0x08, 0xC3};

// A caller that makes `comparisons` calls of `target`, counting in %esi,
// which the adapters keep.
std::vector<uint8_t> sortingCaller(uint32_t target, uint32_t comparisons) {
  std::vector<uint8_t> code = {0xBE};  // mov $comparisons, %esi
  auto word = [&code](uint32_t value) {
    for (int i = 0; i < 4; ++i)
      code.push_back(uint8_t(value >> (8 * i)));
  };
  word(comparisons);
  const size_t loop = code.size();
  code.push_back(0x68);  // push $right
  word(0x2000);
  code.push_back(0x68);  // push $left
  word(0x1000);
  code.push_back(0xB8);  // mov $target, %eax
  word(target);
  code.insert(code.end(),
              {0xFF, 0xD0, 0x83, 0xC4, 0x08, 0x4E});  // call *%eax; add $8, %esp; dec %esi
  code.push_back(0x75);                               // jnz loop
  code.push_back(uint8_t(loop - (code.size() + 1)));
  return code;
}

void sort(benchmark::State& state, uint32_t target) {
  I686Machine machine;
  if (!machine.ready()) {
    state.SkipWithError("the emulator could not be set up");
    return;
  }
  machine.setWord(i686_code::kSortCompare, machine.place(kPlainCompare));
  const uint32_t comparisons = uint32_t(state.range(0));
  const std::vector<uint8_t> caller = sortingCaller(target, comparisons);
  const uint32_t begin = machine.place(caller);
  const uint32_t end = begin + uint32_t(caller.size());
  uint64_t instructions = 0;
  machine.setWord(i686_code::kSortPop, uint32_t(-1));
  if (!machine.run(begin, end, I686Machine::kStackTop, &instructions)) {
    state.SkipWithError("the sort did not come back");
    return;
  }
  for (auto _ : state) {
    machine.setWord(i686_code::kSortPop, uint32_t(-1));  // a new sort
    machine.run(begin, end, I686Machine::kStackTop);
  }
  state.counters["instructions"] = double(instructions);
  state.counters["comparisons"] = double(comparisons);
}

// The program's adapter: reads the caller once per sort.
void BM_SortReadingTheCaller(benchmark::State& state) {
  sort(state, i686_code::kLibraryCompare);
}
// The __cdecl adapter called directly: no reading, no dispatch.
void BM_SortWithAFixedAdapter(benchmark::State& state) {
  sort(state, i686_code::kCdeclCompare);
}

// 1, and about n log2 n comparisons for 100 and 10,000 elements.
BENCHMARK(BM_SortReadingTheCaller)->Arg(1)->Arg(700)->Arg(133000);
BENCHMARK(BM_SortWithAFixedAdapter)->Arg(1)->Arg(700)->Arg(133000);

}  // namespace

BENCHMARK_MAIN();
