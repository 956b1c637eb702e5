#pragma once

#include <string>
#include <string_view>

namespace kz {

// Windows-1251 <-> UTF-8. Every one of the 256 codes has a character (0x98,
// unassigned in the code page, maps to U+0098), so decoding never fails.
std::string Cp1251ToUtf8(std::string_view bytes);

// Encodes UTF-8 text. Returns false when the text holds a character that the
// code page cannot hold or is not valid UTF-8; `bad` then receives the first
// such character (as UTF-8) for the message.
bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::string* bad = nullptr);

// Encodes UTF-8 text onto the end of `out`; on failure (as Utf8ToCp1251)
// `out` holds what came before the character.
bool AppendCp1251(std::string_view utf8, std::string& out, std::string* bad = nullptr);

// True when every character of the text can be written to a file.
bool IsCp1251Representable(std::string_view utf8, std::string* bad = nullptr);

// True when the bytes are valid UTF-8 (plain ASCII is).
bool IsValidUtf8(std::string_view bytes);

// True when the bytes hold at least one multi-byte sequence and are valid
// UTF-8 as a whole: real Windows-1251 text is practically never both.
bool LooksLikeUtf8(std::string_view bytes);

}  // namespace kz
