#include <gtest/gtest.h>

#include <QApplication>

#include "core/Grid.h"
#include "platform/qt/ListGrid.h"

namespace kz {
namespace {

// The current cell the grid makes for itself on taking the focus is no
// choice: a command on the chosen row must not act on the first one unasked.
TEST(ListGridGui, OnlyAChosenRowIsTheCurrentOne) {
    ListGrid grid(nullptr, "grdList", "Список");
    grid.Show(FillGrid("\tСумма\r\n1\t300\r\n2\t250,5\r\n", 6, 1));
    grid.show();
    grid.selectionModel()->setCurrentIndex(grid.model()->index(0, 1),
                                           QItemSelectionModel::NoUpdate);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.CurrentCell(), "");
    grid.SetCurrent(2, 1);
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_EQ(grid.CurrentCell(), "250,5");
    grid.Show(FillGrid("\tСумма\r\n", 3, 1));  // new rows drop the old choice
    EXPECT_EQ(grid.CurrentRow(), 0);
}

}  // namespace
}  // namespace kz
