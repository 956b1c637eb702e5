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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "platform/qt/Widgets.h"
#include "reports/ReportFiles.h"
#include "startup/Login.h"
#include "startup/frmOptions.h"
#include "startup/frmPass.h"
#include "tools/Export.h"
#include "tools/frmConv.h"
#include "windows/main/MainWindow.h"

namespace kz {

namespace {

QListWidget* List(QWidget* parent, const char* name) {
    auto* list = Named(new QListWidget(parent), name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    CurrentFollowsSelection(list);
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

// The selected row, 1-based; 0 when nothing is selected.
int SelectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

}  // namespace

template <typename Op>
void frmMain::Run(Op op) {
    if (op(ctx_.doc, ctx_.ui, view_)) ShowView();
}

frmMain::frmMain(WindowContext context, QWidget* parent)
    : QMainWindow(parent), ctx_(std::move(context)) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromUtf8(kAppTitle));
    BuildControls();
    BuildMenus();
    Connect();
    FitOnScreen(this, {800, 600});
}

void frmMain::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Heading row: title, user name, save and close-file buttons.
    QLabel* Label2 = Heading(Label(central, "Label2", QStringLiteral("Kerva сегодня")), 1.6);
    lblUserName = LinkButton(central, "lblUserName", QStringLiteral("Пользователь"),
                             QStringLiteral("Кликните,чтобы изменить имя пользователя"));
    QLabel* Label3 =
        FieldLabel(central, "Label3", QStringLiteral("Имя пользователя:"), lblUserName);
    Image1 = Named(new QToolButton(central), "Image1");
    IconOnly(Image1, QStringLiteral("Сохранить"));
    Image1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    imgExit = Named(new QToolButton(central), "imgExit");
    IconOnly(imgExit, QStringLiteral("Перейти на стартовую страницу"));
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
    QLabel* Label7 = Heading(Label(manage, "Label7", QStringLiteral("Управление:")));
    lstSost = List(manage, "lstSost");
    QLabel* Label8 = FieldLabel(manage, "Label8", QStringLiteral("Состояния:"), lstSost);
    cmdOpenSost = Button(manage, "cmdOpenSost", QStringLiteral("Открыть >>>"));
    cmdAddSost = Button(manage, "cmdAddSost", QStringLiteral("Добавить..."));
    cmdDelSost = Button(manage, "cmdDelSost", QStringLiteral("Удалить"));
    cmdReport = Button(manage, "cmdReport", QStringLiteral("Отчет"),
                       QStringLiteral("Отчет за месяц по данному состоянию"));
    for (QPushButton* b : {cmdOpenSost, cmdAddSost, cmdDelSost})
        ActsOn(b, QStringLiteral("состояние"));
    lstClients = List(manage, "lstClients");
    QLabel* Label9 = FieldLabel(manage, "Label9", QStringLiteral("Клиенты:"), lstClients);
    cmdOpenClient = Button(manage, "cmdOpenClient", QStringLiteral("Открыть >>>"));
    cmdAddClient = Button(manage, "cmdAddClient", QStringLiteral("Добавить..."));
    cmdDelClient = Button(manage, "cmdDelClient", QStringLiteral("Удалить"));
    cmdClientInfo = Button(manage, "cmdClientInfo", QStringLiteral("Инфо"),
                           QStringLiteral("Просмотреть информацию о клиенте"));
    for (QPushButton* b : {cmdOpenClient, cmdAddClient, cmdDelClient})
        ActsOn(b, QStringLiteral("клиента"));

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
    txtRemindToday = ReminderBox(remind, "txtRemindToday");
    txtSostToday = ReminderBox(remind, "txtSostToday");
    txtClientToday = ReminderBox(remind, "txtClientToday");
    QLabel* Label6 =
        Heading(FieldLabel(remind, "Label6", QStringLiteral("Напоминания:"), txtRemindToday));
    auto* remindLayout = new QVBoxLayout(remind);
    remindLayout->addWidget(Label6);
    remindLayout->addWidget(txtRemindToday, 3);
    remindLayout->addWidget(
        FieldLabel(remind, "lblSostToday", QStringLiteral("Состояния:"), txtSostToday));
    remindLayout->addWidget(txtSostToday, 3);
    remindLayout->addWidget(
        FieldLabel(remind, "lblClientToday", QStringLiteral("Клиенты:"), txtClientToday));
    remindLayout->addWidget(txtClientToday, 2);
    // Their captions are those of the lists of states and clients.
    txtSostToday->setAccessibleName(QStringLiteral("Состояния: напоминания"));
    txtClientToday->setAccessibleName(QStringLiteral("Клиенты: напоминания"));

    // Currency units and help.
    QFrame* setup = Panel(central);
    QLabel* Label11 = Heading(Label(setup, "Label11", QStringLiteral("Настройка:")));
    lstIE = List(setup, "lstIE");
    QLabel* ieCaption =
        FieldLabel(setup, "lblIE", QStringLiteral("Настройка Используемых Единиц:"), lstIE);
    ieCaption->setWordWrap(true);
    cmdAddIE = Button(setup, "cmdAddIE", QStringLiteral("Добавить"),
                      QStringLiteral("Добавление в список "));
    cmdChangeIE = Button(setup, "cmdChangeIE", QStringLiteral("Изменить"));
    lblDelIE = LinkButton(setup, "lblDelIE", QStringLiteral("Удалить"),
                          QStringLiteral("Удалить выбранную и.е."));
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{cmdAddIE, cmdChangeIE, lblDelIE})
        ActsOn(b, QStringLiteral("и.е."));
    cmdHelp = Button(setup, "cmdHelp", QStringLiteral("Помощь"));
    auto* ieButtons = new QHBoxLayout;
    ieButtons->addWidget(cmdAddIE);
    ieButtons->addWidget(cmdChangeIE);
    auto* setupLayout = new QVBoxLayout(setup);
    setupLayout->addWidget(Label11);
    setupLayout->addWidget(ieCaption);
    setupLayout->addWidget(lstIE, 1);
    setupLayout->addLayout(ieButtons);
    setupLayout->addWidget(lblDelIE, 0, Qt::AlignRight);
    frameConv = new frmConv(ctx_.ui, setup);
    setupLayout->addWidget(frameConv);
    setupLayout->addStretch(1);
    setupLayout->addWidget(cmdHelp);

    // The small tools, in one row under the panels.
    cmdCalc = Button(central, "cmdCalc", QStringLiteral("Калькулятор"));
    cmdNotepad = Button(central, "cmdNotepad", QStringLiteral("Записная книжка"));
    cmdPhoneBook = Button(central, "cmdPhoneBook", QStringLiteral("Телефонная книга"));
    cmdShtrihCheck = Button(central, "cmdShtrihCheck", QStringLiteral("Проверка штрих-кода"));
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

    TabOrderFollowsLayout(this);
    WindowKeys(this, nullptr, false);
    lstSost->setFocus();  // the window opens on its first list, not on the user's name
}

void frmMain::BuildMenus() {
    mnuFile = Named(menuBar()->addMenu(QStringLiteral("&Файл")), "mnuFile");
    mnuItemCreateAllRep = MenuItem(mnuFile, "mnuItemCreateAllRep",
                                   QStringLiteral("Создать отчеты по всем состояниям"));
    mnuFile->addSeparator();
    mnuItemSave = MenuItem(mnuFile, "mnuItemSave", QStringLiteral("Сохранить"));
    mnuItemSave->setShortcut(QKeySequence::Save);
    mnuItemSaveAs = MenuItem(mnuFile, "mnuItemSaveAs", QStringLiteral("Сохранить как..."));
    mnuFile->addSeparator();
    mnuItemExit = MenuItem(mnuFile, "mnuItemExit", QStringLiteral("В&ыход"));

    mnuOptions = Named(menuBar()->addMenu(QStringLiteral("&Инструменты")), "mnuOptions");
    mnuItemPass = MenuItem(mnuOptions, "mnuItemPass", QStringLiteral("Защита паролем..."));
    mnuItemErrReport =
        MenuItem(mnuOptions, "mnuItemErrReport", QStringLiteral("Отчет об ошибках Kerva Zyl"));
    mnuItemExportCsv = MenuItem(mnuOptions, "mnuItemExportCsv", QStringLiteral("Экспорт в CSV..."));
    mnuOptions->addSeparator();
    mnuItemOptions = MenuItem(mnuOptions, "mnuItemOptions", QStringLiteral("Параметры..."));
    mnuOptions->addSeparator();
    mnuItemUpdateMe =
        MenuItem(mnuOptions, "mnuItemUpdateMe", QStringLiteral("Обновление Kerva Zyl"));

    BuildHelpMenu(this, ctx_.nav, "mnuItemContents", true);
}

void frmMain::Connect() {
    auto track = [this](QListWidget* list, int MainView::*sel) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, sel] {
            if (!showing_) view_.*sel = SelectedRow(list);
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
    connect(lblDelIE, &QPushButton::clicked, this, [this] { Run(&DeleteCurrencyUnit); });
    connect(lblUserName, &QPushButton::clicked, this, [this] { Run(&RenameUser); });

    auto openState = [this] {
        if (OpenState(ctx_.doc, ctx_.ui, view_)) ctx_.nav.OpenState(this);
    };
    auto openClient = [this] {
        if (OpenClient(ctx_.doc, ctx_.ui, view_)) ctx_.nav.OpenClientWindow(this);
    };
    connect(cmdOpenSost, &QPushButton::clicked, this, openState);
    connect(lstSost, &QListWidget::itemDoubleClicked, this, openState);
    connect(cmdOpenClient, &QPushButton::clicked, this, openClient);
    connect(lstClients, &QListWidget::itemDoubleClicked, this, openClient);
    connect(cmdClientInfo, &QPushButton::clicked, this, [this] {
        if (ShowClientInfo(ctx_.doc, ctx_.ui, view_)) ctx_.nav.ShowClientInfo(this);
    });
    connect(cmdReport, &QPushButton::clicked, this, &frmMain::OnReport);

    connect(Image1, &QToolButton::clicked, this, &frmMain::OnSave);
    connect(imgExit, &QToolButton::clicked, this, &frmMain::OnCloseFile);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ctx_.nav.ShowHelp(); });
    connect(cmdCalc, &QPushButton::clicked, this, [this] { LaunchCalculator(ctx_.ui); });
    connect(cmdNotepad, &QPushButton::clicked, this, [this] { ctx_.nav.ShowNotepad(this); });
    connect(cmdPhoneBook, &QPushButton::clicked, this, [this] { ctx_.nav.ShowPhoneBook(this); });
    connect(cmdShtrihCheck, &QPushButton::clicked, this,
            [this] { ctx_.nav.ShowBarcodeCheck(this); });

    connect(mnuItemCreateAllRep, &QAction::triggered, this, &frmMain::OnCreateAllReports);
    connect(mnuItemSave, &QAction::triggered, this, &frmMain::OnSave);
    connect(mnuItemSaveAs, &QAction::triggered, this, &frmMain::OnSaveAs);
    connect(mnuItemExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuItemPass, &QAction::triggered, this, &frmMain::OnPassword);
    connect(mnuItemErrReport, &QAction::triggered, this, [this] { ctx_.nav.ShowErrorNotes(this); });
    connect(mnuItemExportCsv, &QAction::triggered, this,
            [this] { ExportToCsv(ctx_.doc, ctx_.ui); });
    connect(mnuItemOptions, &QAction::triggered, this, &frmMain::OnOptions);
    connect(mnuItemUpdateMe, &QAction::triggered, this, [this] { ShowUpdateUnavailable(ctx_.ui); });
}

void frmMain::Refresh() {
    view_ = RefreshMainWindow(ctx_.doc, ctx_.ui);
    setWindowTitle(Q(MainWindowTitle(ctx_.doc.FilePath)));
    ShowView();
}

void frmMain::SelectCurrent(int s, int c) {
    showing_ = true;
    for (auto [list, sel, row] : {std::tuple{lstSost, &MainView::sostSel, s},
                                  std::tuple{lstClients, &MainView::clientSel, c}}) {
        if (row < 1 || row > list->count()) continue;
        view_.*sel = row;
        list->setCurrentRow(row - 1);
    }
    showing_ = false;
}

void frmMain::ShowView() {
    showing_ = true;
    Fill(lstIE, view_.ieRows, view_.ieSel);
    Fill(lstSost, view_.sostRows, view_.sostSel);
    Fill(lstClients, view_.clientRows, view_.clientSel);
    showing_ = false;
    lblUserName->setText(Q(view_.userName));
    txtRemindToday->setPlainText(ShownText(view_.remindToday));
    txtSostToday->setPlainText(ShownText(view_.sostToday));
    txtClientToday->setPlainText(ShownText(view_.clientToday));
}

SaveHooks frmMain::Hooks() {
    return WindowSaveHooks(this, ctx_.nav);
}

void frmMain::OnReport() {
    if (auto text = ShowStateReport(ctx_.doc, ctx_.ui, view_)) ctx_.nav.ShowReport(*text);
}

void frmMain::OnCreateAllReports() {
    ctx_.nav.ShowReport(CreateAllReports(ctx_.doc, ctx_.ui));
}

void frmMain::OnSave() {
    Save(ctx_.doc, ctx_.ui, ctx_.settings, Hooks());
}

void frmMain::OnSaveAs() {
    SaveAs(ctx_.doc, ctx_.ui, ctx_.settings, Hooks());
}

void frmMain::OnCloseFile() {
    if (ConfirmCloseFile(ctx_.doc, ctx_.ui, ctx_.settings, Hooks())) ctx_.nav.CloseFile(this);
}

void frmMain::OnPassword() {
    frmPass dialog(ctx_.doc, ctx_.ui, this);
    dialog.Update();
    dialog.exec();
}

void frmMain::OnOptions() {
    frmOptions dialog(ctx_.settings, ctx_.ui, this);
    dialog.LoadOpt();
    dialog.exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (ctx_.nav.CloseProgram(this))
        event->accept();
    else
        event->ignore();
}

}  // namespace kz
