#include "windows/state/frmZanOdol.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

namespace {

QDate ToQDate(const Date& d) {
    return QDate(d.year, d.month, d.day);
}

}  // namespace

frmZanOdol::frmZanOdol(BudgetFile& doc, Platform& ui, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui) {
    setObjectName("frmZanOdol");
    setModal(true);

    lblAddSell = Heading(Label(this, "lblAddSell", {}), 1.25);
    Label2 = Label(this, "Label2", {});
    Label2->setWordWrap(true);

    cmbTo = Named(new QComboBox(this), "cmbTo");
    cmbTo->setEditable(true);
    cmbTo->setInsertPolicy(QComboBox::NoInsert);
    Label3 = FieldLabel(this, "Label3", {}, cmbTo);
    txtSum = Named(new QLineEdit(this), "txtSum");
    Label4 = FieldLabel(this, "Label4", {}, txtSum);
    txtDate = Named(new QLineEdit(this), "txtDate");
    QLabel* Label5 = FieldLabel(this, "Label5", QStringLiteral("Дата выдачи:"), txtDate);
    QPushButton* cmdCurDate = Button(this, "cmdCurDate", QStringLiteral("< текущая"));
    txtPovod = Named(new QLineEdit(this), "txtPovod");
    QLabel* Label6 = FieldLabel(this, "Label6", QStringLiteral("Повод:"), txtPovod);

    opProc = Named(new QRadioButton(QStringLiteral("Проценты (в месяц):"), this), "opProc");
    txtProc = Named(new QLineEdit(this), "txtProc");
    txtProc->setToolTip(
        QStringLiteral("Конечная сумма для возврата = исх.сумме + кол-во % * кол-во месяцев"));
    txtProc->setAccessibleName(opProc->text() + QStringLiteral(" значение"));
    Option1 =
        Named(new QRadioButton(QStringLiteral("Сумма возврата (к концу срока):"), this), "Option1");
    txtReturnSum = Named(new QLineEdit(this), "txtReturnSum");
    txtReturnSum->setAccessibleName(Option1->text() + QStringLiteral(" значение"));
    auto* returnKind = new QButtonGroup(this);
    returnKind->addButton(opProc);
    returnKind->addButton(Option1);
    opProc->setChecked(true);
    txtReturnSum->setEnabled(false);

    txtReturnDate = Named(new QLineEdit(this), "txtReturnDate");
    QLabel* Label8 = FieldLabel(this, "Label8", QStringLiteral("Дата возврата:"), txtReturnDate);
    QLabel* Label7 = Label(this, "Label7",
                           QStringLiteral("Если срок возврата не определен или вы его не знаете, "
                                          "оставьте это поле пустым."));
    Label7->setWordWrap(true);
    MonthView = Named(new QCalendarWidget(this), "MonthView");
    NameCalendar(MonthView, QStringLiteral("Дата возврата"));
    MonthView->setGridVisible(true);

    chkAddToList = Named(new QCheckBox(QStringLiteral("Добавить текущий баланс в список старых "
                                                      "балансов перед выполнением операции"),
                                       this),
                         "chkAddToList");
    chkAddToList->setChecked(true);
    cmdGo = Button(this, "cmdGo", {});
    cmdGo->setDefault(true);
    QPushButton* cmdBackIt = Button(this, "cmdBackIt", QStringLiteral("Отмена"));
    for (QPushButton* b : {cmdCurDate, cmdBackIt}) b->setAutoDefault(false);

    // Room for a date and a few words in every field.
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) * 2;
    for (QWidget* field : std::initializer_list<QWidget*>{cmbTo, txtSum, txtDate, txtPovod, txtProc,
                                                          txtReturnSum, txtReturnDate})
        field->setMinimumWidth(fieldWidth);
    auto* fields = new QGridLayout;
    fields->addWidget(Label3, 0, 0);
    fields->addWidget(cmbTo, 0, 1, 1, 2);
    fields->addWidget(Label4, 1, 0);
    fields->addWidget(txtSum, 1, 1, 1, 2);
    fields->addWidget(Label5, 2, 0);
    fields->addWidget(txtDate, 2, 1);
    fields->addWidget(cmdCurDate, 2, 2);
    fields->addWidget(Label6, 3, 0);
    fields->addWidget(txtPovod, 3, 1, 1, 2);
    fields->addWidget(opProc, 4, 0);
    fields->addWidget(txtProc, 4, 1, 1, 2);
    fields->addWidget(Option1, 5, 0);
    fields->addWidget(txtReturnSum, 5, 1, 1, 2);
    fields->setColumnStretch(1, 1);

    auto* returnDate = new QVBoxLayout;
    auto* returnDateRow = new QHBoxLayout;
    returnDateRow->addWidget(Label8);
    returnDateRow->addWidget(txtReturnDate, 1);
    returnDate->addLayout(returnDateRow);
    returnDate->addWidget(Label7);
    returnDate->addWidget(MonthView);

    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addSpacing(12);
    body->addLayout(returnDate);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdBackIt);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAddSell);
    layout->addWidget(Label2);
    layout->addSpacing(6);
    layout->addLayout(body);
    layout->addWidget(chkAddToList);
    layout->addLayout(buttons);

    // Chosen by a click, the keys or a screen reader alike.
    connect(opProc, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChoosePercent();
    });
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChooseReturnSum();
    });
    connect(txtSum, &QLineEdit::editingFinished, this, &frmZanOdol::OnSumLeft);
    connect(cmdCurDate, &QPushButton::clicked, this,
            [this] { txtDate->setText(Q(FormatDate(ui_.Today()))); });
    connect(MonthView, &QCalendarWidget::clicked, this, [this](QDate day) {
        clicked_ = day;
        OnDayChosen(day);
    });
    // Enter on a day chooses it; the double click that also sends this was
    // a click already.
    connect(MonthView, &QCalendarWidget::activated, this, [this](QDate day) {
        if (day != clicked_) OnDayChosen(day);
        clicked_ = {};
    });
    connect(cmdGo, &QPushButton::clicked, this, &frmZanOdol::OnGo);
    connect(cmdBackIt, &QPushButton::clicked, this, &QDialog::reject);
}

void frmZanOdol::InitZan() {
    Init(ZanOdolMode::Borrow);
}

void frmZanOdol::InitSell() {
    Init(ZanOdolMode::Lend);
}

void frmZanOdol::Init(ZanOdolMode mode) {
    const ZanOdolSetup s = PrepareZanOdol(doc_, mode, ui_.Today());
    setWindowTitle(Q(s.caption));
    Label2->setText(Q(s.label2));
    lblAddSell->setText(Q(s.lblAddSell));
    Label3->setText(Q(s.label3));
    Label4->setText(Q(s.label4));
    txtDate->setText(Q(s.txtDate));
    cmbTo->clear();
    for (const std::string& person : s.persons) cmbTo->addItem(Q(person));
    cmbTo->setCurrentIndex(-1);
    cmbTo->setEditText({});
    cmdGo->setText(Q(s.cmdGo));
    MonthView->setSelectedDate(ToQDate(s.calendar));
    MonthView->setCurrentPage(s.calendar.year, s.calendar.month);
    EntryMode = mode;
    cmbTo->setFocus();
}

ZanOdolForm frmZanOdol::Form() const {
    return {S(cmbTo->currentText()),  S(txtSum->text()),        S(txtDate->text()),
            S(txtPovod->text()),      S(txtReturnSum->text()),  S(txtProc->text()),
            S(txtReturnDate->text()), chkAddToList->isChecked()};
}

void frmZanOdol::ChoosePercent() {
    opProc->setChecked(true);
    txtProc->setEnabled(true);
    txtProc->setFocus();
    txtReturnSum->setEnabled(false);
    txtReturnSum->clear();
}

void frmZanOdol::ChooseReturnSum() {
    Option1->setChecked(true);
    txtProc->setEnabled(false);
    txtProc->clear();
    txtReturnSum->setEnabled(true);
    txtReturnSum->setText(txtSum->text());
}

void frmZanOdol::OnSumLeft() {
    ZanOdolForm form = Form();
    if (kz::OnSumLeft(form)) ChooseReturnSum();
}

void frmZanOdol::OnDayChosen(const QDate& day) {
    ZanOdolForm form = Form();
    if (ChooseReturnDay(ui_, Date{day.year(), day.month(), day.day()}, form))
        txtReturnDate->setText(Q(form.returnDate));
}

void frmZanOdol::OnGo() {
    ZanOdolForm form = Form();
    const bool done = SubmitZanOdol(doc_, ui_, EntryMode, form);
    txtSum->setText(Q(form.sum));  // the commas became points, as the user sees
    if (done) accept();
}

}  // namespace kz
