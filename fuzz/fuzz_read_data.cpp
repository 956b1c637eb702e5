// Any bytes given to the reader as a plain data file: it must answer with a
// message or a document, never crash or hang. A document it accepts must
// survive being written and read again unchanged.
#include <unistd.h>

#include <fstream>

#include "core/DataFile.h"
#include "fuzz/FuzzPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kz::fuzz::QuietPlatform quiet;
    static const std::string path = kz::fuzz::ScratchPath("kz-fuzz-read");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    kz::BudgetFile doc;
    if (!kz::ReadDataFile(doc, quiet.ui, path, "", nullptr)) return 0;
    const std::string first = kz::DataFileText(doc, false);
    kz::AppSettings settings;
    settings.BackUp = false;
    if (!kz::WriteDataFile(doc, quiet.ui, settings)) return 0;  // e.g. an unwritable character
    kz::BudgetFile again;
    if (!kz::ReadDataFile(again, quiet.ui, path, "", nullptr)) __builtin_trap();
    if (kz::DataFileText(again, false) != first) __builtin_trap();
    return 0;
}
