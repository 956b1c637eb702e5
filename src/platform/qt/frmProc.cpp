#include "platform/qt/frmProc.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kz {

frmProc::frmProc(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmProc"));
    setWindowTitle(QStringLiteral("Brisklane Kerva Zyl"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName(QStringLiteral("Label1"));
    QFont f = lblMessage_->font();
    f.setBold(true);
    lblMessage_->setFont(f);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("Bar"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(true);
    bar_->setMinimumWidth(320);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    layout->addWidget(lblMessage_);
    layout->addWidget(bar_);
    adjustSize();
}

void frmProc::SetMessage(const QString& text) {
    lblMessage_->setText(text);
}

void frmProc::SetPercent(int percent) {
    bar_->setValue(qBound(0, percent, 100));
}

int frmProc::Percent() const {
    return bar_->value();
}

QString frmProc::Message() const {
    return lblMessage_->text();
}

}  // namespace kz
