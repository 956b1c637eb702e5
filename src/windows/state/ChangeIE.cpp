#include "windows/state/ChangeIE.h"

namespace kz {

namespace {

// The unit slot of the owner, const or not.
template <class Doc>
auto& OwnerUnit(Doc& doc, UnitOwner owner) {
    return owner == UnitOwner::Client ? doc.Client(doc.CurrentClient).ienum
                                      : doc.Sost(doc.CurrentSost).ienum;
}

}  // namespace

UnitChoice PrepareUnitChoice(const BudgetFile& doc, UnitOwner owner) {
    UnitChoice choice;
    choice.units = UsedUnitRows(doc);
    const int unit = OwnerUnit(doc, owner);
    const auto& slots = choice.units.slots;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i] == unit) choice.selected = static_cast<int>(i) + 1;
    return choice;
}

bool ChooseUnit(BudgetFile& doc, UnitOwner owner, const UnitChoice& choice, int row) {
    if (row < 1 || row > static_cast<int>(choice.units.slots.size())) return false;
    OwnerUnit(doc, owner) = Slot(choice.units.slots, row);
    doc.Dirty = true;
    return true;
}

bool ConfirmStateUnitChange(Platform& ui) {
    const std::string warning = JoinParagraphs(
        "Если Вы брали взаймы или одалживали деньги, то изменять и.е. не рекомендуется, т.к. "
        "суммы подлежащие к возврату автоматически не конвертируются из прежней и.е. в новую.",
        "Изменить и.е. данного состояния?");
    return ui.MessageBox(warning, Icon::Exclamation, Buttons::YesNo, "Предупреждение") ==
           Answer::Yes;
}

}  // namespace kz
