#include "core/TextFiles.h"

#include <cerrno>
#include <cmath>

#include "core/Cp1251.h"
#include "core/Document.h"
#include "core/Files.h"
#include "core/Text.h"

namespace kz {

namespace {

// Pointer shape for the time of one routine.
struct BusyPointer {
    Platform& ui;
    explicit BusyPointer(Platform& p) : ui(p) { ui.SetBusy(true); }
    ~BusyPointer() { ui.SetBusy(false); }
};

}  // namespace

std::string UnwritableCharText(const std::string& ch) {
    return "Текст содержит символ «" + ch +
           "», который нельзя записать в файл (кодировка Windows-1251).";
}

bool AcceptTypedText(Platform& ui, const std::string& text) {
    std::string bad;
    if (IsCp1251Representable(text, &bad)) return true;
    ui.MessageBox(UnwritableCharText(bad), Icon::Exclamation, Buttons::OK, kAppTitle);
    return false;
}

bool AcceptAmount(Platform& ui, double amount) {
    if (std::isfinite(amount)) return true;
    ui.MessageBox(JoinParagraphs("Сумма слишком велика: получилось бы число больше того, которое "
                                 "может хранить программа.",
                                 "Операция не выполнена."),
                  Icon::Exclamation);
    return false;
}

std::string WriteErrorMessage(const std::string& path, const std::string& description) {
    return JoinParagraphs(
        "Ошибка при записи файла:" + path + ". Возможно, имя неверное или текст слишком большой.",
        description);
}

std::string ReadTextFile(Platform& ui, const std::string& path) {
    if (path.empty() || !FileExists(path)) return {};
    std::string bytes;
    int err = 0;
    bool ok;
    {
        BusyPointer busy(ui);
        ok = ReadWholeFile(path, bytes, err);
    }
    if (!ok) {
        ui.MessageBox("Ошибка при чтении файла. Возможно, он поврежден или слишком большой.",
                      Icon::Exclamation, Buttons::OK, "Чтение файла");
        return {};
    }
    std::string text = Cp1251ToUtf8(bytes);
    std::string out;
    out.reserve(text.size() + 16);
    ForEachLine(text, [&](std::string_view line) {
        out += line;
        out += "\r\n";
    });
    return out;
}

bool WriteTextFile(Platform& ui, const std::string& path, const std::string& text,
                   const std::optional<Permissions>& like) {
    std::string bytes, bad;
    int err = 0;
    bool ok;
    std::string description;
    {
        BusyPointer busy(ui);
        if (!Utf8ToCp1251(CrLfLineBreaks(text) + "\r\n", bytes, &bad)) {
            ok = false;
            description = UnwritableCharText(bad);
        } else {
            ok = AtomicWriteFile(path, bytes, err, like);
            if (!ok) description = SystemErrorText(err);
        }
    }
    if (!ok)
        ui.MessageBox(WriteErrorMessage(path, description), Icon::Exclamation, Buttons::OK,
                      "Запись файла");
    return ok;
}

void PrintText(Platform& ui, const std::string& text) {
    if (text.empty()) return;
    for (;;) {
        int errNo = 0;
        std::string errText;
        bool ok;
        {
            BusyPointer busy(ui);
            ok = ui.PrintPlainText(text, 8, errNo, errText);
        }
        if (ok) return;
        const std::string msg =
            "Ошибка при попытке печати текста. \r\n"
            "Устраните неполадку и нажмите 'Повтор'.\r\n\r\n" +
            std::to_string(errNo) + ".  " + errText;
        if (ui.MessageBox(msg, Icon::Exclamation, Buttons::RetryCancel) != Answer::Retry) return;
    }
}

}  // namespace kz
