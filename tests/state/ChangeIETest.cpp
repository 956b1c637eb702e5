#include "state/StateFixture.h"
#include "windows/state/ChangeIE.h"

namespace kz {
namespace {

// Units 1 and 3 in use, slot 2 free; the second client is the current one.
class ChangeIETest : public test::StateTest {
protected:
    ChangeIETest() {
        doc.Unit(2) = {};
        doc.Unit(3) = {"евро", "€"};
        sost().bal = 100;
        doc.clientkol = 2;
        doc.Client(2).ienum = 3;
        doc.CurrentClient = 2;
    }
};

TEST_F(ChangeIETest, RowsSkipTheFreeSlotAndMapBackToTheOwnersSlot) {
    const UnitChoice choice = PrepareUnitChoice(doc, UnitOwner::State);
    EXPECT_EQ(choice.units.rows, (std::vector<std::string>{"рубли(р.)", "евро(€)"}));
    EXPECT_EQ(choice.selected, 1);
    EXPECT_EQ(PrepareUnitChoice(doc, UnitOwner::Client).selected, 2);

    // The second row is unit 3; the balance keeps its number.
    EXPECT_TRUE(ChooseUnit(doc, UnitOwner::State, choice, 2));
    EXPECT_EQ(sost().ienum, 3);
    EXPECT_EQ(sost().bal, 100);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_TRUE(ChooseUnit(doc, UnitOwner::Client, choice, 1));
    EXPECT_EQ(doc.Client(2).ienum, 1);
    EXPECT_EQ(sost().ienum, 3);

    // A unit whose slot is free leaves nothing chosen, and no row is taken.
    sost().ienum = 2;
    doc.Dirty = false;
    EXPECT_EQ(PrepareUnitChoice(doc, UnitOwner::State).selected, 0);
    for (int row : {0, 3}) EXPECT_FALSE(ChooseUnit(doc, UnitOwner::State, choice, row));
    EXPECT_EQ(sost().ienum, 2);
    EXPECT_FALSE(doc.Dirty);
}

}  // namespace
}  // namespace kz
