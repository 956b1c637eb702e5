#include "tools/frmPhone.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

// The grid's widths are given in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

}  // namespace

frmPhone::frmPhone(BudgetFile& doc, Platform& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui) {
    setObjectName("frmPhone");
    setWindowTitle(QStringLiteral("Телефонная книжка"));

    Grid = Named(new QTableWidget(kPhoneSlots, 3, this), "Grid");
    Grid->setAccessibleName(windowTitle());
    Grid->verticalHeader()->hide();
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move in it
    CurrentFollowsSelection(Grid);
    Grid->setAlternatingRowColors(true);
    Grid->setWordWrap(false);
    Grid->horizontalHeader()->setHighlightSections(false);
    Grid->setColumnWidth(0, Grid->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Grid->setColumnWidth(1, kPhoneColumnTwips / kTwipsPerPixel);
    Grid->setColumnWidth(2, kPhoneColumnTwips / kTwipsPerPixel);
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 8);

    cmdAdd = Button(this, "cmdAdd", QStringLiteral("Добавить номер..."));
    cmdChange = Button(this, "cmdChange", QStringLiteral("Изменить..."));
    cmdDel = Button(this, "cmdDel", QStringLiteral("Удалить"));
    cmdClearAll = Button(this, "cmdClearAll", QStringLiteral("Удалить все"));
    cmdBuf = Button(this, "cmdBuf", QStringLiteral("Копир. в буфер"));
    cmdClose = Button(this, "cmdClose", QStringLiteral("Закрыть"));

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdChange);
    buttons->addWidget(cmdDel);
    buttons->addSpacing(12);
    buttons->addWidget(cmdBuf);
    buttons->addStretch(1);
    buttons->addWidget(cmdClearAll);
    buttons->addSpacing(12);
    buttons->addWidget(cmdClose);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, [this] { Run(&AddPhone); });
    connect(cmdChange, &QPushButton::clicked, this, [this] { Run(&ChangePhone); });
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] { Run(&ChangePhone); });
    connect(cmdDel, &QPushButton::clicked, this, [this] { Run(&DeletePhone); });
    connect(cmdClearAll, &QPushButton::clicked, this, [this] { Run(&ClearPhones); });
    connect(cmdBuf, &QPushButton::clicked, this, [this] {
        TakeSelection();
        CopyPhone(ui_, view_);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    TabOrderFollowsLayout(this);
    WindowKeys(this, nullptr, true);
    resize(560, 420);
}

void frmPhone::LoadPhones() {
    kz::LoadPhones(doc_, view_);
    ShowRows();
}

template <typename Op>
void frmPhone::Run(Op op) {
    TakeSelection();
    if (op(doc_, ui_, view_)) ShowRows();
}

void frmPhone::TakeSelection() {
    // Grid row r (0-based) stands for slot r + 1. The current cell alone is
    // no choice: the grid sets one by itself when it takes the focus. Column 0
    // holds the slot numbers, a fixed column: a row chosen there, or through
    // the accessibility interface, means its name.
    const QModelIndexList selected = Grid->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    view_.row = row + 1;
    view_.col = Grid->currentRow() == row && Grid->currentColumn() >= 1 ? Grid->currentColumn() : 1;
}

void frmPhone::ShowRows() {
    const auto& rows = view_.rows;
    if (rows.empty()) return;
    QStringList heading;
    for (const std::string& cell : rows[0]) heading << Q(cell);
    Grid->setHorizontalHeaderLabels(heading);
    for (int r = 1; r <= kPhoneSlots; ++r) {
        for (int c = 0; c < 3; ++c) {
            const auto& cells = static_cast<std::size_t>(r) < rows.size()
                                    ? rows[static_cast<std::size_t>(r)]
                                    : std::vector<std::string>{};
            const QString text = static_cast<std::size_t>(c) < cells.size()
                                     ? Q(cells[static_cast<std::size_t>(c)])
                                     : QString();
            QTableWidgetItem* item = Grid->item(r - 1, c);
            if (!item) {
                item = new QTableWidgetItem;
                // The slot numbers are a fixed column, as a grid's row heading.
                if (c == 0) {
                    item->setTextAlignment(Qt::AlignCenter);
                    item->setForeground(palette().placeholderText());
                }
                Grid->setItem(r - 1, c, item);
            }
            item->setText(text);
        }
    }
}

}  // namespace kz
