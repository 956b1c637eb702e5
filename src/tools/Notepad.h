#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/Date.h"
#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

// The notepad: the document's notes in a text box of their own.

// The notes as the text box shows them: line feeds only.
std::string NotesForEditor(std::string_view notes);
// The text box's text as the document keeps it: CR LF between lines, and
// every "[" turned into "{", since a line of the data file that begins with
// "[" would start a new section.
std::string NotesFromEditor(std::string_view text);

// Opening the notepad: `fill` puts the notes (editor form) into the text box,
// which counts as a change (see NoteEdited); a document that was clean before
// stays clean.
void OpenNotes(BudgetFile& doc, const std::function<void(const std::string&)>& fill);

// Every change of the text box's text: the document now differs from the
// saved file, and it holds the text as it stands, so that a save while the
// notepad is open writes what the user sees. A text the data file cannot
// hold is refused with a message and the document keeps its notes; the
// window then takes the change back. True when the text was taken.
bool NoteEdited(BudgetFile& doc, Platform& ui, std::string_view editorText);

// Closing the notepad stores its text (no disk write here).
void StoreNotes(BudgetFile& doc, std::string_view editorText);

// "dd.mm.yyyy hh:mm:ss" for the "дата + время" menu item.
std::string DateTimeStamp(const DateTime& now);
// `text` (CR LF form) followed by CR LF and the stamp.
std::string AppendDateTime(std::string_view text, const DateTime& now);

// "Очистить все": true when the user agreed to empty the text.
bool ConfirmClearNotes(Platform& ui);

// "Печать": an empty text prints nothing and asks nothing; otherwise the
// text is printed unless the user answers No. True when it was sent.
bool PrintNotes(Platform& ui, std::string_view editorText);

}  // namespace kz
