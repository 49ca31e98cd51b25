// The board's per-frame cost on the fake backend with recording off: refresh over a full table,
// and one whole board frame with the table of visible entries full. Allocations are counted: a
// frame must make none.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/loop.h"
#include "app/state.h"
#include "board/board.h"
#include "interaction/menu.h"
#include "board/visible.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "tests/fake_platform/fake.h"

namespace {
std::atomic<long> allocations{0};
}

// Counting replacements of the global allocation functions; GCC cannot see that these match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Nubo started on an empty sheet, then `count` items laid from `from` days after today over
// `spread` days.
void board(int count, int from, int spread) {
    fake::reset();
    fake::setdate("11 Dec 2026");
    nubo::startup();
    const int T = nubo::giornoattuale;
    for (int i = 0; i < count; i++) {
        const int first = T + from + (i * 7) % spread;
        nubo::giornoinizio[i] = first;
        nubo::giornofine[i] = first + i % 4;
        nubo::verticale[i] = 20 + (i * 37) % 680;
        nubo::stato[i] = static_cast<unsigned char>(i % 5 == 0 ? 6 : 1 + i % 3);
        nubo::link[i] = i % 6 == 5 ? i - 1 : -1;
        nubo::tag[i] = static_cast<unsigned char>(i % 11);
        nubo::telefono[i] = "+39 055 123 4567";
        nubo::riga1[i] = "Fix the boiler in room " + std::to_string(i);
        nubo::riga2[i] = "call the plumber first, then the electrician and the painter";
        nubo::riga3[i] = "bring the valves";
        nubo::riga4[i] = "a fourth line";
    }
    nubo::indice = count;
    fake::setrecording(false);
}

// Every item looked at, few recorded: items spread over the next three years.
void BM_Refresh999(benchmark::State& state) {
    board(999, -7, 1000);
    const long before = allocations.load();
    for (auto _ : state) {
        nubo::refresh();
        benchmark::DoNotOptimize(nubo::visu);
    }
    state.counters["allocs_per_call"] =
        benchmark::Counter(static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["entries"] = nubo::visu;
}
BENCHMARK(BM_Refresh999)->Unit(benchmark::kMicrosecond);

void BM_BoardFrame70(benchmark::State& state) {
    board(80, -7, 14);
    nubo::refresh();
    nubo::mox = 650;
    nubo::moy = 300;
    nubo::inx = 650;
    nubo::visualizzaingrandito = 1;
    nubo::disegnatabellone();  // the first frame sizes the reused buffers
    const long before = allocations.load();
    for (auto _ : state) nubo::disegnatabellone();
    state.counters["allocs_per_frame"] =
        benchmark::Counter(static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
    state.counters["entries"] = nubo::visu;
}
BENCHMARK(BM_BoardFrame70)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
