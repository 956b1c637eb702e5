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

    // Widths of the named columns in twips (15 to a pixel); column 0 is at
    // least kGridColumn0Twips wide and fits the slot numbers. Other columns
    // fit their content. While the grid is too narrow for them all, the
    // named columns give way, down to the width of their captions.
    void SetColumnWidths(const std::vector<ColumnWidth>& widths);

    // The chosen data row (1-based, as the slot it shows), 0 when none.
    int CurrentRow() const;
    // The text of the current cell of the chosen row; empty when none.
    std::string CurrentCell() const;
    // Chooses data row `row` (1-based) and its cell in `column`.
    void SetCurrent(int row, int column);

    // Deletes data row `row` and keeps `rowCount` rows (RemoveGridRow).
    void RemoveRow(int row, int rowCount);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyWidths();
    void FitWidths();

    GridRows rows_;
    std::vector<ColumnWidth> widths_;
    std::vector<int> natural_;  // each column's width while there is room
    std::vector<bool> named_;
};

}  // namespace kz
