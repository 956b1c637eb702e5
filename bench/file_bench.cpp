// Reading and writing the largest data file the program makes: 10 states
// with all seven lists full, 20 clients with all six lists full, 50 phones
// and a long notes text.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

#include "cli/DocumentJson.h"
#include "core/Cipher.h"
#include "core/DataFile.h"
#include "core/Files.h"
#include "core/Document.h"
#include "bench/BenchPlatform.h"
#include "support/SampleDocuments.h"

namespace {

using namespace kz;

struct Fixture {
    bench::BenchPlatform ui{Date{2026, 12, 5}};
    AppSettings settings;
    std::string plainPath, protectedPath;
    BudgetFile doc = test::FullDocument();

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

// Deciphering alone, in memory: the enciphered text of the largest document.
void DecipherInMemory(benchmark::State& state) {
    Fixture& f = Shared();
    std::string enciphered, key, plain;
    int err = 0;
    if (!ReadWholeFile(f.protectedPath, enciphered, err) || !PasswordBytes("пароль", key))
        std::abort();
    for (auto _ : state) {
        if (!DecipherBytes(enciphered, key, plain)) std::abort();
        benchmark::DoNotOptimize(plain.data());
    }
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * enciphered.size()));
}

// The document as the dump command prints it.
void DumpText(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::string text = cli::DocumentJsonText(f.doc);
        benchmark::DoNotOptimize(text.data());
    }
}

BENCHMARK(DecipherInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(DumpText)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteProtected)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadProtected)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
