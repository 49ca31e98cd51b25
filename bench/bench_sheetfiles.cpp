// Load and save of a sheet of 999 items, the most a sheet of earlier builds holds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/state.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"
#include "tests/fake_platform/fake.h"

namespace {

void fillsheet() {
    nubo::resetmemoria();
    for (int i = 0; i < 999; i++) {
        nubo::giornoinizio[i] = 2900 + i;
        nubo::giornofine[i] = 2903 + i;
        nubo::verticale[i] = 100 + i % 600;
        nubo::stato[i] = 1 + i % 3;
        nubo::link[i] = i % 5 == 0 ? -1 : i - 1;
        nubo::tag[i] = i % 11;
        nubo::telefono[i] = "+39 055 123 " + std::to_string(i);
        nubo::riga1[i] = "Fix the boiler in room " + std::to_string(i);
        nubo::riga2[i] = "call the plumber first, then the electrician";
        nubo::riga3[i] = "bring the valves";
        nubo::riga4[i] = i % 2 ? "fourth line of the description" : "";
        nubo::riga5[i] = "";
    }
    nubo::indice = 999;
}

void setup() {
    fake::reset();
    nubo::path = fake::root() + "\\Nubo-data";
    std::filesystem::create_directories(fake::root() + "/Nubo-data");
    nubo::numerodatabase = 1;
    fillsheet();
    nubo::salvadatabase();
}

void BM_Save999(benchmark::State& state) {
    setup();
    for (auto _ : state) nubo::salvadatabase();
    fake::reset();
}
BENCHMARK(BM_Save999)->Unit(benchmark::kMillisecond);

void BM_Load999(benchmark::State& state) {
    setup();
    for (auto _ : state) {
        nubo::resetmemoria();
        nubo::caricadatabase(1);
        benchmark::DoNotOptimize(nubo::indice);
    }
    fake::reset();
}
BENCHMARK(BM_Load999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
