#include "windows/client/frmPayment.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

frmPayment::frmPayment(BudgetFile& doc, Platform& ui, PaymentMode mode, Side side, int entry,
                       QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui), mode_(mode), side_(side), entry_(entry) {
    setObjectName("frmPayment");
    setWindowTitle(QStringLiteral("Получить/отдать деньги"));
    setModal(true);

    lblAddSell = Heading(Label(this, "lblAddSell", QStringLiteral("Добавить платеж")));
    lblInfo = Label(this, "lblInfo", QStringLiteral("Инфо!"));
    lblInfo->setWordWrap(true);
    txtSum = Named(new QLineEdit(this), "txtSum");
    lblSum = FieldLabel(this, "lblSum", QStringLiteral("Сумма:"), txtSum);
    txtDate = Named(new QLineEdit(this), "txtDate");
    txtDate->setToolTip(QStringLiteral("Выберите дату в Календаре справа"));
    lblDate = FieldLabel(this, "lblDate", QStringLiteral("Дата/ежемесячно:"), txtDate);
    MonthView1 = Named(new QCalendarWidget(this), "MonthView1");
    NameCalendar(MonthView1, QStringLiteral("Дата возврата"));
    MonthView1->setGridVisible(true);
    chkKM = Named(new QCheckBox(QStringLiteral("Ежемесячный платеж"), this), "chkKM");
    QLabel* Label1 = Label(this, "Label1",
                           QStringLiteral("Ежемесячный платеж начинает действовать с "
                                          "текущего месяца."));
    Label1->setWordWrap(true);
    txtSource = Named(new QLineEdit(QStringLiteral("Работа"), this), "txtSource");
    lblSource = FieldLabel(this, "lblSource", QStringLiteral("Информация:"), txtSource);
    cmdAdd = Button(this, "cmdAdd", QStringLiteral("Добавить"));
    cmdAdd->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));

    // Room for a date and for an info of some words.
    const int chars = fontMetrics().averageCharWidth();
    for (QLineEdit* box : {txtSum, txtDate, txtSource}) box->setMinimumWidth(24 * chars);

    auto* fields = new QGridLayout;
    fields->addWidget(lblSum, 0, 0);
    fields->addWidget(txtSum, 0, 1);
    fields->addWidget(lblDate, 1, 0);
    fields->addWidget(txtDate, 1, 1);
    fields->addWidget(chkKM, 2, 0, 1, 2);
    fields->addWidget(Label1, 3, 0, 1, 2);
    fields->addWidget(lblSource, 4, 0);
    fields->addWidget(txtSource, 4, 1);
    fields->setRowStretch(5, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(fields, 1);
    body->addSpacing(8);
    body->addWidget(MonthView1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblAddSell);
    layout->addWidget(lblInfo);
    layout->addSpacing(6);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    // toggled, as the accessibility interface ticks the box without a click;
    // Init ticks it quietly, the info staying as it is.
    connect(chkKM, &QCheckBox::toggled, this, &frmPayment::OnMonthlyToggled);
    connect(MonthView1, &QCalendarWidget::clicked, this, &frmPayment::OnDayClicked);
    connect(cmdAdd, &QPushButton::clicked, this, &frmPayment::OnAdd);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPayment::Init() {
    const PaymentEntryView view = InitPaymentEntry(doc_, ui_, mode_, side_, entry_);
    setWindowTitle(Q(view.caption));
    lblAddSell->setText(Q(view.caption));
    lblInfo->setText(Q(view.explanation));
    lblSum->setText(Q(view.sumLabel));
    txtSum->setText(Q(view.sum));
    txtDate->setText(Q(view.date));
    txtSource->setText(Q(view.source));
    txtSource->setCursorPosition(0);  // a long info shows its beginning
    {
        const QSignalBlocker quiet(chkKM);
        chkKM->setChecked(view.monthly);
    }
    ShowMonthly(!view.dateEnabled);
    // The returns find a payment by its info, so it stays as it is.
    txtSource->setEnabled(mode_ == PaymentMode::Add);
    MonthView1->setSelectedDate(QDate(view.calendar.year, view.calendar.month, view.calendar.day));
}

void frmPayment::ShowMonthly(bool monthly) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblDate, txtDate, MonthView1})
        w->setEnabled(!monthly);
}

void frmPayment::OnMonthlyToggled(bool ticked) {
    ShowMonthly(ticked);
    txtSource->setText(Q(ToggleMonthly(mode_, ticked, S(txtSource->text()), ui_.Today())));
}

void frmPayment::OnDayClicked(const QDate& day) {
    std::string box = S(txtDate->text());
    if (PickDate(ui_, Date{day.year(), day.month(), day.day()}, box)) txtDate->setText(Q(box));
}

void frmPayment::OnAdd() {
    const PaymentForm form{S(txtSum->text()), S(txtDate->text()), S(txtSource->text()),
                           chkKM->isChecked()};
    if (SavePayment(doc_, ui_, mode_, side_, entry_, form)) accept();
}

}  // namespace kz
