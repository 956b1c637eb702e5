#include "windows/common/frmLargeWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "platform/qt/Widgets.h"
#include "reports/ReportText.h"
#include "startup/Login.h"
#include "tools/frmConv.h"

namespace kz {

frmLargeWindow::frmLargeWindow(WindowContext context, const char* name) : ctx_(std::move(context)) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    FitOnScreen(this, {800, 600});
}

void frmLargeWindow::FinishLayout() {
    TabOrderFollowsLayout(this);
    WindowKeys(this, nullptr, false);
}

QMenu* frmLargeWindow::BuildFileMenu(const char* name) {
    QMenu* mnuFile = Named(menuBar()->addMenu(QStringLiteral("&Файл")), name);
    QAction* save = MenuItem(mnuFile, "mnuItemSave", QStringLiteral("Сохранить"));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = MenuItem(mnuFile, "mnuItemSaveAs", QStringLiteral("Сохранить как..."));
    mnuFile->addSeparator();
    QAction* exit = MenuItem(mnuFile, "mnuItemExit", QStringLiteral("В&ыход"));
    connect(save, &QAction::triggered, this,
            [this] { Save(ctx_.doc, ctx_.ui, ctx_.settings, Hooks()); });
    connect(saveAs, &QAction::triggered, this,
            [this] { SaveAs(ctx_.doc, ctx_.ui, ctx_.settings, Hooks()); });
    connect(exit, &QAction::triggered, this, &QWidget::close);
    return mnuFile;
}

QMenu* frmLargeWindow::BuildReportMenu(const QString& nowText, QPushButton* button,
                                       std::function<void(int item)> show) {
    QMenu* mnuReport = Named(menuBar()->addMenu(QStringLiteral("Отчет")), "mnuReport");
    auto item = [this, &show](QMenu* menu, const std::string& name, const QString& text, int k) {
        connect(MenuItem(menu, name.c_str(), text), &QAction::triggered, this,
                [show, k] { show(k); });
    };
    item(mnuReport, "mnuItemReportNow", nowText, kReportThisMonth);
    item(mnuReport, "mnuItemPrevReport", QStringLiteral("Отчет за предыдущий месяц"),
         kReportPreviousMonth);
    QMenu* mnuReportMonth =
        Named(mnuReport->addMenu(QStringLiteral("Отчет за месяц этого года")), "mnuReportMonth");
    for (int m = 1; m <= 12; ++m)
        item(mnuReportMonth, "mnuItemReport_" + std::to_string(m), Q(MonthName(m)), m);
    connect(button, &QPushButton::clicked, this, [mnuReport, button] {
        mnuReport->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    return mnuReport;
}

QHBoxLayout* frmLargeWindow::BackAndExitButtons(QWidget* parent) {
    QPushButton* imgGoBack = Button(parent, "imgGoBack", QStringLiteral("<<< Назад"));
    imgGoBack->setAutoDefault(false);
    auto* imgExit = Named(new QToolButton(parent), "imgExit");
    IconOnly(imgExit, QStringLiteral("Перейти на стартовую страницу"));
    imgExit->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    imgExit->setIconSize(QSize(24, 24));
    imgExit->setAutoRaise(true);
    connect(imgGoBack, &QPushButton::clicked, this, [this] { GoBack(); });
    connect(imgExit, &QToolButton::clicked, this, &frmLargeWindow::OnCloseFile);
    auto* row = new QHBoxLayout;
    row->addWidget(imgGoBack);
    row->addWidget(imgExit);
    return row;
}

QBoxLayout* frmLargeWindow::ToolButtons(QWidget* parent, bool column) {
    QPushButton* cmdCalc = Button(parent, "cmdCalc", QStringLiteral("Калькулятор"));
    QPushButton* cmdNotepad = Button(parent, "cmdNotepad", QStringLiteral("Записная книжка"));
    QPushButton* cmdPhoneBook = Button(parent, "cmdPhoneBook", QStringLiteral("Телефонная книга"));
    QPushButton* cmdShtrihCheck =
        Button(parent, "cmdShtrihCheck", QStringLiteral("Проверка штрих-кода"));
    connect(cmdCalc, &QPushButton::clicked, this, [this] { LaunchCalculator(ctx_.ui); });
    connect(cmdNotepad, &QPushButton::clicked, this, [this] { ctx_.nav.ShowNotepad(this); });
    connect(cmdPhoneBook, &QPushButton::clicked, this, [this] { ctx_.nav.ShowPhoneBook(this); });
    connect(cmdShtrihCheck, &QPushButton::clicked, this,
            [this] { ctx_.nav.ShowBarcodeCheck(this); });
    auto* row = new QBoxLayout(column ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    for (QPushButton* b : {cmdCalc, cmdNotepad, cmdPhoneBook, cmdShtrihCheck}) {
        b->setAutoDefault(false);
        row->addWidget(b, 1);
    }
    return row;
}

frmConv* frmLargeWindow::Converter(QWidget* parent) {
    return new frmConv(ctx_.ui, parent);
}

SaveHooks frmLargeWindow::Hooks() {
    return WindowSaveHooks(this, ctx_.nav);
}

void frmLargeWindow::OnCloseFile() {
    if (ConfirmCloseFile(ctx_.doc, ctx_.ui, ctx_.settings, Hooks())) ctx_.nav.CloseFile(this);
}

void frmLargeWindow::closeEvent(QCloseEvent* event) {
    if (ctx_.nav.CloseProgram(this))
        event->accept();
    else
        event->ignore();
}

}  // namespace kz
