#include "windows/state/frmChangeIE.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

frmChangeIE::frmChangeIE(BudgetFile& doc, UnitOwner owner, QWidget* parent)
    : QDialog(parent), doc_(doc), owner_(owner) {
    setObjectName("frmChangeIE");
    setWindowTitle(QStringLiteral("Настройка состояния"));
    setModal(true);

    cmbIE = Named(new QComboBox(this), "cmbIE");
    cmbIE->setMinimumContentsLength(18);
    setMinimumWidth(340);  // the caption stays readable
    QLabel* Label1 =
        FieldLabel(this, "Label1",
                   QStringLiteral("Выберите Используемую Единицу для текущего состояния:"), cmbIE);
    Label1->setWordWrap(true);
    cmdOK = Button(this, "cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cmbIE);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    // A unit that no longer exists leaves nothing chosen, and OK waits for a choice.
    connect(cmbIE, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmdOK->setEnabled(index >= 0); });
    connect(cmdOK, &QPushButton::clicked, this, &frmChangeIE::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChangeIE::Update() {
    choice_ = PrepareUnitChoice(doc_, owner_);
    cmbIE->clear();
    for (const std::string& row : choice_.units.rows) cmbIE->addItem(Q(row));
    cmbIE->setCurrentIndex(choice_.selected - 1);
    cmdOK->setEnabled(cmbIE->currentIndex() >= 0);
}

void frmChangeIE::OnOK() {
    if (ChooseUnit(doc_, owner_, choice_, cmbIE->currentIndex() + 1)) accept();
}

}  // namespace kz
