// Any bytes given as an enciphered data file: deciphering and reading must
// refuse or load, never crash or hang.
#include <unistd.h>

#include <fstream>

#include "core/Cipher.h"
#include "core/DataFile.h"
#include "fuzz/FuzzPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kz::fuzz::QuietPlatform quiet;
    static const std::string path = [] {
        std::string p = kz::fuzz::ScratchPath("kz-fuzz-decipher");
        std::ofstream(p) << "x";
        return p;
    }();
    const std::string enciphered(reinterpret_cast<const char*>(data), size);
    std::string plain;
    if (!kz::DecipherBytes(enciphered, "pw", plain)) return 0;
    kz::BudgetFile doc;
    kz::ReadDataFile(doc, quiet.ui, path, "pw", nullptr, &plain);
    return 0;
}
