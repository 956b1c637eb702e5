#pragma once

#include <string>

#include "core/Document.h"
#include "core/Grid.h"
#include "platform/Platform.h"

namespace kz {

// The phone book: one "name<TAB>phone" text per slot of doc.phones, packed
// from slot 1. Only slots 1 to 50 reach the data file, so only those are
// ever filled here.

inline constexpr int kPhoneBookSize = kSavedPhones;
// The grid: the heading row and one row per slot.
inline constexpr int kPhoneGridRows = kPhoneSlots + 1;
inline constexpr int kPhoneColumnTwips = 2000;

// A slot that is empty or holds only blanks.
bool IsFreePhoneSlot(const std::string& entry);

// The grid text: a heading line (tab, "Имя", tab, "Телефон"), then
// "slot<TAB>entry" for every used slot; CR LF after every line.
std::string PhoneTableText(const BudgetFile& doc);

// What the phone book window shows: the grid rows (row 0 the heading, row r
// slot r, three cells each) and the selected cell (row 0: none).
struct PhoneView {
    GridRows rows;
    int row = 0;
    int col = 1;
};

// Fills the grid from the document; the selection is kept.
void LoadPhones(const BudgetFile& doc, PhoneView& view);

// The buttons. Each returns true when the document changed; view.rows then
// shows the new phone book.
bool AddPhone(BudgetFile& doc, Platform& ui, PhoneView& view);
bool ChangePhone(BudgetFile& doc, Platform& ui, PhoneView& view);
bool DeletePhone(BudgetFile& doc, Platform& ui, PhoneView& view);
bool ClearPhones(BudgetFile& doc, Platform& ui, PhoneView& view);

// "Копир. в буфер": the selected cell and the one to its right (name and
// phone when the phone column is selected) go to the clipboard, and the
// user is told what was copied. False when nothing was copied.
bool CopyPhone(Platform& ui, const PhoneView& view);

}  // namespace kz
