#include "windows/main/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/App.h"
#include "reports/ReportFiles.h"
#include "reports/frmReport.h"
#include "startup/Login.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"
#include "tools/Export.h"
#include "tools/frmConv.h"
#include "tools/frmErrorReport.h"
#include "tools/frmNote.h"
#include "tools/frmPhone.h"
#include "tools/frmShtrih.h"
#include "windows/main/MainWindow.h"

namespace kz {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Reminder texts come with CR LF; a text box wants plain line feeds.
QString Shown(const std::string& s) {
    QString q = Q(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* Heading(QWidget* parent, const QString& text, const char* name, double scale = 1.15) {
    auto* label = new QLabel(text, parent);
    if (name) label->setObjectName(QString::fromLatin1(name));
    QFont f = label->font();
    f.setBold(true);
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QPushButton* Button(QWidget* parent, const QString& text, const char* name,
                    const QString& tip = {}) {
    auto* b = Named(new QPushButton(text, parent), name);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

// A label the user clicks like a link.
QLabel* LinkLabel(QWidget* parent, const QString& text, const char* name, const QString& tip) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setToolTip(tip);
    label->setCursor(Qt::PointingHandCursor);
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: palette(link);"));
    return label;
}

QListWidget* List(QWidget* parent, const char* name) {
    auto* list = Named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QPlainTextEdit* ReminderBox(QWidget* parent, const char* name) {
    auto* box = Named(new QPlainTextEdit(parent), name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}

QFrame* Panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

void Fill(QListWidget* list, const std::vector<std::string>& rows, int sel) {
    list->clear();
    for (const std::string& row : rows) list->addItem(Q(row));
    if (sel >= 1 && sel <= list->count())
        list->setCurrentRow(sel - 1);
    else
        list->setCurrentRow(-1);
}

// A list row, 1-based; 0 when nothing is selected.
int Row(int currentRow) {
    return currentRow < 0 ? 0 : currentRow + 1;
}

}  // namespace

template <typename Op>
void frmMain::Run(Op op) {
    if (op(app_.doc, app_.ui(), view_)) ShowView();
}

frmMain::frmMain(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8(kAppTitle));
    BuildControls();
    BuildMenus();
    Connect();
    resize(800, 600);
}

void frmMain::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Heading row: title, user name, save and close-file buttons.
    Label2 = Heading(central, QStringLiteral("Kerva сегодня"), "Label2", 1.6);
    Label3 = Named(new QLabel(QStringLiteral("Имя пользователя:"), central), "Label3");
    lblUserName = LinkLabel(central, QStringLiteral("Пользователь"), "lblUserName",
                            QStringLiteral("Кликните,чтобы изменить имя пользователя"));
    Image1 = Named(new QToolButton(central), "Image1");
    Image1->setToolTip(QStringLiteral("Сохранить"));
    Image1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    imgExit = Named(new QToolButton(central), "imgExit");
    imgExit->setToolTip(QStringLiteral("Перейти на стартовую страницу"));
    imgExit->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    for (QToolButton* b : {Image1, imgExit}) {
        b->setIconSize(QSize(24, 24));
        b->setAutoRaise(true);
    }
    auto* head = new QHBoxLayout;
    head->addWidget(Label2);
    head->addStretch(1);
    head->addWidget(Label3);
    head->addWidget(lblUserName);
    head->addSpacing(12);
    head->addWidget(Image1);
    head->addWidget(imgExit);

    // States and clients.
    QFrame* manage = Panel(central);
    Label7 = Heading(manage, QStringLiteral("Управление:"), "Label7");
    Label8 = Named(new QLabel(QStringLiteral("Состояния:"), manage), "Label8");
    lstSost = List(manage, "lstSost");
    cmdOpenSost = Button(manage, QStringLiteral("Открыть >>>"), "cmdOpenSost");
    cmdAddSost = Button(manage, QStringLiteral("Добавить..."), "cmdAddSost");
    cmdDelSost = Button(manage, QStringLiteral("Удалить"), "cmdDelSost");
    cmdReport = Button(manage, QStringLiteral("Отчет"), "cmdReport",
                       QStringLiteral("Отчет за месяц по данному состоянию"));
    Label9 = Named(new QLabel(QStringLiteral("Клиенты:"), manage), "Label9");
    lstClients = List(manage, "lstClients");
    cmdOpenClient = Button(manage, QStringLiteral("Открыть >>>"), "cmdOpenClient");
    cmdAddClient = Button(manage, QStringLiteral("Добавить..."), "cmdAddClient");
    cmdDelClient = Button(manage, QStringLiteral("Удалить"), "cmdDelClient");
    cmdClientInfo = Button(manage, QStringLiteral("Инфо"), "cmdClientInfo",
                           QStringLiteral("Просмотреть информацию о клиенте"));

    auto listWithButtons = [](QListWidget* list, std::initializer_list<QPushButton*> buttons) {
        auto* column = new QVBoxLayout;
        for (QPushButton* b : buttons) column->addWidget(b);
        column->addStretch(1);
        auto* row = new QHBoxLayout;
        row->addWidget(list, 1);
        row->addLayout(column);
        return row;
    };
    auto* manageLayout = new QVBoxLayout(manage);
    manageLayout->addWidget(Label7);
    manageLayout->addWidget(Label8);
    manageLayout->addLayout(
        listWithButtons(lstSost, {cmdOpenSost, cmdAddSost, cmdDelSost, cmdReport}), 1);
    manageLayout->addSpacing(6);
    manageLayout->addWidget(Label9);
    manageLayout->addLayout(
        listWithButtons(lstClients, {cmdOpenClient, cmdAddClient, cmdDelClient, cmdClientInfo}), 1);

    // Reminders.
    QFrame* remind = Panel(central);
    Label6 = Heading(remind, QStringLiteral("Напоминания:"), "Label6");
    txtRemindToday = ReminderBox(remind, "txtRemindToday");
    txtSostToday = ReminderBox(remind, "txtSostToday");
    txtClientToday = ReminderBox(remind, "txtClientToday");
    auto* remindLayout = new QVBoxLayout(remind);
    remindLayout->addWidget(Label6);
    remindLayout->addWidget(txtRemindToday, 3);
    remindLayout->addWidget(
        Named(new QLabel(QStringLiteral("Состояния:"), remind), "lblSostToday"));
    remindLayout->addWidget(txtSostToday, 3);
    remindLayout->addWidget(
        Named(new QLabel(QStringLiteral("Клиенты:"), remind), "lblClientToday"));
    remindLayout->addWidget(txtClientToday, 2);

    // Currency units and help.
    QFrame* setup = Panel(central);
    Label11 = Heading(setup, QStringLiteral("Настройка:"), "Label11");
    auto* ieCaption =
        Named(new QLabel(QStringLiteral("Настройка Используемых Единиц:"), setup), "lblIE");
    ieCaption->setWordWrap(true);
    lstIE = List(setup, "lstIE");
    cmdAddIE = Button(setup, QStringLiteral("Добавить"), "cmdAddIE",
                      QStringLiteral("Добавление в список "));
    cmdChangeIE = Button(setup, QStringLiteral("Изменить"), "cmdChangeIE");
    lblDelIE = LinkLabel(setup, QStringLiteral("Удалить"), "lblDelIE",
                         QStringLiteral("Удалить выбранную и.е."));
    cmdHelp = Button(setup, QStringLiteral("Помощь"), "cmdHelp");
    auto* ieButtons = new QHBoxLayout;
    ieButtons->addWidget(cmdAddIE);
    ieButtons->addWidget(cmdChangeIE);
    auto* setupLayout = new QVBoxLayout(setup);
    setupLayout->addWidget(Label11);
    setupLayout->addWidget(ieCaption);
    setupLayout->addWidget(lstIE, 1);
    setupLayout->addLayout(ieButtons);
    setupLayout->addWidget(lblDelIE, 0, Qt::AlignRight);
    frameConv = new frmConv(app_, setup);
    setupLayout->addWidget(frameConv);
    setupLayout->addStretch(1);
    setupLayout->addWidget(cmdHelp);

    // The small tools, in one row under the panels.
    cmdCalc = Button(central, QStringLiteral("Калькулятор"), "cmdCalc");
    cmdNotepad = Button(central, QStringLiteral("Записная книжка"), "cmdNotepad");
    cmdPhoneBook = Button(central, QStringLiteral("Телефонная книга"), "cmdPhoneBook");
    cmdShtrihCheck = Button(central, QStringLiteral("Проверка штрих-кода"), "cmdShtrihCheck");
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : {cmdCalc, cmdNotepad, cmdPhoneBook, cmdShtrihCheck})
        tools->addWidget(b, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(manage, 4);
    body->addWidget(remind, 4);
    body->addWidget(setup, 3);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(head);
    layout->addLayout(body, 1);
    layout->addLayout(tools);

    for (QLabel* label : {lblUserName, lblDelIE}) label->installEventFilter(this);
}

void frmMain::BuildMenus() {
    auto item = [this](QMenu* menu, const QString& text, const char* name) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    mnuFile = Named(menuBar()->addMenu(QStringLiteral("&Файл")), "mnuFile");
    mnuItemCreateAllRep =
        item(mnuFile, QStringLiteral("Создать отчеты по всем состояниям"), "mnuItemCreateAllRep");
    mnuFile->addSeparator();
    mnuItemSave = item(mnuFile, QStringLiteral("Сохранить"), "mnuItemSave");
    mnuItemSave->setShortcut(QKeySequence::Save);
    mnuItemSaveAs = item(mnuFile, QStringLiteral("Сохранить как..."), "mnuItemSaveAs");
    mnuFile->addSeparator();
    mnuItemExit = item(mnuFile, QStringLiteral("В&ыход"), "mnuItemExit");

    mnuOptions = Named(menuBar()->addMenu(QStringLiteral("&Инструменты")), "mnuOptions");
    mnuItemPass = item(mnuOptions, QStringLiteral("Защита паролем..."), "mnuItemPass");
    mnuItemErrReport =
        item(mnuOptions, QStringLiteral("Отчет об ошибках Kerva Zyl"), "mnuItemErrReport");
    mnuItemExportCsv = item(mnuOptions, QStringLiteral("Экспорт в CSV..."), "mnuItemExportCsv");
    mnuOptions->addSeparator();
    mnuItemOptions = item(mnuOptions, QStringLiteral("Параметры..."), "mnuItemOptions");
    mnuOptions->addSeparator();
    mnuItemUpdateMe = item(mnuOptions, QStringLiteral("Обновление Kerva Zyl"), "mnuItemUpdateMe");

    mnuHelp = Named(menuBar()->addMenu(QStringLiteral("&Помощь")), "mnuHelp");
    mnuItemContents = item(mnuHelp, QStringLiteral("Вызов справки"), "mnuItemContents");
    QMenu* web = mnuHelp->addMenu(QStringLiteral("Brisklane в Интернете"));
    web->setObjectName("mnuWeb");
    mnuItemMainSite = item(web, QStringLiteral("Главная страница"), "mnuItemMainSite");
    mnuItemKervaPage = item(web, QStringLiteral("Проект Kerva"), "mnuItemKervaPage");
    mnuHelp->addSeparator();
    mnuItemAbout = item(mnuHelp, QStringLiteral("О программе"), "mnuItemAbout");
}

void frmMain::Connect() {
    auto track = [this](QListWidget* list, int MainView::*sel) {
        connect(list, &QListWidget::currentRowChanged, this, [this, sel](int row) {
            if (!showing_) view_.*sel = Row(row);
        });
    };
    track(lstSost, &MainView::sostSel);
    track(lstClients, &MainView::clientSel);
    track(lstIE, &MainView::ieSel);

    connect(cmdAddSost, &QPushButton::clicked, this, [this] { Run(&AddState); });
    connect(cmdDelSost, &QPushButton::clicked, this, [this] { Run(&DeleteState); });
    connect(cmdAddClient, &QPushButton::clicked, this, [this] { Run(&AddClient); });
    connect(cmdDelClient, &QPushButton::clicked, this, [this] { Run(&DeleteClient); });
    connect(cmdAddIE, &QPushButton::clicked, this, [this] { Run(&AddCurrencyUnit); });
    connect(cmdChangeIE, &QPushButton::clicked, this, [this] { Run(&ChangeCurrencyUnit); });

    // The state and client windows are not part of the program yet: opening
    // only makes the record current.
    auto openState = [this] { OpenState(app_.doc, app_.ui(), view_); };
    auto openClient = [this] { OpenClient(app_.doc, app_.ui(), view_); };
    connect(cmdOpenSost, &QPushButton::clicked, this, openState);
    connect(lstSost, &QListWidget::itemDoubleClicked, this, openState);
    connect(cmdOpenClient, &QPushButton::clicked, this, openClient);
    connect(lstClients, &QListWidget::itemDoubleClicked, this, openClient);
    connect(cmdClientInfo, &QPushButton::clicked, this,
            [this] { ShowClientInfo(app_.doc, app_.ui(), view_); });
    connect(cmdReport, &QPushButton::clicked, this, &frmMain::OnReport);

    connect(Image1, &QToolButton::clicked, this, &frmMain::OnSave);
    connect(imgExit, &QToolButton::clicked, this, &frmMain::OnCloseFile);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { app_.ShowHelp(); });
    connect(cmdCalc, &QPushButton::clicked, this, &frmMain::OnCalc);
    connect(cmdNotepad, &QPushButton::clicked, this, [this] { OpenNotepad(app_, this); });
    connect(cmdPhoneBook, &QPushButton::clicked, this, [this] { ShowPhoneBook(app_, this); });
    connect(cmdShtrihCheck, &QPushButton::clicked, this, [this] { ShowBarcodeWindow(app_, this); });

    connect(mnuItemCreateAllRep, &QAction::triggered, this, &frmMain::OnCreateAllReports);
    connect(mnuItemSave, &QAction::triggered, this, &frmMain::OnSave);
    connect(mnuItemSaveAs, &QAction::triggered, this, &frmMain::OnSaveAs);
    connect(mnuItemExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuItemPass, &QAction::triggered, this, &frmMain::OnPassword);
    connect(mnuItemErrReport, &QAction::triggered, this,
            [this] { ShowErrorReportWindow(app_, this); });
    connect(mnuItemExportCsv, &QAction::triggered, this,
            [this] { ExportToCsv(app_.doc, app_.ui()); });
    connect(mnuItemOptions, &QAction::triggered, this, &frmMain::OnOptions);
    connect(mnuItemUpdateMe, &QAction::triggered, this, &frmMain::OnUpdateMe);
    // The maker's web pages are not shipped; both items lead to the help pages.
    for (QAction* a : {mnuItemContents, mnuItemMainSite, mnuItemKervaPage})
        connect(a, &QAction::triggered, this, [this] { app_.ShowHelp(); });
    connect(mnuItemAbout, &QAction::triggered, this, [this] { app_.ShowAbout(this); });
}

void frmMain::Refresh() {
    view_ = RefreshMainWindow(app_.doc, app_.ui());
    setWindowTitle(Q(app_.WindowTitle()));
    ShowView();
}

void frmMain::ShowView() {
    showing_ = true;
    Fill(lstIE, view_.ieRows, view_.ieSel);
    Fill(lstSost, view_.sostRows, view_.sostSel);
    Fill(lstClients, view_.clientRows, view_.clientSel);
    showing_ = false;
    lblUserName->setText(Q(view_.userName));
    txtRemindToday->setPlainText(Shown(view_.remindToday));
    txtSostToday->setPlainText(Shown(view_.sostToday));
    txtClientToday->setPlainText(Shown(view_.clientToday));
}

SaveHooks frmMain::Hooks() {
    SaveHooks hooks;
    hooks.setTitle = [this](const std::string& title) { setWindowTitle(Q(title)); };
    hooks.closeNotepad = &CloseNotepad;
    return hooks;
}

void frmMain::OnReport() {
    if (auto text = ShowStateReport(app_.doc, app_.ui(), view_)) ShowReportWindow(app_, *text);
}

void frmMain::OnCreateAllReports() {
    ShowReportWindow(app_, CreateAllReports(app_.doc, app_.ui()));
}

void frmMain::OnSave() {
    Save(app_.doc, app_.ui(), app_.settings, Hooks());
}

void frmMain::OnSaveAs() {
    SaveAs(app_.doc, app_.ui(), app_.settings, Hooks());
}

void frmMain::OnCloseFile() {
    if (!ConfirmCloseFile(app_.doc, app_.ui(), app_.settings, Hooks())) return;
    // The notepad and the phone book belong to the file being closed.
    CloseNotepad();
    ClosePhoneBook();
    app_.ReturnToLogin(this);
}

void frmMain::OnPassword() {
    frmPass dialog(app_, this);
    dialog.Update();
    dialog.exec();
}

void frmMain::OnOptions() {
    frmOptions dialog(app_, this);
    dialog.LoadOpt();
    dialog.exec();
}

void frmMain::OnUpdateMe() {
    app_.ui().MessageBox("В настоящий момент сервис недоступен.", Icon::Information, Buttons::OK,
                         kAppTitle);
}

void frmMain::OnCalc() {
    LaunchCalculator(app_.ui());
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (app_.CloseProgram(this))
        event->accept();
    else
        event->ignore();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblUserName) {
            Run(&RenameUser);
            return true;
        }
        if (watched == lblDelIE) {
            Run(&DeleteCurrencyUnit);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kz
