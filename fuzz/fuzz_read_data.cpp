// Any bytes given to the reader as a plain data file: it must answer with a
// message or a document, never crash or hang. A document it accepts must
// survive being written and read again unchanged.
//
// The same bytes also make a document of their own, with extreme amounts
// (the largest and smallest doubles, negative zero, 15-digit values) and
// any Windows-1251 character in every text: every document the program
// writes, plain or protected, it must read back as it was.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <limits>

#include "core/Cp1251.h"
#include "core/DataFile.h"
#include "fuzz/FuzzPlatform.h"

namespace {

using Limits = std::numeric_limits<double>;

// clang-format off
const std::array<double, 16> kExtremes = {
    Limits::max(), -Limits::max(), Limits::min(), -Limits::min(),
    Limits::denorm_min(), -Limits::denorm_min(), -0.0, 0.0,
    999999999999999.0, -123456789012345.0, 1e15, 0.1,
    1e-15, 1.23456789012345e-300, 9.99999999999999e307, 1234.5};
// clang-format on

double Amount(FuzzedDataProvider& in) {
    const auto pick = in.ConsumeIntegralInRange<std::size_t>(0, kExtremes.size());
    return pick < kExtremes.size() ? kExtremes[pick] : in.ConsumeFloatingPoint<double>();
}

// A text of any Windows-1251 characters. One-line fields cannot hold a line
// break; the editors of the two free texts turn "[" into "{", which would
// end the text in the file, and the line reader leaves out empty lines at
// the start of such a text.
std::string Text(FuzzedDataProvider& in, bool multiLine = false) {
    std::string text = kz::Cp1251ToUtf8(in.ConsumeRandomLengthString(48));
    for (char& c : text) {
        if (!multiLine && (c == '\r' || c == '\n')) c = ' ';
        if (multiLine && c == '[') c = '{';
    }
    if (multiLine) text.erase(0, text.find_first_not_of("\r\n"));
    return text;
}

// Names that are empty read back as their defaults, as the program never
// leaves them.
std::string Name(FuzzedDataProvider& in) {
    std::string name = Text(in);
    return name.empty() ? "x" : name;
}

template <std::size_t N>
void FillSome(FuzzedDataProvider& in, std::array<std::string, N>& list, std::size_t slots) {
    for (int k = in.ConsumeIntegralInRange(0, 3); k > 0; --k)
        list[in.ConsumeIntegralInRange<std::size_t>(0, slots - 1)] = Text(in);
}

kz::BudgetFile MadeDocument(FuzzedDataProvider& in) {
    kz::BudgetFile d;
    kz::FillNewDocumentDefaults(d);
    // The counts come first: they take the last bytes, which every data file
    // of the seeds ends alike.
    d.sostkol = in.ConsumeIntegralInRange(0, kz::kMaxSosts);
    d.clientkol = in.ConsumeIntegralInRange(0, kz::kMaxClients);
    d.name = Name(in);
    for (auto& u : d.Units) {
        u.cap = Text(in);
        u.short_ = Text(in);
    }
    for (int i = 1; i <= d.sostkol; ++i) {
        kz::SostRecord& s = d.Sost(i);
        s.sostname = Name(in);
        s.bal = Amount(in);
        s.ienum = in.ConsumeIntegralInRange(1, kz::kUnitCount);
        for (const auto& info : kz::kSostLists) FillSome(in, s.*(info.list), kz::kListSize);
    }
    for (int i = 1; i <= d.clientkol; ++i) {
        kz::ClientRecord& c = d.Client(i);
        c.clientname = Name(in);
        c.ienum = in.ConsumeIntegralInRange(1, kz::kUnitCount);
        c.reput = in.ConsumeIntegralInRange(-32768, 32767);
        c.clinfo = Text(in, true);
        for (const auto& info : kz::kClientLists) FillSome(in, c.*(info.list), kz::kListSize);
    }
    FillSome(in, d.phones, kz::kSavedPhones);
    d.notes = Text(in, true);
    return d;
}

void RoundTripMadeDocument(kz::cli::ConsolePlatform& ui, const std::string& path,
                           FuzzedDataProvider& in) {
    kz::BudgetFile doc = MadeDocument(in);
    std::string password = Text(in);
    if (password.empty()) password = "p";
    kz::AppSettings settings;
    settings.BackUp = false;
    // One way per input, so that more inputs are tried.
    for (const bool isProtected : {in.ConsumeBool()}) {
        doc.FilePath = path;
        doc.IsProtected = isProtected;
        doc.pass = isProtected ? password : "";
        const std::string text = kz::DataFileText(doc, isProtected);
        std::string bytes;
        if (!kz::Utf8ToCp1251(text, bytes)) __builtin_trap();
        // The one document the reader refuses on purpose: one whose bytes are
        // also valid UTF-8 with letters beyond ASCII, which a file saved by
        // a text editor in UTF-8 is and a real Windows-1251 text never is.
        if (kz::LooksLikeUtf8(bytes)) return;
        if (!kz::WriteDataFile(doc, ui, settings)) __builtin_trap();
        kz::BudgetFile back;
        if (!kz::OpenDocument(back, ui, path, doc.pass, nullptr)) __builtin_trap();
        if (kz::DataFileText(back, isProtected) != text) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kz::fuzz::QuietPlatform quiet;
    static const std::string path = kz::fuzz::ScratchPath("kz-fuzz-read");
    static const std::string made = kz::fuzz::ScratchPath("kz-fuzz-made");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FuzzedDataProvider in(data, size);
    RoundTripMadeDocument(quiet.ui, made, in);

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
