#include "startup/frmOptions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Options.h"

namespace kz {

frmOptions::frmOptions(AppSettings& settings, Platform& ui, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(ui) {
    setObjectName("frmOptions");
    setWindowTitle(QStringLiteral("Настройка Brisklane Kerva"));
    setModal(true);

    chkBackUp =
        Named(new QCheckBox(
                  QStringLiteral("При сохранении создавать резервные копии файлов (рекомендуется)"),
                  this),
              "chkBackUp");
    chkSound = Named(new QCheckBox(QStringLiteral("Звуковое сопровождение"), this), "chkSound");
    chkExitConf = Named(new QCheckBox(QStringLiteral("Показывать подтверждение выхода"), this),
                        "chkExitConf");
    cmdOK = Button(this, "cmdOK", QStringLiteral("Сохранить параметры"));
    cmdOK->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));

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
    const OptionsForm form = kz::LoadOpt(settings_);
    chkBackUp->setChecked(form.backUp);
    chkSound->setChecked(form.sound);
    chkExitConf->setChecked(form.exitConf);
}

void frmOptions::SaveOpt() {
    kz::SaveOpt({chkBackUp->isChecked(), chkSound->isChecked(), chkExitConf->isChecked()},
                settings_);
}

void frmOptions::BackUpToggled(bool checked) {
    if (!checked && !ConfirmBackUpOff(ui_)) chkBackUp->setChecked(true);
}

}  // namespace kz
