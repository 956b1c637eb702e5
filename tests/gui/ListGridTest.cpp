#include <gtest/gtest.h>

#include <QApplication>

#include "core/Grid.h"
#include "platform/qt/ListGrid.h"

namespace kz {
namespace {

TEST(ListGridGui, ShowsFillGridRowsAndReportsTheChosenRowAndCell) {
    ListGrid grid(nullptr, "grdList", "Список");
    grid.resize(700, 400);
    grid.Show(
        FillGrid("\tСумма\tДата\tПовод\r\n1\t300\t02.03.2002\t\r\n2\t250,5\t01.03.2002\t"
                 "Премия\r\n100\t1000\t01.03.2002\tЗарплата\r\n",
                 6, 3));
    grid.show();
    // Row 0 of the fill is the heading, the rest are the rows.
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.item(1, 1)->text(), "250,5");

    // The current cell the grid makes for itself on taking the focus is no choice.
    grid.selectionModel()->setCurrentIndex(grid.model()->index(0, 1),
                                           QItemSelectionModel::NoUpdate);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.CurrentCell(), "");
    // Deleting row 1 moves the others up, keeps five rows and the choice on row 1.
    grid.SetCurrent(1, 1);
    grid.RemoveRow(1, 6);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.item(1, 3)->text(), "Зарплата");
    EXPECT_EQ(grid.CurrentCell(), "250,5");
    // Showing new rows drops the old choice.
    grid.Show(FillGrid("\tСумма\r\n", 3, 1));
    EXPECT_EQ(grid.CurrentRow(), 0);
}

}  // namespace
}  // namespace kz
