#include "windows/state/frmOld.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/ListGrid.h"
#include "platform/qt/Widgets.h"
#include "reports/frmGraph.h"
#include "tools/frmConv.h"
#include "windows/state/Debts.h"

namespace kz {

frmOld::frmOld(WindowContext context) : frmLargeWindow(std::move(context), "frmOld") {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    BuildFileMenu();

    lblWindowName = Heading(Label(central, "lblWindowName", {}), 1.4);
    lblWindowName->setWordWrap(true);
    lblWindowInfo = Label(central, "lblWindowInfo", {});
    lblWindowInfo->setWordWrap(true);
    grid = new ListGrid(central, "grid", QStringLiteral("Список"));

    cmdReturn = Button(central, "cmdReturn", QStringLiteral("Вернуть"),
                       QStringLiteral("Вернуть указанную сумму денег и вычеркнуть текущую запись "
                                      "из списка"));
    cmdDel = Button(central, "cmdDel", QStringLiteral("Вычеркнуть"),
                    QStringLiteral("Вычеркнуть выделенную запись из списка"));
    lblCreateGraph = LinkButton(central, "lblCreateGraph", QStringLiteral("Построить график"),
                                QStringLiteral("Построить график на основании данных таблицы"));
    for (QPushButton* b : {cmdReturn, cmdDel}) {
        b->setAutoDefault(false);
        b->hide();
    }
    lblCreateGraph->hide();

    auto* head = new QHBoxLayout;
    head->addWidget(lblWindowName, 1);
    head->addLayout(BackAndExitButtons(central));

    // Beside the grid: its buttons and the converter, no wider than they
    // need, so that the grid has the room for its columns.
    auto* side = new QWidget(central);
    auto* actions = new QVBoxLayout(side);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->addWidget(cmdReturn);
    actions->addWidget(cmdDel);
    actions->addWidget(lblCreateGraph);
    actions->addStretch(1);
    actions->addWidget(Converter(side));
    side->setFixedWidth(side->minimumSizeHint().width());
    auto* body = new QHBoxLayout;
    body->addWidget(grid, 1);
    body->addWidget(side);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(head);
    layout->addWidget(lblWindowInfo);
    layout->addLayout(body, 1);
    layout->addLayout(ToolButtons(central));

    connect(cmdDel, &QPushButton::clicked, this, &frmOld::OnDel);
    connect(cmdReturn, &QPushButton::clicked, this, &frmOld::OnReturn);
    connect(lblCreateGraph, &QPushButton::clicked, this, &frmOld::OnCreateGraph);
    FinishLayout();
}

frmOld::~frmOld() {
    delete graph_;  // an open graph goes with the window that drew it
}

void frmOld::ShowList(int mode) {
    setEnabled(false);  // while the list is read
    const ListView view = OpenList(ctx_.doc, ctx_.ui, mode);
    grid->Show(view.rows);
    grid->SetColumnWidths(view.layout.widths);
    lblWindowName->setText(Q(view.layout.windowName));
    grid->setAccessibleName(lblWindowName->text());
    lblWindowInfo->setText(Q(view.layout.windowInfo));
    mode_ = mode;
    cmdDel->show();
    cmdReturn->setVisible(view.layout.debtActions);
    lblCreateGraph->setVisible(!view.layout.debtActions);
    setEnabled(true);
    grid->setFocus();
}

void frmOld::OnDel() {
    const int row = grid->CurrentRow();
    const std::string cell = grid->CurrentCell();
    const bool removed =
        IsDebtMode(mode_)
            ? SubmitStrikeOutDebt(ctx_.doc, ctx_.ui, static_cast<DebtListMode>(mode_), row, cell)
            : StrikeOutEntry(ctx_.doc, ctx_.ui, mode_, row, cell);
    if (removed) grid->RemoveRow(row, kListSize);
}

void frmOld::OnReturn() {
    if (!IsDebtMode(mode_)) return;
    if (SubmitRepayDebt(ctx_.doc, ctx_.ui, ctx_.settings, static_cast<DebtListMode>(mode_),
                        grid->CurrentRow(), grid->CurrentCell()))
        ShowList(mode_);
}

void frmOld::OnCreateGraph() {
    GraphData data;
    if (!PrepareGraph(ctx_.doc, ctx_.ui, mode_, data)) return;
    ShowToolWindow(graph_, nullptr, [this] { return new frmGraph(ctx_.ui); })->Update(data);
}

void frmOld::GoBack() {
    lblCreateGraph->hide();
    ctx_.nav.RefreshMain();
    ctx_.nav.OpenState(this);
}

}  // namespace kz
