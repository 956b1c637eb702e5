#include "reports/frmReport.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Files.h"
#include "gui/App.h"
#include "reports/ReportWindow.h"

namespace kz {

namespace {

QPointer<frmReport> g_report;

std::string ToCrLf(const QString& shown) {
    std::string out;
    const std::string s = shown.toStdString();
    out.reserve(s.size() + s.size() / 16);
    for (char c : s) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

frmReport::frmReport(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmReport");
    setWindowTitle(QStringLiteral("Отчет"));
    setAttribute(Qt::WA_DeleteOnClose);

    txt = new QPlainTextEdit(this);
    txt->setObjectName("txt");
    txt->setReadOnly(true);
    txt->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Reports line their figures up with blanks.
    txt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Check1 = new QCheckBox(QStringLiteral("Разрешить изменение отчета вручную"), this);
    Check1->setObjectName("Check1");

    cmdSaveAs = new QPushButton(QStringLiteral("Сохранить..."), this);
    cmdSaveAs->setObjectName("cmdSaveAs");
    cmdSaveAs->setToolTip(QStringLiteral("Сохранить отчет в файл"));
    cmdPrint = new QPushButton(QStringLiteral("Печать"), this);
    cmdPrint->setObjectName("cmdPrint");
    cmdPrint->setToolTip(QStringLiteral("Напечатать отчет"));
    cmdOK = new QPushButton(QStringLiteral("Закрыть"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setToolTip(QStringLiteral("Закрыть отчет"));

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
    connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintReport(app_.ui(), Text()); });
    connect(cmdSaveAs, &QPushButton::clicked, this, [this] {
        const std::string& path = app_.doc.FilePath;
        SaveReport(app_.ui(), Text(), path.empty() ? std::string{} : FolderOf(path));
    });
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    resize(760, 560);
}

void frmReport::SetText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txt->setPlainText(shown);
}

std::string frmReport::Text() const {
    return ToCrLf(txt->toPlainText());
}

frmReport* ShowReportWindow(App& app, const std::string& text) {
    // A closed window only waits to be deleted; it is not shown again.
    if (g_report && (!g_report->isVisible() || &g_report->Owner() != &app)) {
        g_report->close();
        g_report = nullptr;
    }
    if (!g_report) g_report = new frmReport(app);
    g_report->SetText(text);
    g_report->show();
    g_report->raise();
    g_report->activateWindow();
    return g_report;
}

}  // namespace kz
