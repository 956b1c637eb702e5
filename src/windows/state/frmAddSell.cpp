#include "windows/state/frmAddSell.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Login.h"

namespace kz {

frmAddSell::frmAddSell(BudgetFile& doc, Platform& ui, const AppSettings& settings, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui), settings_(settings) {
    setObjectName("frmAddSell");
    setModal(true);

    lblAddSell = Heading(Label(this, "lblAddSell", {}), 1.25);
    QLabel* Label2 = Label(this, "Label2",
                           QStringLiteral("Здесь вы можете добавить определенную сумму денег к "
                                          "вашему балансу. Обычно эта операция применяется к "
                                          "заработанным деньгам."));
    QLabel* Label3 = Label(this, "Label3",
                           QStringLiteral("Введите сумму и ее источник, затем нажмите кнопку "
                                          "\"Добавить\"."));
    for (QLabel* l : {Label2, Label3}) l->setWordWrap(true);

    txtDate = Named(new QLineEdit(this), "txtDate");
    Label4 = FieldLabel(this, "Label4", {}, txtDate);
    QPushButton* cmdCurDate = Button(this, "cmdCurDate", QStringLiteral("< текущая"));
    txtSum = Named(new QLineEdit(this), "txtSum");
    Label5 = FieldLabel(this, "Label5", {}, txtSum);
    lblIE = Label(this, "lblIE", {});
    txtSource = Named(new QLineEdit(QStringLiteral("Работа"), this), "txtSource");
    lblSource = FieldLabel(this, "lblSource", {}, txtSource);
    chkAddToList = Named(
        new QCheckBox(QStringLiteral("Сохранить текущий баланс в списке старых балансов"), this),
        "chkAddToList");
    chkAddToList->setChecked(true);

    cmdAdd = Button(this, "cmdAdd", QStringLiteral("Добавить"));
    cmdAdd->setDefault(true);
    QPushButton* cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));
    QPushButton* cmdCalc = Button(this, "cmdCalc", QStringLiteral("Калькулятор"));
    for (QPushButton* b : {cmdCurDate, cmdCancel, cmdCalc}) b->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(Label4, 0, 0);
    fields->addWidget(txtDate, 0, 1);
    fields->addWidget(cmdCurDate, 0, 2);
    fields->addWidget(Label5, 1, 0);
    fields->addWidget(txtSum, 1, 1);
    fields->addWidget(lblIE, 1, 2);
    fields->addWidget(lblSource, 2, 0);
    fields->addWidget(txtSource, 2, 1, 1, 2);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalc);
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAddSell);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addWidget(chkAddToList);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(cmdCurDate, &QPushButton::clicked, this,
            [this] { txtDate->setText(Q(FormatDate(ui_.Today()))); });
    connect(cmdCalc, &QPushButton::clicked, this, [this] { LaunchCalculator(ui_); });
    connect(cmdAdd, &QPushButton::clicked, this, &frmAddSell::OnAdd);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, sizeHint().height());
}

void frmAddSell::InitAdd() {
    Init(AddSellMode::Income);
}

void frmAddSell::InitSell() {
    Init(AddSellMode::Spending);
}

void frmAddSell::Init(AddSellMode mode) {
    const AddSellSetup s = PrepareAddSell(doc_, mode, ui_.Today());
    setWindowTitle(Q(s.caption));
    lblAddSell->setText(Q(s.lblAddSell));
    lblSource->setText(Q(s.lblSource));
    Label4->setText(Q(s.label4));
    Label5->setText(Q(s.label5));
    lblIE->setText(Q(s.lblIE));
    cmdAdd->setText(Q(s.cmdAdd));
    txtDate->setText(Q(s.txtDate));
    chkAddToList->setEnabled(s.addToListEnabled);
    EntryMode = mode;
    txtSum->setFocus();
}

void frmAddSell::OnAdd() {
    const AddSellForm form{S(txtDate->text()), S(txtSum->text()), S(txtSource->text()),
                           chkAddToList->isChecked()};
    if (SubmitAddSell(doc_, ui_, settings_, EntryMode, form)) accept();
}

}  // namespace kz
