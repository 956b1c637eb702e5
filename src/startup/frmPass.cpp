#include "startup/frmPass.h"

#include <QButtonGroup>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Password.h"

namespace kz {

namespace {

QLineEdit* PasswordField(QWidget* parent, const char* name) {
    auto* field = Named(new QLineEdit(parent), name);
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return field;
}

PassAction ChosenAction(const QRadioButton* change, const QRadioButton* del) {
    if (del->isChecked()) return PassAction::Delete;
    return change->isChecked() ? PassAction::Change : PassAction::New;
}

}  // namespace

frmPass::frmPass(BudgetFile& doc, Platform& ui, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui) {
    setObjectName("frmPass");
    setWindowTitle(QStringLiteral("Служба безопасности ") + QString::fromUtf8(kAppTitle));
    setModal(true);

    QLabel* Label1 = Label(this, "Label1", QStringLiteral("Защита паролем"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);
    QLabel* Label2 = Label(this, "Label2",
                           QStringLiteral("Для ограничения доступа к вашему файлу используйте "
                                          "защиту паролем. При его задании файл автоматически "
                                          "шифруется высокостойким шифровальным механизмом. "));
    Label2->setWordWrap(true);
    QLabel* Label6 = Label(this, "Label6", QStringLiteral("Выберите действие:"));

    opNewP = Named(new QRadioButton(QStringLiteral("новый пароль"), this), "opNewP");
    opChangeP =
        Named(new QRadioButton(QStringLiteral("изменить существующий пароль"), this), "opChangeP");
    opDelP = Named(new QRadioButton(QStringLiteral("удалить пароль"), this), "opDelP");
    auto* choices = new QButtonGroup(this);
    choices->addButton(opNewP);
    choices->addButton(opChangeP);
    choices->addButton(opDelP);
    opNewP->setChecked(true);

    txtOldP = PasswordField(this, "txtOldP");
    lblOldP = FieldLabel(this, "lblOldP", QStringLiteral("Старый пароль:"), txtOldP);
    txtNewP = PasswordField(this, "txtNewP");
    lblNewP = FieldLabel(this, "lblNewP", QStringLiteral("Новый пароль:"), txtNewP);
    txtConfP = PasswordField(this, "txtConfP");
    lblConfP = FieldLabel(this, "lblConfP", QStringLiteral("Подтверждение:"), txtConfP);

    QLabel* Label3 = Label(this, "Label3",
                           QStringLiteral("Внимание! Убедитесь, что вводите данные в нужном "
                                          "регистре и на нужном языке!"));
    Label3->setWordWrap(true);

    cmdReady = Button(this, "cmdReady", QStringLiteral("Готово"));
    cmdReady->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));

    auto* actionBox = new QGroupBox(this);
    auto* actionLayout = new QVBoxLayout(actionBox);
    actionLayout->addWidget(Label6);
    actionLayout->addWidget(opNewP);
    actionLayout->addWidget(opChangeP);
    actionLayout->addWidget(opDelP);

    auto* fieldsBox = new QGroupBox(this);
    auto* fields = new QGridLayout(fieldsBox);
    fields->setHorizontalSpacing(10);
    fields->addWidget(lblOldP, 0, 0);
    fields->addWidget(txtOldP, 0, 1);
    fields->addWidget(lblNewP, 1, 0);
    fields->addWidget(txtNewP, 1, 1);
    fields->addWidget(lblConfP, 2, 0);
    fields->addWidget(txtConfP, 2, 1);
    fields->setColumnStretch(1, 1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(actionBox);
    middle->addWidget(fieldsBox, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReady);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(middle);
    layout->addWidget(Label3);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(560);

    for (QRadioButton* op : {opNewP, opChangeP, opDelP})
        connect(op, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ApplyChoice();
        });
    connect(cmdReady, &QPushButton::clicked, this, &frmPass::Ready);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ApplyChoice();
}

void frmPass::Update() {
    PassForm form;
    PreparePassForm(doc_, form);
    opNewP->setEnabled(form.newEnabled);
    opChangeP->setEnabled(form.changeEnabled);
    opDelP->setEnabled(form.deleteEnabled);
    (form.action == PassAction::Change ? opChangeP : opNewP)->setChecked(true);
    ApplyChoice();
}

void frmPass::ApplyChoice() {
    const PassFieldsEnabled on = FieldsFor(ChosenAction(opChangeP, opDelP));
    lblOldP->setEnabled(on.oldPass);
    txtOldP->setEnabled(on.oldPass);
    lblNewP->setEnabled(on.newPass);
    txtNewP->setEnabled(on.newPass);
    lblConfP->setEnabled(on.confPass);
    txtConfP->setEnabled(on.confPass);
}

void frmPass::Ready() {
    PassForm form;
    form.action = ChosenAction(opChangeP, opDelP);
    form.oldPass = S(txtOldP->text());
    form.newPass = S(txtNewP->text());
    form.confPass = S(txtConfP->text());
    if (ApplyPassword(doc_, ui_, form)) accept();
}

}  // namespace kz
