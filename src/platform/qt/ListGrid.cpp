#include "platform/qt/ListGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

constexpr int kTwipsPerPixel = 15;
// Room around a column caption for the header's frame.
constexpr int kCaptionPadding = 16;
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
    setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move in it
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
            // A narrow column still shows its whole text on hovering.
            if (c > 0) item->setToolTip(item->text());
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
    auto twips = [&](int column) {
        for (const ColumnWidth& w : widths_)
            if (w.column == column) return w.twips;
        return column == 0 ? kGridColumn0Twips : 0;
    };
    natural_.assign(static_cast<std::size_t>(columnCount()), 0);
    named_.assign(static_cast<std::size_t>(columnCount()), false);
    for (int c = 0; c < columnCount(); ++c) {
        const auto i = static_cast<std::size_t>(c);
        const int width = twips(c) / kTwipsPerPixel;
        if (width > 0 && c > 0) {
            natural_[i] = width;
            named_[i] = true;
            continue;
        }
        resizeColumnToContents(c);
        // The slot numbers are never cut off, however narrow their column.
        natural_[i] =
            c == 0 ? std::max(columnWidth(c), width) : std::min(columnWidth(c), kMaxFittedWidth);
    }
    FitWidths();
}

void ListGrid::FitWidths() {
    std::vector<int> widths = natural_;
    std::vector<int> give(widths.size(), 0);
    int total = 0, giveTotal = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        total += widths[c];
        // A named (text) column gives way down to the width of its caption.
        if (named_[c]) {
            const QTableWidgetItem* heading = horizontalHeaderItem(static_cast<int>(c));
            const int caption = horizontalHeader()->fontMetrics().horizontalAdvance(
                                    heading ? heading->text() : QString()) +
                                kCaptionPadding;
            give[c] = std::max(0, widths[c] - caption);
            giveTotal += give[c];
        }
    }
    const int excess = std::min(total - viewport()->width(), giveTotal);
    for (std::size_t c = 0; c < widths.size() && excess > 0; ++c)
        // Rounded up, so that no scroll bar is left for a pixel or two.
        widths[c] -= static_cast<int>((static_cast<long long>(excess) * give[c] + giveTotal - 1) /
                                      giveTotal);
    for (std::size_t c = 0; c < widths.size(); ++c) setColumnWidth(static_cast<int>(c), widths[c]);
}

void ListGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitWidths();
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
