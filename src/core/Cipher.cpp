#include "core/Cipher.h"

#include <array>
#include <cerrno>
#include <vector>

#include "core/Cp1251.h"
#include "core/Files.h"
#include "core/Text.h"

namespace kz {

namespace {

int BitLength(int n) {
    int len = 0;
    while (n > 0) {
        ++len;
        n >>= 1;
    }
    return len;
}

// The key bits that meet a line of `length` digits: the binary form of k+100,
// left-padded with zeros, or cut to its first digits when it is longer.
int KeyBits(int k, std::size_t length) {
    const int b = k + 100;
    const int lenB = BitLength(b);
    if (length < static_cast<std::size_t>(lenB)) return b >> (lenB - static_cast<int>(length));
    return b;
}

// 256 digit lines (each with CR LF) for one password character.
using LineTable = std::array<std::string, 256>;

LineTable MakeTable(int k) {
    LineTable t;
    for (int c = 0; c < 256; ++c) t[static_cast<std::size_t>(c)] = EncodeByte(c, k) + "\r\n";
    return t;
}

}  // namespace

std::string EncodeByte(int c, int k) {
    const int a = c + 100;
    const int lenA = BitLength(a);
    const int x = a ^ KeyBits(k, static_cast<std::size_t>(lenA));
    std::string out(static_cast<std::size_t>(lenA), '0');
    for (int i = 0; i < lenA; ++i)
        if (x & (1 << (lenA - 1 - i))) out[static_cast<std::size_t>(i)] = '1';
    return out;
}

int DecodeLine(std::string_view line, int k) {
    const std::size_t len = line.size();
    const int key = KeyBits(k, len);
    // Digits are taken by their value and xor-ed with the key digit; any
    // non-zero result digit counts as 1. Non-digits count as 0. Codes above
    // 355 cannot give a character, so long lines stop early.
    long value = 0;
    for (std::size_t i = 0; i < len; ++i) {
        const std::size_t fromRight = len - 1 - i;
        const int keyDigit = fromRight < 31 ? (key >> fromRight) & 1 : 0;
        const char ch = line[i];
        const int digit = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
        const bool one = (digit ^ keyDigit) != 0;
        if (one) {
            if (fromRight >= 9) return -1;
            value += 1L << fromRight;
        }
    }
    const long code = value - 100;
    return code >= 0 && code <= 255 ? static_cast<int>(code) : -1;
}

std::string EncipherBytes(std::string_view plain, std::string_view password) {
    std::string out;
    if (password.empty()) return out;
    std::vector<LineTable> tables;
    tables.reserve(password.size());
    for (char p : password) tables.push_back(MakeTable(static_cast<unsigned char>(p)));
    out.reserve(plain.size() * 10);
    std::size_t m = 0;
    for (char ch : plain) {
        out += tables[m][static_cast<unsigned char>(ch)];
        if (++m == tables.size()) m = 0;
    }
    return out;
}

bool DecipherBytes(std::string_view enciphered, std::string_view password, std::string& plain) {
    plain.clear();
    if (password.empty()) return false;
    plain.reserve(enciphered.size() / 9 + 1);
    std::size_t m = 0;
    bool ok = true;
    ForEachLine(enciphered, [&](std::string_view line) {
        if (!ok) return;
        const int c = DecodeLine(line, static_cast<unsigned char>(password[m]));
        if (c < 0) {
            ok = false;
            return;
        }
        plain += static_cast<char>(c);
        if (++m == password.size()) m = 0;
    });
    if (!ok) plain.clear();
    return ok;
}

bool PasswordBytes(const std::string& password, std::string& bytes) {
    return Utf8ToCp1251(password, bytes) && !bytes.empty();
}

bool DecryptFile(Platform& ui, const std::string& dataPath, const std::string& password,
                 std::string& plain) {
    std::string key, enciphered;
    // What is there but cannot be read is named; anything else (a missing
    // file too) is a failed deciphering.
    int err = FileReadProblem(dataPath);
    if (err == EISDIR || err == ENODEV || err == EFBIG) {
        plain.clear();
        ui.MessageBox(UnreadableFileText(dataPath, err), Icon::Exclamation);
        return false;
    }
    if (!PasswordBytes(password, key) || !ReadWholeFile(dataPath, enciphered, err) ||
        !DecipherBytes(enciphered, key, plain)) {
        plain.clear();
        ui.MessageBox(JoinParagraphs("Ошибка при декодировании файла!",
                                     "Убедитесь в правильности пароля."),
                      Icon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace kz
