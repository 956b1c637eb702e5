#include "windows/state/frmSost.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "reports/ReportFiles.h"
#include "tools/frmConv.h"
#include "windows/state/ChangeIE.h"
#include "windows/state/HistoryList.h"
#include "windows/state/frmAddSell.h"
#include "windows/state/frmZanOdol.h"

namespace kz {

namespace {

const QColor kNoDebtsColor(255, 224, 192);
const QColor kDebtsColor(255, 128, 128);

QFrame* Panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

// A debt button in the colour of its list; a screen reader hears it too.
void ShowDebts(QPushButton* button, bool debts) {
    QPalette p = button->palette();
    p.setColor(QPalette::Button, debts ? kDebtsColor : kNoDebtsColor);
    button->setPalette(p);
    button->setAutoFillBackground(true);
    button->setAccessibleDescription(
        button->toolTip() +
        (debts ? QStringLiteral(". В списке есть долги.") : QStringLiteral(". Список пуст.")));
}

}  // namespace

frmSost::frmSost(WindowContext context) : frmLargeWindow(std::move(context), "frmSost") {
    BuildControls();
    BuildMenus();
    FinishLayout();
}

void frmSost::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // The state's name as the heading, and the ways out.
    Label2 = Heading(Label(central, "Label2", {}), 1.6);
    auto* head = new QHBoxLayout;
    head->addWidget(Label2, 1);
    head->addLayout(BackAndExitButtons(central));

    // Name, balance and unit; each can be changed by a click.
    QFrame* state = Panel(central);
    QLabel* Label3 = Label(state, "Label3", QStringLiteral("Название состояния:"));
    lblSostName = LinkButton(state, "lblSostName", {},
                             QStringLiteral("Щелкните здесь, чтобы изменить название состояния"));
    Label4 = LinkButton(state, "Label4", QStringLiteral("Текущая сумма:"),
                        QStringLiteral("Ручное изменение суммы"));
    txtCurSum = Named(new QLineEdit(state), "txtCurSum");
    txtCurSum->setReadOnly(true);
    txtCurSum->setAccessibleName(Label4->text());
    ActsOn(Label4, QStringLiteral("ручное изменение"));
    lblIE = LinkButton(state, "lblIE", {},
                       QStringLiteral("Щелкните, чтобы изменить и.е. для текушего состояния"));
    auto* stateLayout = new QGridLayout(state);
    stateLayout->addWidget(Label3, 0, 0);
    stateLayout->addWidget(lblSostName, 0, 1, 1, 2);
    stateLayout->addWidget(Label4, 1, 0);
    stateLayout->addWidget(txtCurSum, 1, 1);
    stateLayout->addWidget(lblIE, 1, 2);
    stateLayout->setColumnStretch(1, 1);

    // The four operations, incomes on the left and expenses on the right.
    QFrame* operations = Panel(central);
    const QString pastBalances = QStringLiteral("Предыдущие балансы данного состояния");
    QPushButton* Label6_0 =
        LinkButton(operations, "Label6_0", QStringLiteral("Доходы:"), pastBalances);
    QLabel* Label7 = Heading(Label(operations, "Label7", QStringLiteral("Расходы:")), 1.0);
    QPushButton* cmdAddZar = Button(operations, "cmdAddZar", QStringLiteral("Добавить зарплату"));
    QPushButton* cmdBuy = Button(operations, "cmdBuy", QStringLiteral("Потратить деньги"));
    QPushButton* cmdZan = Button(operations, "cmdZan", QStringLiteral("Занять деньги"));
    QPushButton* cmdOdol = Button(operations, "cmdOdol", QStringLiteral("Одолжить деньги"));
    const char* const explanations[] = {"Полученные деньги: зарплата, подарок, выигрыш...",
                                        "Деньги, потраченные на покупки", "Деньги, взятые в долг",
                                        "Деньги, данные в долг"};
    auto* opsLayout = new QGridLayout(operations);
    opsLayout->addWidget(Label6_0, 0, 0, 1, 2);
    opsLayout->addWidget(Label7, 0, 2, 1, 2);
    QPushButton* ops[] = {cmdAddZar, cmdBuy, cmdZan, cmdOdol};
    for (int i = 0; i < 4; ++i) {
        const std::string name = "lblx_" + std::to_string(i);
        QLabel* lblx = Label(operations, name.c_str(), QString::fromUtf8(explanations[i]));
        lblx->setWordWrap(true);
        const int row = 1 + i / 2, column = (i % 2) * 2;
        opsLayout->addWidget(ops[i], row, column);
        opsLayout->addWidget(lblx, row, column + 1);
    }
    opsLayout->setColumnStretch(1, 1);
    opsLayout->setColumnStretch(3, 1);

    // The lists of the state.
    QFrame* lists = Panel(central);
    cmdOnDol = Button(lists, "cmdOnDol", QStringLiteral("Вам должны..."),
                      QStringLiteral("Список лиц, которые вам должны вернуть деньги"));
    cmdVyDol = Button(lists, "cmdVyDol", QStringLiteral("Вы должны..."),
                      QStringLiteral("Список лиц, которым вы должны вернуть деньги"));
    QPushButton* cmdDohod = Button(lists, "cmdDohod", QStringLiteral("Доходы..."),
                                   QStringLiteral("Список ваших прошлых доходов"));
    QPushButton* cmdOldPotr = Button(lists, "cmdOldPotr", QStringLiteral("Потраченные..."),
                                     QStringLiteral("Потраченные деньги"));
    QPushButton* cmdZanList = Button(lists, "cmdZanList", QStringLiteral("Занятые деньги..."),
                                     QStringLiteral("Занятые деньги"));
    QPushButton* cmdOdolList = Button(lists, "cmdOdolList", QStringLiteral("Одолженные деньги"),
                                      QStringLiteral("Одолженные деньги"));
    QPushButton* Label6_1 =
        LinkButton(lists, "Label6_1", QStringLiteral("Старые финансовые состояния"), pastBalances);
    cmdReport = Button(lists, "cmdReport", QStringLiteral("Отчет за..."),
                       QStringLiteral("Показать отчет за месяц, указываемый далее"));
    auto* listsLayout = new QGridLayout(lists);
    listsLayout->addWidget(cmdOnDol, 0, 0);
    listsLayout->addWidget(cmdVyDol, 0, 1);
    listsLayout->addWidget(cmdDohod, 1, 0);
    listsLayout->addWidget(cmdOldPotr, 1, 1);
    listsLayout->addWidget(cmdZanList, 2, 0);
    listsLayout->addWidget(cmdOdolList, 2, 1);
    listsLayout->addWidget(Label6_1, 3, 0);
    listsLayout->addWidget(cmdReport, 3, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(state);
    left->addWidget(operations);
    left->addWidget(lists);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Converter(central));
    right->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 1);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(head);
    layout->addLayout(body, 1);
    layout->addLayout(ToolButtons(central));

    for (QPushButton* b : {cmdAddZar, cmdBuy, cmdZan, cmdOdol, cmdOnDol, cmdVyDol, cmdDohod,
                           cmdOldPotr, cmdZanList, cmdOdolList, cmdReport})
        b->setAutoDefault(false);

    connect(lblSostName, &QPushButton::clicked, this, [this] {
        if (RenameState(ctx_.doc, ctx_.ui)) ShowView();
    });
    connect(Label4, &QPushButton::clicked, this, [this] {
        if (ChangeBalanceByHand(ctx_.doc, ctx_.ui, S(txtCurSum->text()))) ShowView();
    });
    connect(lblIE, &QPushButton::clicked, this, &frmSost::OnChangeUnit);
    connect(cmdAddZar, &QPushButton::clicked, this, [this] { OnAddSell(true); });
    connect(cmdBuy, &QPushButton::clicked, this, [this] { OnAddSell(false); });
    connect(cmdZan, &QPushButton::clicked, this, [this] { OnZanOdol(true); });
    connect(cmdOdol, &QPushButton::clicked, this, [this] { OnZanOdol(false); });
    const std::pair<QPushButton*, int> listButtons[] = {
        {Label6_0, kListOldBal},   {Label6_1, kListOldBal},   {cmdDohod, kListDohod},
        {cmdOldPotr, kListRashod}, {cmdZanList, kListOldZan}, {cmdOdolList, kListOldOdol},
        {cmdOnDol, kListOnDol},    {cmdVyDol, kListVyDol}};
    for (const auto& [button, mode] : listButtons)
        connect(button, &QPushButton::clicked, this,
                [this, mode = mode] { ctx_.nav.OpenList(this, mode); });
}

void frmSost::BuildMenus() {
    BuildFileMenu();
    QMenu* mnuReport = BuildReportMenu(QStringLiteral("Отчет за текущий месяц"), cmdReport,
                                       [this](int item) { OnReport(item); });
    mnuReport->addSeparator();
    connect(MenuItem(mnuReport, "mnuItemCreateAllReports",
                     QStringLiteral("Создать отчеты по всем состояниям")),
            &QAction::triggered, this,
            [this] { ctx_.nav.ShowReport(CreateAllReports(ctx_.doc, ctx_.ui)); });

    BuildHelpMenu(this, ctx_.nav, "mnuItemContents", false);
}

void frmSost::InitSost(int s) {
    ctx_.doc.CurrentSost = s;
    ShowView();
}

void frmSost::UpdateButtons() {
    const StateView now = StateWindowView(ctx_.doc);
    view_.owedToUser = now.owedToUser;
    view_.userOwes = now.userOwes;
    ShowDebts(cmdOnDol, view_.owedToUser);
    ShowDebts(cmdVyDol, view_.userOwes);
}

void frmSost::ShowView() {
    view_ = StateWindowView(ctx_.doc);
    Label2->setText(Q(view_.name));
    lblSostName->setText(Q(view_.name));
    txtCurSum->setText(Q(view_.balance));
    lblIE->setText(Q(view_.unit));
    UpdateButtons();
}

void frmSost::Changed() {
    ShowView();
    ctx_.nav.RefreshMain();
}

void frmSost::OnAddSell(bool income) {
    frmAddSell dialog(ctx_.doc, ctx_.ui, ctx_.settings, this);
    if (income)
        dialog.InitAdd();
    else
        dialog.InitSell();
    if (dialog.exec() == QDialog::Accepted) Changed();
}

void frmSost::OnZanOdol(bool borrow) {
    frmZanOdol dialog(ctx_.doc, ctx_.ui, this);
    if (borrow)
        dialog.InitZan();
    else
        dialog.InitSell();
    if (dialog.exec() == QDialog::Accepted) Changed();
    UpdateButtons();
}

void frmSost::OnChangeUnit() {
    if (!ConfirmStateUnitChange(ctx_.ui)) return;
    if (ctx_.nav.ChangeUnit(this, UnitOwner::State)) InitSost(ctx_.doc.CurrentSost);
    ctx_.nav.RefreshMain();
}

void frmSost::OnReport(int item) {
    ctx_.nav.ShowReport(StateMenuReport(ctx_.doc, ctx_.ui, item));
}

void frmSost::GoBack() {
    ctx_.nav.ReturnToMain(this);
}

}  // namespace kz
