#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "GuiHelpers.h"
#include "gui/App.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"
#include "windows/state/frmChangeIE.h"

namespace kz {
namespace {

using test::Child;

// A document with units 1 and 3 (slot 2 free), its state on unit 1 and its
// client on unit 3.
struct StateDialogsGui : ::testing::Test {
    StateDialogsGui() {
        ui.SetToday(5, 10, 2002);
        FillNewDocumentDefaults(app.doc);
        app.doc.Unit(2) = {};
        app.doc.Unit(3) = {"евро", "€"};
        app.doc.clientkol = 1;
        app.doc.Client(1).clientname = "Иванов";
        app.doc.Client(1).ienum = 3;
    }
    test::TempDir dir;
    test::ScriptedPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
};

TEST_F(StateDialogsGui, UnitDialogSetsTheClientsUnitOrCancelsWithEscape) {
    QStringList rows;
    test::WhenModal<frmChangeIE>([&](frmChangeIE* dialog) {
        auto* cmbIE = Child<QComboBox>(dialog, "cmbIE");
        for (int i = 0; i < cmbIE->count(); ++i) rows << cmbIE->itemText(i);
        EXPECT_EQ(cmbIE->currentIndex(), 1);  // the client's unit, slot 3
        cmbIE->setCurrentIndex(0);
        Child<QPushButton>(dialog, "cmdOK")->click();
    });
    EXPECT_TRUE(app.ChangeUnit(nullptr, UnitOwner::Client));
    EXPECT_EQ(rows, (QStringList{"рубли(р.)", "евро(€)"}));
    EXPECT_EQ(app.doc.Client(1).ienum, 1);
    EXPECT_TRUE(app.doc.Dirty);

    app.doc.Dirty = false;
    test::WhenModal<frmChangeIE>([](frmChangeIE* dialog) {
        Child<QComboBox>(dialog, "cmbIE")->setCurrentIndex(1);
        test::Key(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(app.ChangeUnit(nullptr, UnitOwner::State));
    EXPECT_EQ(app.doc.Sost(1).ienum, 1);
    EXPECT_FALSE(app.doc.Dirty);
}

}  // namespace
}  // namespace kz
