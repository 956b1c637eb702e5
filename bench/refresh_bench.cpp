// The main window's refresh on a full document, and a full state report.
#include <benchmark/benchmark.h>

#include "bench/BenchPlatform.h"

#include <string>

#include "reports/Refresh.h"
#include "reports/StateReport.h"

namespace {

// 10 states with every list full (debts with interest and return dates), 20
// clients with full payment and return lists in which every monthly payment
// is settled, so that each side is read to its end.
kz::BudgetFile FullDocument() {
    kz::BudgetFile doc;
    kz::FillNewDocumentDefaults(doc);
    doc.LastDate = {2002, 10, 5};
    doc.sostkol = kz::kMaxSosts;
    for (int s = 1; s <= kz::kMaxSosts; ++s) {
        kz::SostRecord& st = doc.Sost(s);
        st.sostname = "Состояние " + std::to_string(s);
        st.bal = 1000.5 * s;
        st.ienum = 1 + s % 2;
        for (int i = 0; i < kz::kListSize; ++i) {
            const std::string n = std::to_string(i + 1);
            const std::string day = std::to_string(1 + i % 28) + ".10.2002";
            st.vydol[i] = n + "00\t01.03.2002\tПетров Иван\tремонт\t\t3\t" + day;
            st.ondol[i] = n + "0\t01.02.2002\tСидорова Анна\tна отпуск\t\t2,5\t";
            st.dohod[i] = n + "\t" + day + "\tзарплата за месяц";
            st.rashod[i] = n + ",5\t" + day + "\tпродукты";
            st.oldzan[i] = n + "00\t" + day + "\tПетров Иван\tремонт";
            st.oldodol[i] = n + "0\t" + day + "\tСидорова Анна\tна отпуск";
            st.oldbal[i] = n + "\t30.09.2002";
        }
    }
    doc.clientkol = kz::kMaxClients;
    for (int c = 1; c <= kz::kMaxClients; ++c) {
        kz::ClientRecord& cl = doc.Client(c);
        cl.clientname = "Клиент " + std::to_string(c);
        cl.reput = c % 3 - 1;
        for (int i = 0; i < kz::kListSize; ++i) {
            const std::string info = "(за 10.2002)аренда помещения " + std::to_string(i + 1);
            // Each payment is settled by the return at the opposite end of the list.
            const std::string paidInfo = "(за 10.2002)аренда помещения " + std::to_string(100 - i);
            cl.clondolkm[i] = "500\tежемесячно\t" + info;
            cl.clvydolkm[i] = "250,5\tежемесячно\t" + info;
            cl.clondolok[i] = "500\t03.10.2002\t" + paidInfo;
            cl.clvydolok[i] = "250.5\t04.10.2002\t" + paidInfo;
        }
    }
    return doc;
}

void BM_RefreshFullDocument(benchmark::State& state) {
    kz::BudgetFile doc = FullDocument();
    kz::bench::BenchPlatform ui({2002, 10, 5});
    for (auto _ : state) {
        kz::MainView v = kz::RefreshMainWindow(doc, ui);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_RefreshFullDocument)->Unit(benchmark::kMillisecond);

void BM_FullStateReport(benchmark::State& state) {
    kz::BudgetFile doc = FullDocument();
    kz::bench::BenchPlatform ui({2002, 10, 5});
    for (auto _ : state) {
        std::string text = kz::StateReport(doc, ui, 1, {2002, 10, 5});
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FullStateReport)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {
void BM_RefreshStatesOnly(benchmark::State& state) {
    kz::BudgetFile doc = FullDocument();
    doc.clientkol = 0;
    kz::bench::BenchPlatform ui({2002, 10, 5});
    for (auto _ : state) {
        kz::MainView v = kz::RefreshMainWindow(doc, ui);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_RefreshStatesOnly)->Unit(benchmark::kMillisecond);
}  // namespace
BENCHMARK_MAIN();
