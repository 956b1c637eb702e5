#pragma once

#include "core/Document.h"
#include "platform/Platform.h"
#include "reports/Refresh.h"

namespace kz {

// The unit dialog: the used currency units and the one its owner (the
// current state or the current client) has now.
struct UnitChoice {
    UnitRows units;
    int selected = 0;  // the row of the owner's unit, 1-based; 0 when its slot is free
};

// "Update": the rows in slot order, the owner's unit chosen.
UnitChoice PrepareUnitChoice(const BudgetFile& doc, UnitOwner owner);

// "OK" with row `row` (1-based) chosen: the slot that row shows becomes the
// owner's unit and the document is marked changed, also when the unit stays
// the same. No amount is converted. False when `row` names no row.
bool ChooseUnit(BudgetFile& doc, UnitOwner owner, const UnitChoice& choice, int row);

// The state window asks before it opens the dialog: amounts due are not
// converted to the new unit. True when the user goes on.
bool ConfirmStateUnitChange(Platform& ui);

}  // namespace kz
