#include "startup/frmOptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/App.h"
#include "startup/Options.h"

namespace kz {

frmOptions::frmOptions(App& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName("frmOptions");
    setWindowTitle(QStringLiteral("Настройка Brisklane Kerva"));
    setModal(true);

    chkBackUp = new QCheckBox(
        QStringLiteral("При сохранении создавать резервные копии файлов (рекомендуется)"), this);
    chkBackUp->setObjectName("chkBackUp");
    chkSound = new QCheckBox(QStringLiteral("Звуковое сопровождение"), this);
    chkSound->setObjectName("chkSound");
    chkExitConf = new QCheckBox(QStringLiteral("Показывать подтверждение выхода"), this);
    chkExitConf->setObjectName("chkExitConf");
    cmdOK = new QPushButton(QStringLiteral("Сохранить параметры"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Отмена"), this);
    cmdCancel->setObjectName("cmdCancel");

    auto* box = new QGroupBox(QStringLiteral("Параметры"), this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setSpacing(10);
    boxLayout->addWidget(chkBackUp);
    boxLayout->addWidget(chkSound);
    boxLayout->addWidget(chkExitConf);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(box);
    layout->addStretch();
    layout->addLayout(buttons);

    // Only the user's click asks; LoadOpt sets the box without a question.
    connect(chkBackUp, &QCheckBox::clicked, this, &frmOptions::BackUpToggled);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        SaveOpt();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmOptions::LoadOpt() {
    const OptionsForm form = kz::LoadOpt(app_.settings);
    chkBackUp->setChecked(form.backUp);
    chkSound->setChecked(form.sound);
    chkExitConf->setChecked(form.exitConf);
}

void frmOptions::SaveOpt() {
    kz::SaveOpt({chkBackUp->isChecked(), chkSound->isChecked(), chkExitConf->isChecked()},
                app_.settings);
}

void frmOptions::BackUpToggled(bool checked) {
    if (!checked && !ConfirmBackUpOff(app_.ui())) chkBackUp->setChecked(true);
}

}  // namespace kz
