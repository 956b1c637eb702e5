#include "state/StateFixture.h"
#include "windows/state/ChangeIE.h"

namespace kz {
namespace {

// Units 1 and 3 in use, slot 2 free; two clients.
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

TEST_F(ChangeIETest, RowsSkipTheFreeSlotAndMapBackToTheirSlots) {
    const UnitChoice choice = PrepareUnitChoice(doc, UnitOwner::State);
    EXPECT_EQ(choice.units.rows, (std::vector<std::string>{"рубли(р.)", "евро(€)"}));
    EXPECT_EQ(choice.selected, 1);

    // The second row is unit 3; the balance keeps its number.
    EXPECT_TRUE(ChooseUnit(doc, UnitOwner::State, choice, 2));
    EXPECT_EQ(sost().ienum, 3);
    EXPECT_EQ(sost().bal, 100);
    EXPECT_TRUE(doc.Dirty);
    EXPECT_EQ(doc.Client(2).ienum, 3);

    // Choosing the unit it already has still counts as a change.
    doc.Dirty = false;
    EXPECT_EQ(PrepareUnitChoice(doc, UnitOwner::State).selected, 2);
    EXPECT_TRUE(ChooseUnit(doc, UnitOwner::State, PrepareUnitChoice(doc, UnitOwner::State), 2));
    EXPECT_TRUE(doc.Dirty);
}

TEST_F(ChangeIETest, ClientModeWorksOnTheCurrentClientOnly) {
    const UnitChoice choice = PrepareUnitChoice(doc, UnitOwner::Client);
    EXPECT_EQ(choice.selected, 2);
    EXPECT_TRUE(ChooseUnit(doc, UnitOwner::Client, choice, 1));
    EXPECT_EQ(doc.Client(2).ienum, 1);
    EXPECT_EQ(doc.Client(1).ienum, 1);
    EXPECT_EQ(sost().ienum, 1);
    EXPECT_TRUE(doc.Dirty);
}

TEST_F(ChangeIETest, AUnitWhoseSlotIsFreeLeavesNothingChosen) {
    sost().ienum = 2;
    const UnitChoice choice = PrepareUnitChoice(doc, UnitOwner::State);
    EXPECT_EQ(choice.selected, 0);
    for (int row : {0, 3}) EXPECT_FALSE(ChooseUnit(doc, UnitOwner::State, choice, row));
    EXPECT_EQ(sost().ienum, 2);
    EXPECT_FALSE(doc.Dirty);
}

}  // namespace
}  // namespace kz
