#include "tools/Notepad.h"

#include "core/Text.h"
#include "core/TextFiles.h"

namespace kz {

std::string NotesForEditor(std::string_view notes) {
    std::string out;
    out.reserve(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\r') {
            out += '\n';
            if (i + 1 < notes.size() && notes[i + 1] == '\n') ++i;
        } else {
            out += notes[i];
        }
    }
    return out;
}

std::string NotesFromEditor(std::string_view text) {
    std::string out = CrLfLineBreaks(text);
    // A line starting with "[" would end the notes when the file is read.
    for (char& c : out)
        if (c == '[') c = '{';
    return out;
}

void OpenNotes(BudgetFile& doc, const std::function<void(const std::string&)>& fill) {
    const bool wasDirty = doc.Dirty;
    fill(NotesForEditor(doc.notes));
    if (!wasDirty) doc.Dirty = false;
}

bool NoteEdited(BudgetFile& doc, Platform& ui, std::string_view editorText) {
    if (!AcceptTypedText(ui, std::string(editorText))) return false;
    doc.Dirty = true;
    doc.notes = NotesFromEditor(editorText);
    return true;
}

void StoreNotes(BudgetFile& doc, std::string_view editorText) {
    doc.notes = NotesFromEditor(editorText);
}

std::string DateTimeStamp(const DateTime& now) {
    return FormatDate(now.date) + " " + FormatTime(now);
}

std::string AppendDateTime(std::string_view text, const DateTime& now) {
    return std::string(text) + "\r\n" + DateTimeStamp(now);
}

bool ConfirmClearNotes(Platform& ui) {
    return ui.MessageBox("Вы уверены, что хотите очистить весь текст?", Icon::Question,
                         Buttons::YesNo) == Answer::Yes;
}

bool PrintNotes(Platform& ui, std::string_view editorText) {
    if (editorText.empty()) return false;
    if (ui.MessageBox("Вы уверены, что хотите распечатать текст Записной книжки?", Icon::Question,
                      Buttons::YesNo) == Answer::No)
        return false;
    PrintText(ui, CrLfLineBreaks(editorText));
    return true;
}

}  // namespace kz
