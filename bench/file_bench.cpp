// Reading and writing the largest data file the program makes: 10 states
// with all seven lists full, 20 clients with all six lists full, 50 phones
// and a long notes text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

#include "core/DataFile.h"
#include "core/Document.h"
#include "cli/ConsolePlatform.h"

#include <sstream>

namespace {

using namespace kz;

BudgetFile FullDocument() {
    BudgetFile d;
    FillNewDocumentDefaults(d);
    d.sostkol = kMaxSosts;
    d.clientkol = kMaxClients;
    for (int i = 1; i <= kMaxSosts; ++i) {
        SostRecord& s = d.Sost(i);
        s.sostname = "Состояние " + std::to_string(i);
        s.bal = 123456.78 * i;
        for (const auto& info : kSostLists)
            for (int j = 0; j < kListSize; ++j)
                (s.*(info.list))[static_cast<std::size_t>(j)] =
                    std::to_string(1000 + j) + ",5\t05.10.2002\tЗарплата за месяц " +
                    std::to_string(j) + "\t3\t0\t05.11.2002";
    }
    for (int i = 1; i <= kMaxClients; ++i) {
        ClientRecord& c = d.Client(i);
        c.clientname = "Клиент " + std::to_string(i);
        c.clinfo = "Сведения\r\nвторая строка";
        for (const auto& info : kClientLists)
            for (int j = 0; j < kListSize; ++j)
                (c.*(info.list))[static_cast<std::size_t>(j)] =
                    "ежемесячно\tоплата за ноябрь " + std::to_string(j) + "\t1500";
    }
    for (int k = 0; k < kSavedPhones; ++k)
        d.phones[static_cast<std::size_t>(k)] = "Абонент " + std::to_string(k) + "\t+7 900";
    for (int k = 0; k < 300; ++k) d.notes += "Строка заметок номер " + std::to_string(k) + "\r\n";
    return d;
}

struct Fixture {
    std::ostringstream sink;
    cli::ConsolePlatform ui{sink};
    AppSettings settings;
    std::string plainPath, protectedPath;
    BudgetFile doc = FullDocument();

    Fixture() {
        settings.BackUp = false;
        const std::string base = "/tmp/kz-bench-" + std::to_string(::getpid());
        plainPath = base + "-plain.kv7";
        protectedPath = base + "-protected.kv7";
        Write(false);
        Write(true);
    }
    ~Fixture() {
        ::unlink(plainPath.c_str());
        ::unlink(protectedPath.c_str());
    }
    void Write(bool enciphered) {
        doc.IsProtected = enciphered;
        doc.pass = enciphered ? "пароль" : "";
        doc.FilePath = enciphered ? protectedPath : plainPath;
        if (!WriteDataFile(doc, ui, settings)) std::abort();
    }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void WritePlain(benchmark::State& state) {
    for (auto _ : state) Shared().Write(false);
}
void WriteProtected(benchmark::State& state) {
    for (auto _ : state) Shared().Write(true);
}
void ReadPlain(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        BudgetFile d;
        if (!OpenDocument(d, f.ui, f.plainPath, "", nullptr)) std::abort();
        benchmark::DoNotOptimize(d.sostkol);
    }
}
void ReadProtected(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        BudgetFile d;
        if (!OpenDocument(d, f.ui, f.protectedPath, "пароль", nullptr)) std::abort();
        benchmark::DoNotOptimize(d.sostkol);
    }
}

BENCHMARK(WritePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteProtected)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadProtected)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
