#pragma once

#include <optional>
#include <string>

#include "core/Files.h"
#include "platform/Platform.h"

namespace kz {

// The whole text of a Windows-1251 file, each line followed by CR LF. A
// missing file or an empty path gives an empty text without a message; a
// read error shows its message and gives an empty text.
std::string ReadTextFile(Platform& ui, const std::string& path);

// Replaces the file's content with `text` and one CR LF, in Windows-1251
// (lone LF line breaks become CR LF). Shows the message and returns false
// on failure, also when the text holds a character the code page lacks.
// The file gets `like`'s permissions when given (see AtomicWriteFile).
bool WriteTextFile(Platform& ui, const std::string& path, const std::string& text,
                   const std::optional<Permissions>& like = std::nullopt);

// Prints a text on the default printer in an 8-point font; a failure offers
// Retry until it succeeds or the user cancels.
void PrintText(Platform& ui, const std::string& text);

// "Ошибка при записи файла:<path>. Возможно, ..." with the description.
std::string WriteErrorMessage(const std::string& path, const std::string& description);

// The description of a character the code page cannot hold.
std::string UnwritableCharText(const std::string& ch);

// A text the user typed for the document: true when the data file can hold
// every character of it. Otherwise the user is told which character it
// cannot hold, here rather than at every later save, and false is returned.
bool AcceptTypedText(Platform& ui, const std::string& text);

// An amount an operation is about to put into the document (a new balance, the rest of a debt):
// true when it is a number. A sum beyond the largest double would be written as "0" or make the
// file unreadable, so the user is told the amount is too large, false is returned and the
// operation changes nothing. Typed amounts beyond every number already read as none
// (TypedAmount); this catches what adding them up makes.
bool AcceptAmount(Platform& ui, double amount);

}  // namespace kz
