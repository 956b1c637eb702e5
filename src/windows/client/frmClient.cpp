#include "windows/client/frmClient.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/ListGrid.h"
#include "platform/qt/Widgets.h"
#include "reports/ClientReport.h"
#include "reports/ReportText.h"
#include "tools/frmConv.h"
#include "windows/client/ClientInfo.h"
#include "windows/client/frmClientInfo.h"
#include "windows/client/frmOldGrid.h"
#include "windows/client/frmPayment.h"

namespace kz {

namespace {

// Sum and date fit their columns; the info takes the rest.
const std::vector<ColumnWidth> kPaymentWidths = {{1, 1000}, {2, 1400}};

}  // namespace

frmClient::frmClient(WindowContext context) : frmLargeWindow(std::move(context), "frmClient") {
    BuildControls();
    BuildMenus();
    Connect();
    FinishLayout();
}

QGroupBox* frmClient::BuildSide(SideControls& s, const char* boxName, const QString& caption,
                                const char* gridName, const char* suffix, const QString& addTip,
                                const QString& delTip, const QString& returnTip,
                                const QString& infoTip) {
    // The caption is the group's title, so a screen reader names the side
    // of the buttons, which both sides share.
    s.box = Named(new QGroupBox(caption), boxName);
    QString side = caption;
    side.chop(1);  // without the colon
    s.grid = new ListGrid(s.box, gridName, side);
    auto name = [suffix](const char* base) { return std::string(base) + suffix; };
    s.add = Button(s.box, name("cmdAdd").c_str(), QStringLiteral("Добавить платеж"), addTip);
    s.change = Button(s.box, name("cmdChange").c_str(), QStringLiteral("Изменить..."));
    s.del = Button(s.box, name("cmdDel").c_str(), QStringLiteral("Удалить"), delTip);
    s.ret = Button(s.box, name("cmdReturn").c_str(), QStringLiteral("Вернуть деньги"), returnTip);
    s.oldReturn =
        Button(s.box, name("cmdOldReturn").c_str(), QStringLiteral("Возвращенные деньги..."));
    s.info = Button(s.box, name("cmdInfo").c_str(), QStringLiteral("Сумма к оплате"), infoTip);

    // A screen reader names each button with its side, since both sides
    // have the same ones.
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);  // both sides' six fit the smallest screen
    for (QPushButton* b : {s.add, s.change, s.del, s.ret, s.oldReturn, s.info}) {
        b->setAutoDefault(false);
        ActsOn(b, QStringLiteral("(") + side + QStringLiteral(")"));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(s.box);
    layout->addWidget(s.grid, 1);
    layout->addLayout(buttons);
    return s.box;
}

void frmClient::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Heading row: the client's name, back and close-file buttons.
    Label2 = Heading(Label(central, "Label2", {}), 1.5);
    auto* head = new QHBoxLayout;
    head->addWidget(Label2, 1);
    head->addLayout(BackAndExitButtons(central));

    // The client's details, each clicked to change it.
    lblClientName = LinkButton(central, "lblClientName", {},
                               QStringLiteral("Щелкните, чтобы изменить имя клиента"));
    lblClientInfo = LinkButton(central, "lblClientInfo", QStringLiteral("Информация о клиенте"),
                               QStringLiteral("Щелкните, чтобы получить информацию о клиенте"));
    lblReput =
        LinkButton(central, "lblReput", {},
                   QStringLiteral("Щелкните, чтобы изменить репутацию клиента (от -3 до 3)"));
    lblIE = LinkButton(central, "lblIE", {}, QStringLiteral("Денежная единица Клиента"));
    auto* details = new QGridLayout;
    details->addWidget(Label(central, "Label1", QStringLiteral("Имя клиента:")), 0, 0);
    details->addWidget(lblClientName, 0, 1);
    details->addWidget(Label(central, "Label3", QStringLiteral("Сведения:")), 1, 0);
    details->addWidget(lblClientInfo, 1, 1);
    details->addWidget(lblReput, 0, 3);
    details->addWidget(lblIE, 1, 3);
    details->setColumnMinimumWidth(2, 32);
    details->setColumnStretch(4, 1);

    QWidget* sides = new QWidget(central);
    BuildSide(onDol_, "Label7", QStringLiteral("Клиент должен Вам:"), "OnDolGrid", "",
              QStringLiteral("Добавить в список платеж (ежемесячный/датированный)"),
              QStringLiteral("Удалить платеж из списка (без возврата средств)"),
              QStringLiteral("Взять с клиента деньги для погашения долга (может быть частично)"),
              QStringLiteral(
                  "Показывает, сколько денег из данного платежа Вам еще должен вернуть клиент"));
    BuildSide(vyDol_, "Label4", QStringLiteral("Вы должны клиенту:"), "VyDolGrid", "2",
              QStringLiteral("Добавить платеж в список"),
              QStringLiteral("Удалить из списка платеж (без возврата средств)"),
              QStringLiteral("Выплатить клиенту долг (может быть частично)"),
              QStringLiteral(
                  "Показывает, сколько денег из данного платежа Вы еще должены вернуть клиенту"));
    auto* sidesLayout = new QVBoxLayout(sides);
    sidesLayout->setContentsMargins(0, 0, 0, 0);
    sidesLayout->addWidget(Heading(Label(sides, "Label6", QStringLiteral("Ежемесячные платежи:"))));
    sidesLayout->addWidget(onDol_.box, 1);
    sidesLayout->addWidget(vyDol_.box, 1);

    // The report, the tools and the converter beside the payments, which
    // take the whole height, as they need it on a small screen.
    cmdReport = Button(central, "cmdReport", QStringLiteral("Отчет"),
                       QStringLiteral("Показ отчета о платежах за текущий месяц."));
    cmdReport->setAutoDefault(false);
    auto* right = new QVBoxLayout;
    right->addWidget(cmdReport);
    right->addSpacing(12);
    right->addLayout(ToolButtons(central, true));
    right->addStretch(1);
    right->addWidget(Converter(central));
    auto* body = new QHBoxLayout;
    body->addWidget(sides, 3);
    body->addLayout(right, 1);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(head);
    layout->addLayout(details);
    layout->addLayout(body, 1);
}

void frmClient::BuildMenus() {
    BuildFileMenu("mnFile");

    BuildReportMenu(QStringLiteral("Отчет за этот месяц"), cmdReport,
                    [this](int item) { OnReport(item); });

    BuildHelpMenu(this, ctx_.nav, "mnuItemHelpContents", true);
}

void frmClient::ConnectSide(const SideControls& s) {
    const Side side = s.side;
    auto& doc = ctx_.doc;
    auto& ui = ctx_.ui;
    // The table's chosen row is the payment's entry number.
    auto row = [grid = s.grid] { return grid->CurrentRow(); };
    auto changed = [this](bool yes) {
        if (yes) Init();
    };
    connect(s.add, &QPushButton::clicked, this, [this, side] { OnAdd(side); });
    connect(s.change, &QPushButton::clicked, this, [this, &s] { OnChange(s); });
    connect(s.del, &QPushButton::clicked, this,
            [=, &doc, &ui] { changed(DeletePayment(doc, ui, side, row())); });
    connect(s.ret, &QPushButton::clicked, this,
            [=, &doc, &ui] { changed(ReturnPayment(doc, ui, side, row())); });
    connect(s.oldReturn, &QPushButton::clicked, this, [this, side] { OnOldReturn(side); });
    connect(s.info, &QPushButton::clicked, this,
            [=, &doc, &ui] { ShowAmountDue(doc, ui, side, row()); });
}

void frmClient::Connect() {
    ConnectSide(onDol_);
    ConnectSide(vyDol_);

    connect(lblClientName, &QPushButton::clicked, this, [this] {
        if (RenameClient(ctx_.doc, ctx_.ui)) Init();
    });
    connect(lblClientInfo, &QPushButton::clicked, this, &frmClient::OnClientInfo);
    connect(lblReput, &QPushButton::clicked, this, [this] {
        if (ChangeReputation(ctx_.doc, ctx_.ui)) Init();
    });
    connect(lblIE, &QPushButton::clicked, this, &frmClient::OnChangeUnit);
}

void frmClient::Init() {
    const ClientView view = ClientWindowView(ctx_.doc, ctx_.doc.CurrentClient);
    Label2->setText(Q(view.name));
    lblClientName->setText(Q(view.name));
    lblIE->setText(Q(view.unit));
    lblReput->setText(Q(view.reputation));
    for (auto [grid, text] :
         {std::pair{onDol_.grid, &view.owedToYou}, std::pair{vyDol_.grid, &view.owedByYou}}) {
        grid->Show(FillGrid(*text, kClientGridRows, kClientGridColumns));
        grid->SetColumnWidths(kPaymentWidths);
    }
}

void frmClient::OnAdd(Side side) {
    frmPayment entry(ctx_.doc, ctx_.ui, PaymentMode::Add, side, 0, this);
    entry.Init();
    if (entry.exec() == QDialog::Accepted) Init();
}

void frmClient::OnChange(const SideControls& s) {
    const int row = s.grid->CurrentRow();
    if (!ChangePayment(ctx_.doc, ctx_.ui, s.side, row)) return;
    frmPayment entry(ctx_.doc, ctx_.ui, PaymentMode::Change, s.side, row, this);
    entry.Init();
    if (entry.exec() == QDialog::Accepted) Init();
}

void frmClient::OnOldReturn(Side side) {
    frmOldGrid returns(ctx_.doc, ctx_.ui, side, this);
    returns.Fill();
    returns.exec();
    // The "ok" marks follow the returns.
    if (returns.Changed()) Init();
}

void frmClient::OnClientInfo() {
    frmClientInfo info(ctx_.doc, ctx_.ui, InfoOpener::ClientWindow, this);
    info.LoadInfo();
    info.exec();
}

void frmClient::OnChangeUnit() {
    if (!ConfirmClientUnitChange(ctx_.ui)) return;
    if (ctx_.nav.ChangeUnit(this, UnitOwner::Client)) Init();
    ctx_.nav.RefreshMain();
}

void frmClient::OnReport(int item) {
    const Date today = ctx_.ui.Today();
    ctx_.nav.ShowReport(
        ClientReport(ctx_.doc, ctx_.doc.CurrentClient, ReportMenuDate(item, today), today));
}

void frmClient::GoBack() {
    ctx_.nav.ReturnToMain(this);
}

}  // namespace kz
