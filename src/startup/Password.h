#pragma once

#include <string>

#include "core/Document.h"
#include "platform/Platform.h"

namespace kz {

inline constexpr const char* kPassWindowTitle = "Служба безопасности";

enum class PassAction { New, Change, Delete };

// The password window's choices and fields.
struct PassForm {
    PassAction action = PassAction::New;
    bool newEnabled = true;     // opNewP
    bool changeEnabled = true;  // opChangeP
    bool deleteEnabled = true;  // opDelP
    std::string oldPass;        // txtOldP
    std::string newPass;        // txtNewP
    std::string confPass;       // txtConfP
};

// Which fields (with their labels) the chosen action uses.
struct PassFieldsEnabled {
    bool oldPass;
    bool newPass;
    bool confPass;
};
PassFieldsEnabled FieldsFor(PassAction action);

// Before the window is shown: a protected file can only change or lose its
// password, an unprotected one can only get one.
void PreparePassForm(const BudgetFile& doc, PassForm& form);

// The "Готово" button: carries out the chosen action on the document.
// True when the window should close; a refused action keeps it open and
// leaves the document as it was. Dirty is left alone: the user is told to
// save.
bool ApplyPassword(BudgetFile& doc, Platform& ui, const PassForm& form);

}  // namespace kz
