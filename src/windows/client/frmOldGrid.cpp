#include "windows/client/frmOldGrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/ListGrid.h"
#include "platform/qt/Widgets.h"

namespace kz {

frmOldGrid::frmOldGrid(BudgetFile& doc, Platform& ui, Side side, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui), side_(side) {
    setObjectName("frmOldGrid");
    setWindowTitle(Q(kReturnsCaption));
    setModal(true);

    Grid = new ListGrid(this, "Grid", Q(kReturnsCaption));
    cmdClear = Button(this, "cmdClear", QStringLiteral("Удалить элемент"));
    cmdOK = Button(this, "cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);

    connect(cmdClear, &QPushButton::clicked, this, &frmOldGrid::OnClear);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    resize(600, 380);
}

void frmOldGrid::Fill() {
    Grid->Show(FillGrid(ReturnsTableText(doc_, side_), kClientGridRows, kClientGridColumns));
    Grid->SetColumnWidths({{1, 1200}, {2, 1800}});
}

void frmOldGrid::OnClear() {
    const int row = Grid->CurrentRow();
    if (!DeleteReturn(doc_, ui_, side_, row)) return;
    changed_ = true;
    Grid->RemoveRow(row, kClientGridRows);
}

}  // namespace kz
