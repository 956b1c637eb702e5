#include "tools/frmPhone.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/App.h"

namespace kz {

namespace {

QPointer<frmPhone> g_phone;

// The grid's widths are given in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

frmPhone::frmPhone(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmPhone");
    setWindowTitle(QStringLiteral("Телефонная книжка"));
    setAttribute(Qt::WA_DeleteOnClose);

    Grid = new QTableWidget(kPhoneSlots, 3, this);
    Grid->setObjectName("Grid");
    Grid->verticalHeader()->hide();
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setAlternatingRowColors(true);
    Grid->setWordWrap(false);
    Grid->horizontalHeader()->setHighlightSections(false);
    Grid->setColumnWidth(0, Grid->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Grid->setColumnWidth(1, kPhoneColumnTwips / kTwipsPerPixel);
    Grid->setColumnWidth(2, kPhoneColumnTwips / kTwipsPerPixel);
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 8);

    cmdAdd = Button(this, QStringLiteral("Добавить номер..."), "cmdAdd");
    cmdChange = Button(this, QStringLiteral("Изменить..."), "cmdChange");
    cmdDel = Button(this, QStringLiteral("Удалить"), "cmdDel");
    cmdClearAll = Button(this, QStringLiteral("Удалить все"), "cmdClearAll");
    cmdBuf = Button(this, QStringLiteral("Копир. в буфер"), "cmdBuf");
    cmdClose = Button(this, QStringLiteral("Закрыть"), "cmdClose");

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
        CopyPhone(app_.ui(), view_);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    resize(560, 420);
}

void frmPhone::LoadPhones() {
    kz::LoadPhones(app_.doc, view_);
    ShowRows();
}

template <typename Op>
void frmPhone::Run(Op op) {
    TakeSelection();
    if (op(app_.doc, app_.ui(), view_)) ShowRows();
}

void frmPhone::TakeSelection() {
    // Grid row r (0-based) stands for slot r + 1. The current cell alone is
    // no choice: the grid sets one by itself when it takes the focus.
    const QModelIndexList selected = Grid->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.first().row();
    view_.row = row + 1;
    view_.col = Grid->currentRow() == row && Grid->currentColumn() >= 0 ? Grid->currentColumn() : 1;
}

void frmPhone::ShowRows() {
    const auto& rows = view_.rows;
    if (rows.empty()) return;
    QStringList heading;
    for (const std::string& cell : rows[0]) heading << QString::fromStdString(cell);
    Grid->setHorizontalHeaderLabels(heading);
    for (int r = 1; r <= kPhoneSlots; ++r) {
        for (int c = 0; c < 3; ++c) {
            const auto& cells = static_cast<std::size_t>(r) < rows.size()
                                    ? rows[static_cast<std::size_t>(r)]
                                    : std::vector<std::string>{};
            const QString text = static_cast<std::size_t>(c) < cells.size()
                                     ? QString::fromStdString(cells[static_cast<std::size_t>(c)])
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

void ShowPhoneBook(App& app, QWidget* parent) {
    // A closed window only waits to be deleted; it is not shown again. One
    // left by another application object must not touch that one's document.
    if (g_phone && (!g_phone->isVisible() || &g_phone->Owner() != &app)) {
        g_phone->deleteLater();
        g_phone = nullptr;
    }
    const bool created = !g_phone;
    // Without a parent: the large windows take turns on the screen, and a
    // child window would vanish with the one that opened it.
    if (created) g_phone = new frmPhone(app);
    if (created && parent)
        g_phone->move(parent->frameGeometry().center() - g_phone->rect().center());
    g_phone->LoadPhones();
    g_phone->show();
    g_phone->raise();
    g_phone->activateWindow();
}

void ClosePhoneBook() {
    if (g_phone && g_phone->isVisible()) g_phone->close();
}

}  // namespace kz
