#include "platform/qt/ListGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

constexpr double kTwipsPerPixel = 15;
// The widths were chosen for a font whose average character is 5 pixels
// wide; a wider font widens the columns alike.
constexpr double kReferenceCharWidth = 5;
// A column fitted to its content never takes more than this.
constexpr int kMaxFittedWidth = 260;

}  // namespace

ListGrid::ListGrid(QWidget* parent, const char* name, const QString& accessibleName)
    : QTableWidget(parent) {
    Named(this, name);
    setAccessibleName(accessibleName);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void ListGrid::Show(GridRows rows) {
    rows_ = std::move(rows);
    const int columns = rows_.empty() ? 0 : static_cast<int>(rows_.front().size());
    const int dataRows = rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1;
    clearSelection();
    setColumnCount(columns);
    setRowCount(dataRows);
    QStringList captions;
    for (int c = 0; c < columns; ++c) captions << Q(rows_.front()[static_cast<std::size_t>(c)]);
    setHorizontalHeaderLabels(captions);
    for (int r = 1; r <= dataRows; ++r) {
        const auto& cells = rows_[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(Q(cells[static_cast<std::size_t>(c)]));
            // The slot numbers are the grid's row headings.
            if (c == 0) {
                item->setTextAlignment(Qt::AlignCenter);
                item->setForeground(palette().placeholderText());
            }
            setItem(r - 1, c, item);
        }
    }
    setCurrentCell(-1, -1);
    ApplyWidths();
}

void ListGrid::SetColumnWidths(const std::vector<ColumnWidth>& widths) {
    widths_ = widths;
    ApplyWidths();
}

void ListGrid::ApplyWidths() {
    const double scale =
        std::max(1.0, fontMetrics().averageCharWidth() / kReferenceCharWidth) / kTwipsPerPixel;
    auto twips = [&](int column) {
        for (const ColumnWidth& w : widths_)
            if (w.column == column) return w.twips;
        return column == 0 ? kGridColumn0Twips : 0;
    };
    for (int c = 0; c < columnCount(); ++c) {
        const int width = static_cast<int>(twips(c) * scale);
        if (width > 0 && c > 0) {
            setColumnWidth(c, width);
            continue;
        }
        resizeColumnToContents(c);
        // The slot numbers are never cut off, however narrow their column.
        setColumnWidth(c, c == 0 ? std::max(columnWidth(c), width)
                                 : std::min(columnWidth(c), kMaxFittedWidth));
    }
}

int ListGrid::CurrentRow() const {
    // A current cell alone is no choice: the grid makes one by itself when
    // it takes the focus.
    const QModelIndexList chosen = selectionModel()->selectedRows();
    return chosen.isEmpty() ? 0 : chosen.first().row() + 1;
}

std::string ListGrid::CurrentCell() const {
    const int row = CurrentRow();
    if (row == 0 || currentRow() != row - 1 || currentColumn() < 0) return {};
    const QTableWidgetItem* cell = item(row - 1, currentColumn());
    return cell ? S(cell->text()) : std::string{};
}

void ListGrid::SetCurrent(int row, int column) {
    setCurrentCell(row - 1, column);
}

void ListGrid::RemoveRow(int row, int rowCount) {
    RemoveGridRow(rows_, row, rowCount);
    const int shownRow = CurrentRow();
    const int shownColumn = currentColumn();
    Show(std::move(rows_));
    // The choice stays on the row that took the deleted one's place.
    if (shownRow >= 1 && shownRow <= this->rowCount()) SetCurrent(shownRow, shownColumn);
}

}  // namespace kz
