#include "tools/frmErrorReport.h"

#include <QCloseEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/App.h"
#include "tools/ErrorReport.h"

namespace kz {

namespace {

QPointer<frmErrorReport> g_errorReport;

QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmErrorReport::frmErrorReport(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName("frmErrorReport");
    setWindowTitle(QStringLiteral("Отчет об ошибках Kerva Zyl"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = new QLabel(QStringLiteral("Здесь Вы можете записывать все ошибки, обнаруженные в "
                                       "данной версии Kerva Zyl. Вся информация будет сохранена "
                                       "в файл krvzylreport.txt в директории Kerva Zyl."),
                        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    lblVer = new QLabel(Q(ErrorNotesVersionText()), this);
    lblVer->setObjectName("lblVer");
    lblUpdate = new QLabel(Q(ErrorNotesReleaseText()), this);
    lblUpdate->setObjectName("lblUpdate");
    QFont small = lblVer->font();
    small.setBold(true);
    lblVer->setFont(small);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    // The file's line breaks are CR LF; the editor keeps bare LF.
    QString notes = Q(LoadErrorNotes(app_.ui(), app_.ProgramFolder()));
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(notes);

    cmdSave = NamedButton("cmdSave", QStringLiteral("Сохранить"), this);
    cmdCancel = NamedButton("cmdCancel", QStringLiteral("Отмена"), this);

    auto* version = new QHBoxLayout;
    version->addWidget(lblVer);
    version->addStretch(1);
    version->addWidget(lblUpdate);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addLayout(version);
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);

    // Connected after loading: the notes as read count as unchanged.
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(cmdSave, &QPushButton::clicked, this, &frmErrorReport::SaveErrorNotes);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(600, 440);
    Text1->setFocus();
}

std::string frmErrorReport::Text() const {
    std::string out;
    for (char c : Text1->toPlainText().toStdString()) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

void frmErrorReport::closeEvent(QCloseEvent* event) {
    if (CloseErrorNotes(app_.ui(), app_.ProgramFolder(), Text(), changed_)) {
        changed_ = false;
        event->accept();
    } else {
        event->ignore();
    }
}

void frmErrorReport::SaveErrorNotes() {
    if (kz::SaveErrorNotes(app_.ui(), app_.ProgramFolder(), Text())) changed_ = false;
}

void ShowErrorReportWindow(App& app, QWidget* parent) {
    // A closed window only waits to be deleted; it is not shown again.
    if (g_errorReport && (!g_errorReport->isVisible() || &g_errorReport->Owner() != &app)) {
        if (g_errorReport->isVisible()) g_errorReport->hide();
        g_errorReport->deleteLater();
        g_errorReport = nullptr;
    }
    const bool created = !g_errorReport;
    // Without a parent: the large windows take turns on the screen, and a
    // child window would vanish with the one that opened it.
    if (created) g_errorReport = new frmErrorReport(app);
    if (created && parent)
        g_errorReport->move(parent->frameGeometry().center() - g_errorReport->rect().center());
    g_errorReport->show();
    g_errorReport->raise();
    g_errorReport->activateWindow();
}

}  // namespace kz
