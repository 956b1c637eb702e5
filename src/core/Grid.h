#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace kz {

// The grid control of the list window, the phone book and the client
// window: rows filled from a table text.

// Grid rows, row 0 the caption row; every row has the same number of cells.
using GridRows = std::vector<std::vector<std::string>>;

// The width of a grid column in twips (15 to a pixel on the reference screen).
struct ColumnWidth {
    int column;
    int twips;
};

// Column 0 holds the slot numbers.
inline constexpr int kGridColumn0Twips = 300;

// Turns a table text into exactly `rowCount` rows of `dataColumns` + 1 cells.
// CR LF ends a row; a tab or "|" separates cells ("`" also ends a row, since
// the grid marks row ends with it). Cells beyond the columns are dropped;
// missing cells, and rows beyond the text, are empty. Rows past `rowCount`
// are cut off. Progress goes to `progress` once per character when given.
GridRows FillGrid(std::string_view table, int rowCount, int dataColumns,
                  Platform* progress = nullptr);

// Deletes grid row `row` (1-based data row) and adds an empty row at the end
// so the grid keeps `rowCount` rows, as the window does after a strike-out.
// The slot numbers of the rows below stay as they were shown.
void RemoveGridRow(GridRows& rows, int row, int rowCount);

}  // namespace kz
