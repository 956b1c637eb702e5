// Whole processes, as a user runs them: the CPU time (user and system) of
// kervazyl-cli dump of the largest legal document, plain and protected, of
// dump of a new one-state file (the cost of starting the tool), of write of
// the largest document from its JSON into a new file, and of cat of the
// protected file. The goals are ratios of these medians:
//   DumpProtected / CatProtected, DumpPlain / DumpOneState, WriteJson / DumpPlain.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchPlatform.h"
#include "cli/DocumentJson.h"
#include "core/DataFile.h"
#include "support/SampleDocuments.h"

namespace {

using namespace kz;

struct Files {
    std::string folder, plain, protectedFile, oneState, json, written;

    Files() {
        char tmpl[] = "/tmp/kz-process-bench-XXXXXX";
        if (!::mkdtemp(tmpl)) std::abort();
        folder = tmpl;
        plain = folder + "/full.kv7";
        protectedFile = folder + "/protected.kv7";
        oneState = folder + "/one.kv7";
        json = folder + "/full.json";
        written = folder + "/written.kv7";
        bench::BenchPlatform ui(Date{2026, 12, 5});
        AppSettings settings;
        settings.BackUp = false;
        BudgetFile doc = test::FullDocument();
        doc.FilePath = plain;
        if (!WriteDataFile(doc, ui, settings)) std::abort();
        std::ofstream(json) << cli::DocumentJsonText(doc);
        doc.FilePath = protectedFile;
        doc.IsProtected = true;
        doc.pass = "пароль";
        if (!WriteDataFile(doc, ui, settings)) std::abort();
        BudgetFile one;
        if (!NewDocument(one, ui, settings, oneState, nullptr)) std::abort();
    }
    ~Files() {
        for (const std::string& f : {plain, protectedFile, oneState, json, written})
            ::unlink(f.c_str());
        ::rmdir(folder.c_str());
    }
};

Files& Shared() {
    static Files files;
    return files;
}

double ChildrenCpuSeconds() {
    rusage r{};
    ::getrusage(RUSAGE_CHILDREN, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// Runs the program to its end with its output thrown away; the iteration
// takes the CPU time the process used.
void Run(benchmark::State& state, const std::vector<std::string>& args,
         const std::string& removeBefore = {}) {
    // Some sandboxes replace the null device with a plain file: writing the
    // output would then be timed as a file write, most of all cat's.
    struct stat null {};
    if (::stat("/dev/null", &null) != 0 || !S_ISCHR(null.st_mode)) {
        state.SkipWithError("/dev/null is not the null device (mknod -m 666 /dev/null c 1 3)");
        return;
    }
    for (auto _ : state) {
        if (!removeBefore.empty()) ::unlink(removeBefore.c_str());
        const double before = ChildrenCpuSeconds();
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            std::vector<char*> argv;
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("the program failed");
        state.SetIterationTime(ChildrenCpuSeconds() - before);
    }
}

void CatProtected(benchmark::State& state) {
    Run(state, {"cat", Shared().protectedFile});
}
void DumpProtected(benchmark::State& state) {
    Run(state, {KZ_CLI_PATH, "dump", Shared().protectedFile, "--password", "пароль"});
}
void DumpPlain(benchmark::State& state) {
    Run(state, {KZ_CLI_PATH, "dump", Shared().plain});
}
void DumpOneState(benchmark::State& state) {
    Run(state, {KZ_CLI_PATH, "dump", Shared().oneState});
}
void WriteJson(benchmark::State& state) {
    Run(state, {KZ_CLI_PATH, "write", Shared().json, Shared().written}, Shared().written);
}

BENCHMARK(CatProtected)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DumpProtected)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DumpPlain)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(DumpOneState)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WriteJson)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
