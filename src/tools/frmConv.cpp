#include "tools/frmConv.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/Widgets.h"

namespace kz {

frmConv::frmConv(Platform& ui, QWidget* parent)
    : QGroupBox(QStringLiteral("Конвертер валют"), parent), ui_(ui) {
    setObjectName("frameConv");

    txt1 = Named(new QLineEdit(this), "txt1");
    txt2 = Named(new QLineEdit(this), "txt2");
    QLabel* Label1 = FieldLabel(this, "Label1", QStringLiteral("Соотношение:"), txt1);
    QLabel* Label13 = Label(this, "Label13", QStringLiteral("и.е.1 ="));
    QLabel* Label10 = Label(this, "Label10", QStringLiteral("и.е2"));
    // One heading stands over both ratio fields; each is named for its unit.
    txt1->setAccessibleName(QStringLiteral("Соотношение: и.е.1"));
    txt2->setAccessibleName(QStringLiteral("Соотношение: и.е.2"));
    op1to2 = Named(new QRadioButton(QStringLiteral("и.е.1 => и.е.2"), this), "op1to2");
    op2to1 = Named(new QRadioButton(QStringLiteral("и.е.2 => и.е.1"), this), "op2to1");
    op1to2->setChecked(true);
    txtIN = Named(new QLineEdit(this), "txtIN");
    QLabel* Label14 = FieldLabel(this, "Label14", QStringLiteral("Введите исх.сумму:"), txtIN);
    cmdConv = Button(this, "cmdConv", QStringLiteral("ОК"), QStringLiteral("Конвертировать"));
    txtRes = Named(new QLineEdit(this), "txtRes");
    txtRes->setReadOnly(true);
    QLabel* Label15 = FieldLabel(this, "Label15", QStringLiteral("Результат:"), txtRes);
    cmdCopy = Button(this, "cmdCopy", QStringLiteral("Буф."),
                     QStringLiteral("Скопировать результат в буфер обмена"));

    // The two buttons share one width so that the fields beside them line up.
    const int buttonWidth = std::max(cmdConv->sizeHint().width(), cmdCopy->sizeHint().width());
    for (QPushButton* b : {cmdConv, cmdCopy}) {
        b->setAutoDefault(false);
        b->setFixedWidth(buttonWidth);
    }
    for (QLineEdit* field : {txt1, txt2}) field->setMinimumWidth(36);

    auto* ratio = new QHBoxLayout;
    ratio->addWidget(txt1, 1);
    ratio->addWidget(Label13);
    ratio->addWidget(txt2, 1);
    ratio->addWidget(Label10);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addLayout(ratio, 1, 0, 1, 2);
    grid->addWidget(op1to2, 2, 0, 1, 2);
    grid->addWidget(op2to1, 3, 0, 1, 2);
    grid->addWidget(Label14, 4, 0, 1, 2);
    grid->addWidget(txtIN, 5, 0);
    grid->addWidget(cmdConv, 5, 1);
    // The result has the whole width: a long one shows all its digits.
    grid->addWidget(Label15, 6, 0);
    grid->addWidget(cmdCopy, 6, 1);
    grid->addWidget(txtRes, 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(cmdConv, &QPushButton::clicked, this, &frmConv::OnConvert);
    // Enter in any field converts, as "ОК" does.
    for (QLineEdit* field : {txt1, txt2, txtIN})
        connect(field, &QLineEdit::returnPressed, this, &frmConv::OnConvert);
    connect(cmdCopy, &QPushButton::clicked, this, &frmConv::OnCopy);
}

ConverterForm frmConv::Form() const {
    ConverterForm form;
    form.ratio1 = S(txt1->text());
    form.ratio2 = S(txt2->text());
    form.amount = S(txtIN->text());
    form.result = S(txtRes->text());
    form.oneToTwo = op1to2->isChecked();
    return form;
}

void frmConv::SetForm(const ConverterForm& form) {
    ShowFieldText(txt1, Q(form.ratio1));
    ShowFieldText(txt2, Q(form.ratio2));
    ShowFieldText(txtIN, Q(form.amount));
    ShowFieldText(txtRes, Q(form.result));
    (form.oneToTwo ? op1to2 : op2to1)->setChecked(true);
}

void frmConv::OnConvert() {
    ConverterForm form = Form();
    Convert(ui_, form);
    // The comma rule shows its rewriting even when the conversion is refused.
    SetForm(form);
}

void frmConv::OnCopy() {
    CopyResult(ui_, Form());
}

}  // namespace kz
