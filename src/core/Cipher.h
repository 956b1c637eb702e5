#pragma once

#include <string>
#include <string_view>

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

// The password of the document as the cipher uses it (Windows-1251 bytes);
// false when it holds a character the code page lacks.
bool PasswordBytes(const std::string& password, std::string& bytes);

// Reads an enciphered data file and deciphers it into `plain` (Windows-1251
// bytes). On failure shows "Ошибка при декодировании файла!" and returns
// false.
bool DecryptFile(Platform& ui, const std::string& dataPath, const std::string& password,
                 std::string& plain);

}  // namespace kz
