#include "windows/client/frmClientInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"

namespace kz {

frmClientInfo::frmClientInfo(BudgetFile& doc, Platform& ui, InfoOpener opener, QWidget* parent)
    : QDialog(parent), doc_(doc), ui_(ui), opener_(opener) {
    setObjectName("frmClientInfo");
    setWindowTitle(QStringLiteral("Информация о клиенте"));
    setModal(true);

    txtInfo = Named(new QPlainTextEdit(this), "txtInfo");
    txtInfo->setTabChangesFocus(true);
    QLabel* Label1 = FieldLabel(
        this, "Label1",
        QStringLiteral(
            "Здесь вы можете записать информацию о клиенте. После ввода текста нажмите ОК"),
        txtInfo);
    Label1->setWordWrap(true);
    cmdSave = Button(this, "cmdSave", QStringLiteral("OK"),
                     QStringLiteral("Принять изменения и закрыть окно"));
    cmdSave->setDefault(true);
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"),
                       QStringLiteral("Не сохранять изменения и закрыть окно"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtInfo, 1);
    layout->addLayout(buttons);

    connect(txtInfo, &QPlainTextEdit::textChanged, this, [this] { InfoEdited(doc_); });
    connect(cmdSave, &QPushButton::clicked, this, &frmClientInfo::OnSave);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 300);
}

void frmClientInfo::LoadInfo() {
    // ShowInfo has already counted the filling as the edit it is.
    const QSignalBlocker quiet(txtInfo);
    txtInfo->setPlainText(ShownText(ShowInfo(doc_, opener_)));
}

void frmClientInfo::OnSave() {
    if (SaveInfo(doc_, ui_, StoredText(txtInfo->toPlainText()))) accept();
}

}  // namespace kz
