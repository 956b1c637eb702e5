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

#include "gui/App.h"
#include "startup/Password.h"

namespace kz {

namespace {

QLineEdit* PasswordField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return field;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

PassAction ChosenAction(const QRadioButton* change, const QRadioButton* del) {
    if (del->isChecked()) return PassAction::Delete;
    return change->isChecked() ? PassAction::Change : PassAction::New;
}

}  // namespace

frmPass::frmPass(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("frmPass");
    setWindowTitle(QStringLiteral("Служба безопасности ") + QString::fromUtf8(kAppTitle));
    setModal(true);

    Label1 = NamedLabel("Label1", QStringLiteral("Защита паролем"), this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);
    Label2 = NamedLabel("Label2",
                        QStringLiteral("Для ограничения доступа к вашему файлу используйте защиту "
                                       "паролем. При его задании файл автоматически шифруется "
                                       "высокостойким шифровальным механизмом. "),
                        this);
    Label2->setWordWrap(true);
    Label6 = NamedLabel("Label6", QStringLiteral("Выберите действие:"), this);

    opNewP = new QRadioButton(QStringLiteral("новый пароль"), this);
    opNewP->setObjectName("opNewP");
    opChangeP = new QRadioButton(QStringLiteral("изменить существующий пароль"), this);
    opChangeP->setObjectName("opChangeP");
    opDelP = new QRadioButton(QStringLiteral("удалить пароль"), this);
    opDelP->setObjectName("opDelP");
    auto* choices = new QButtonGroup(this);
    choices->addButton(opNewP);
    choices->addButton(opChangeP);
    choices->addButton(opDelP);
    opNewP->setChecked(true);

    lblOldP = NamedLabel("lblOldP", QStringLiteral("Старый пароль:"), this);
    txtOldP = PasswordField("txtOldP", this);
    lblNewP = NamedLabel("lblNewP", QStringLiteral("Новый пароль:"), this);
    txtNewP = PasswordField("txtNewP", this);
    lblConfP = NamedLabel("lblConfP", QStringLiteral("Подтверждение:"), this);
    txtConfP = PasswordField("txtConfP", this);
    lblOldP->setBuddy(txtOldP);
    lblNewP->setBuddy(txtNewP);
    lblConfP->setBuddy(txtConfP);

    Label3 = NamedLabel("Label3",
                        QStringLiteral("Внимание! Убедитесь, что вводите данные в нужном регистре "
                                       "и на нужном языке!"),
                        this);
    Label3->setWordWrap(true);

    cmdReady = new QPushButton(QStringLiteral("Готово"), this);
    cmdReady->setObjectName("cmdReady");
    cmdReady->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Отмена"), this);
    cmdCancel->setObjectName("cmdCancel");

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
    PreparePassForm(app_.doc, form);
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
    form.oldPass = txtOldP->text().toStdString();
    form.newPass = txtNewP->text().toStdString();
    form.confPass = txtConfP->text().toStdString();
    if (ApplyPassword(app_.doc, app_.ui(), form)) accept();
}

}  // namespace kz
