// Any bytes given as an enciphered data file: deciphering, whole or in
// pieces, must give what the lines give one by one, and reading must refuse
// or load, never crash or hang.
#include <unistd.h>

#include <fstream>

#include "core/Cipher.h"
#include "core/DataFile.h"
#include "core/Text.h"
#include "fuzz/FuzzPlatform.h"

namespace {

// Each line as the line reader splits the text, through DecodeLine.
bool LineByLine(std::string_view text, std::string_view key, std::string& plain) {
    plain.clear();
    std::size_t m = 0;
    bool ok = true;
    kz::ForEachLine(text, [&](std::string_view line) {
        const int c = ok ? kz::DecodeLine(line, static_cast<unsigned char>(key[m])) : -1;
        ok = c >= 0;
        plain += static_cast<char>(c);
        m = (m + 1) % key.size();
    });
    if (!ok) plain.clear();
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kz::fuzz::QuietPlatform quiet;
    static const std::string path = [] {
        std::string p = kz::fuzz::ScratchPath("kz-fuzz-decipher");
        std::ofstream(p) << "x";
        return p;
    }();
    const std::string enciphered(reinterpret_cast<const char*>(data), size);
    std::string expected, plain;
    const bool ok = LineByLine(enciphered, "pw", expected);
    if (kz::DecipherBytes(enciphered, "pw", plain) != ok || plain != expected) __builtin_trap();
    // Pieces of a size the first byte gives (line ends and blocks fall
    // anywhere in them), blocks read either way.
    if (size > 0) {
        const std::size_t step = 1 + data[0] % 97 * (data[0] > 200 ? 67 : 1);
        kz::Decipherer d(
            "pw", size % 2 ? kz::Decipherer::Blocks::Portable : kz::Decipherer::Blocks::Fastest);
        std::string fed;
        bool fedOk = true;
        for (std::size_t at = 0; at < size && fedOk; at += step)
            fedOk = d.Feed(std::string_view(enciphered).substr(at, step), fed);
        fedOk = fedOk && d.Finish(fed);
        if (fedOk != ok || (ok && fed != expected)) __builtin_trap();
    }
    if (!ok) return 0;
    kz::BudgetFile doc;
    kz::ReadDataFile(doc, quiet.ui, path, "pw", nullptr, &plain);
    return 0;
}
