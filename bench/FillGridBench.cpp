// Filling the list grid from a full list of 100 entries, with the progress
// window updated once per character as the list window does.
#include <benchmark/benchmark.h>

#include "bench/BenchPlatform.h"

#include "windows/state/HistoryList.h"

namespace {

kz::EntryList FullIncomeList() {
    kz::EntryList list;
    for (int i = 0; i < kz::kListSize; ++i)
        kz::PushEntry(list, std::to_string(1000 + i) + ",5\t01.03.2002\tЗарплата за февраль");
    return list;
}

void BM_FillGridFullList(benchmark::State& state) {
    const std::string table = kz::ListTableText({"Сумма", "Дата", "Повод"}, FullIncomeList());
    kz::bench::BenchPlatform ui({2003, 3, 1});
    for (auto _ : state) {
        auto rows = kz::FillGrid(table, 100, 3, &ui);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["chars"] =
        static_cast<double>(ui.updates) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FillGridFullList);

void BM_OpenDebtList(benchmark::State& state) {
    kz::BudgetFile doc;
    kz::FillNewDocumentDefaults(doc);
    for (int i = 0; i < kz::kListSize; ++i)
        kz::PushEntry(doc.Sost(1).ondol, "1000\t01.03.2002\tИван\tремонт\t\t3\t");
    kz::bench::BenchPlatform ui({2003, 3, 1});
    for (auto _ : state) {
        auto view = kz::OpenList(doc, ui, kz::kListOnDol);
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(BM_OpenDebtList);

}  // namespace

BENCHMARK_MAIN();
