#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

#include "core/Grid.h"

namespace kz {

// The grid of the windows that show a list: the rows of FillGrid, row 0 as
// the fixed caption row (the column headings a screen reader announces) and
// column 0 the slot numbers. Read-only; the user chooses a row by clicking
// or with the keys, and the window asks for the chosen row and cell.
class ListGrid : public QTableWidget {
    Q_OBJECT
public:
    // `accessibleName` is what a screen reader calls the grid.
    ListGrid(QWidget* parent, const char* name, const QString& accessibleName);

    // Shows `rows` as they are (row 0 the captions) and chooses nothing.
    void Show(GridRows rows);
    const GridRows& Rows() const { return rows_; }

    // Widths of the named columns in twips, scaled to the font; column 0 is
    // kGridColumn0Twips wide unless named. Other columns fit their content.
    void SetColumnWidths(const std::vector<ColumnWidth>& widths);

    // The chosen data row (1-based, as the slot it shows), 0 when none.
    int CurrentRow() const;
    // The text of the current cell of the chosen row; empty when none.
    std::string CurrentCell() const;
    // Chooses data row `row` (1-based) and its cell in `column`.
    void SetCurrent(int row, int column);

    // Deletes data row `row` and keeps `rowCount` rows (RemoveGridRow).
    void RemoveRow(int row, int rowCount);

private:
    void ApplyWidths();

    GridRows rows_;
    std::vector<ColumnWidth> widths_;
};

}  // namespace kz
