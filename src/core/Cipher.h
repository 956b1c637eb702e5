#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace kz {

// The file cipher: every byte of the plain text becomes one line of binary
// digits, combined by exclusive-or with one character of the password. The
// enciphered text never touches the disk in plain form: both directions work
// in memory.

// The digit line of one byte code `c` (0..255) with password character code
// `k` (0..255).
std::string EncodeByte(int c, int k);
// The byte code a digit line stands for, or -1 when the line decodes to a
// code outside 0..255.
int DecodeLine(std::string_view line, int k);

// Enciphers Windows-1251 bytes with a non-empty password (Windows-1251 bytes);
// lines end with CR LF.
std::string EncipherBytes(std::string_view plain, std::string_view password);
// Deciphers; false when a line cannot give a character.
bool DecipherBytes(std::string_view enciphered, std::string_view password, std::string& plain);

// Deciphers an enciphered text handed over in pieces of any size (lines may
// be split between them), appending to `plain`. Lines end with CR LF, LF or
// a lone CR, as the line reader takes them.
class Decipherer {
public:
    // How the program's own lines are read: with the fastest instructions
    // the processor has, or with those every processor of its kind has (the
    // same result; tests compare them).
    enum class Blocks { Fastest, Portable };
    // The password as the cipher uses it (Windows-1251 bytes); an empty one
    // deciphers nothing.
    explicit Decipherer(std::string_view password, Blocks blocks = Blocks::Fastest);
    // False once a line cannot give a character.
    bool Feed(std::string_view piece, std::string& plain);
    // After the last piece: false when deciphering failed.
    bool Finish(std::string& plain);

private:
    bool Line(std::string_view line, std::string& plain);
    void FastLines(const char* p, std::size_t n, std::size_t& pos, std::string& plain);
    void BlockLines(const char* p, std::size_t n, std::size_t& pos, char*& out);
    bool Terminator(const char* p, std::size_t n, std::size_t& pos);
    bool Fail();

    // The most lines that end in 64 bytes (each ends with a CR LF), and how
    // many lines' characters the buffer of those read by blocks holds.
    static constexpr std::size_t kMostLinesInBlock = 32;
    static constexpr std::size_t kScratchLines = 4096;

    std::vector<int> chars_;  // the codes of the password's characters
    // For each of them, the character of a line by its length (7, 8, 9
    // digits, other) and its digits.
    struct CodeTable {
        std::uint16_t code[4 * 512];
    };
    std::vector<CodeTable> codes_;
    // The tables in the password's order, repeated for the most lines a
    // block ends, so that they take theirs in turn without wrapping round.
    std::vector<const CodeTable*> ring_;
    std::size_t m_ = 0;     // the password character of the next line
    std::string carry_;     // a line not yet ended
    bool afterCr_ = false;  // the last piece ended with a CR
    bool failed_ = false;
    bool wide_ = false;                // blocks read with the wider instructions
    std::unique_ptr<char[]> scratch_;  // the characters of the lines read by blocks
};

// The password of the document as the cipher uses it (Windows-1251 bytes);
// false when it holds a character the code page lacks.
bool PasswordBytes(const std::string& password, std::string& bytes);

// Reads an enciphered data file and deciphers it into `plain` (Windows-1251
// bytes). On failure shows "Ошибка при декодировании файла!" and returns
// false.
bool DecryptFile(Platform& ui, const std::string& dataPath, const std::string& password,
                 std::string& plain);

}  // namespace kz
