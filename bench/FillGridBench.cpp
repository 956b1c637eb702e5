// Filling the list grid from a full list of 100 entries, with the progress
// window updated once per character as the list window does.
#include <benchmark/benchmark.h>

#include "windows/state/HistoryList.h"

namespace {

// Counts progress updates and answers nothing else.
class CountingPlatform : public kz::Platform {
public:
    long long updates = 0;

    kz::Answer MessageBox(const std::string&, kz::Icon, kz::Buttons, const std::string&) override {
        return kz::Answer::OK;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string OpenFileDialog(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }
    std::string SaveFileDialog(const std::string&, const std::string&, const std::string&,
                               const std::string&) override {
        return {};
    }
    void ShowProgress(const std::string&) override {}
    int SetProgress(long long value, long long max) override {
        ++updates;
        return static_cast<int>(value * 100 / max);
    }
    void HideProgress() override {}
    void SetBusy(bool) override {}
    kz::DateTime Now() override { return {{2003, 3, 1}, 12, 0, 0}; }
    std::optional<kz::Date> FileModificationDate(const std::string&) override { return {}; }
    void PlaySound(const std::string&) override {}
    bool PrintPlainText(const std::string&, int, int&, std::string&) override { return true; }
    void SetClipboardText(const std::string&) override {}
    bool StartCalculator(std::string&, std::string&) override { return true; }
    bool OpenHelpPage(const std::string&, std::string&) override { return true; }
    bool AnotherInstanceRunning() override { return false; }
    kz::ScreenSize Screen() override { return {}; }
    std::string ProgramFolder() override { return "./"; }
    std::string AssetFolder() override { return "./"; }
};

kz::EntryList FullIncomeList() {
    kz::EntryList list;
    for (int i = 0; i < kz::kListSize; ++i)
        kz::PushEntry(list, std::to_string(1000 + i) + ",5\t01.03.2002\tЗарплата за февраль");
    return list;
}

void BM_FillGridFullList(benchmark::State& state) {
    const std::string table = kz::ListTableText({"Сумма", "Дата", "Повод"}, FullIncomeList());
    CountingPlatform ui;
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
    CountingPlatform ui;
    for (auto _ : state) {
        auto view = kz::OpenList(doc, ui, kz::kListOnDol);
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(BM_OpenDebtList);

}  // namespace

BENCHMARK_MAIN();
