// Figures for the simulator library: marks per second, each committed before
// the call returns, and fetching plus walking (and sorting) a long fax list.
#include <benchmark/benchmark.h>

#include "faxclient/faxclient.h"
#include "support/temp_store.h"

namespace {

using support::TempStore;

// A store with server "faxsrv" and `faxes` faxes of user ALICE, and a server
// handle on it; everything is closed when it leaves scope.
class BenchStore {
 public:
  explicit BenchStore(int64_t faxes) {
    ok_ = store_.ok() && store_.addServer("faxsrv") && store_.addUser("faxsrv", "ALICE") &&
          store_.addFaxes("faxsrv", "ALICE", 1, faxes);
    store_.closeDb();
    RFaxError code = 0;
    server_ = ok_ ? RFaxCreateServerHandle("faxsrv", 4, &code) : 0;
  }
  ~BenchStore() {
    if (server_ != 0)
      RFaxCloseServerHandle(server_);
  }
  RFaxServerHandle server() const { return server_; }

 private:
  TempStore store_;
  bool ok_ = false;
  RFaxServerHandle server_ = 0;
};

void BM_MarkWithCommit(benchmark::State& state) {
  constexpr uint32_t kFaxes = 10000;
  BenchStore store(kFaxes);
  if (store.server() == 0) {
    state.SkipWithError("no store");
    return;
  }
  uint32_t fax = 1;
  uint16_t code = 3;  // printed; then 4, not printed, on the next round
  for (auto _ : state) {
    if (InkStampFax(store.server(), fax, code) != 0) {
      state.SkipWithError("mark failed");
      break;
    }
    fax = fax % kFaxes + 1;
    if (fax == 1)
      code = code == 3 ? 4 : 3;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MarkWithCommit)->Unit(benchmark::kMicrosecond);

int32_t RFAXAPI byDate(const FaxListElement* left, const FaxListElement* right) {
  return left->date < right->date ? -1 : left->date > right->date;
}

// Fetches the list, optionally sorts it, and walks every element.
void fetchAndWalk(benchmark::State& state, bool sort) {
  const int64_t faxes = state.range(0);
  BenchStore store(faxes);
  if (store.server() == 0) {
    state.SkipWithError("no store");
    return;
  }
  for (auto _ : state) {
    RFaxListHandle list = 0;
    if (RFaxGetFaxList(store.server(), "ALICE", 1, 0xFFFF, 0, &list) != 0 ||
        (sort && RFaxListSort(list, byDate) != 0)) {
      state.SkipWithError("fetch failed");
      break;
    }
    FaxListElement* element = nullptr;
    int64_t walked = 0;
    uint64_t pages = 0;
    for (RFaxError error = RFaxListGetFirstElementPtr(list, &element); error == 0;
         error = RFaxListGetNextElementPtr(list, &element)) {
      pages += element->pages;
      ++walked;
    }
    benchmark::DoNotOptimize(pages);
    RFaxCloseListHandle(list);
    if (walked != faxes) {
      state.SkipWithError("short walk");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * faxes);
}

void BM_FetchAndWalk(benchmark::State& state) {
  fetchAndWalk(state, false);
}
BENCHMARK(BM_FetchAndWalk)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FetchSortAndWalk(benchmark::State& state) {
  fetchAndWalk(state, true);
}
BENCHMARK(BM_FetchSortAndWalk)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
