#include "reports/frmReport.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Files.h"
#include "platform/qt/Widgets.h"
#include "reports/ReportWindow.h"

namespace kz {

frmReport::frmReport(const BudgetFile& doc, Platform& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui) {
    setObjectName("frmReport");
    setWindowTitle(QStringLiteral("Отчет"));

    txt = Named(new QPlainTextEdit(this), "txt");
    txt->setAccessibleName(windowTitle());
    txt->setReadOnly(true);
    txt->setTabChangesFocus(true);  // also once unlocked: Tab goes on to the buttons
    txt->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reports line their figures up with blanks.
    txt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Check1 =
        Named(new QCheckBox(QStringLiteral("Разрешить изменение отчета вручную"), this), "Check1");

    cmdSaveAs = Button(this, "cmdSaveAs", QStringLiteral("Сохранить..."),
                       QStringLiteral("Сохранить отчет в файл"));
    cmdPrint =
        Button(this, "cmdPrint", QStringLiteral("Печать"), QStringLiteral("Напечатать отчет"));
    cmdOK = Button(this, "cmdOK", QStringLiteral("Закрыть"), QStringLiteral("Закрыть отчет"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Check1);
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveAs);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txt, 1);
    layout->addLayout(buttons);

    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { txt->setReadOnly(!on); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintReport(ui_, Text()); });
    connect(cmdSaveAs, &QPushButton::clicked, this, [this] {
        const std::string& path = doc_.FilePath;
        SaveReport(ui_, Text(), path.empty() ? std::string{} : FolderOf(path));
    });
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    WindowKeys(this, nullptr, true);
    FitOnScreen(this, {760, 560});
}

void frmReport::SetText(const std::string& text) {
    txt->setPlainText(ShownText(text));
}

std::string frmReport::Text() const {
    return StoredText(txt->toPlainText());
}

}  // namespace kz
