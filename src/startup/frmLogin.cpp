#include "startup/frmLogin.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/App.h"
#include "startup/Login.h"
#include "tools/frmErrorReport.h"
#include "tools/frmShtrih.h"

namespace kz {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

}  // namespace

frmLogin::frmLogin(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName("frmLogin");
    setWindowTitle(QStringLiteral("Добро пожаловать в Brisklane Kerva!"));

    Label1 = NamedLabel(
        "Label1",
        QStringLiteral("Вас приветствует Brisklane Kerva Zyl! Чтобы начать работу, укажите  "
                       "открываемый файл. Чтобы создать новый файл, щелкните на переключатель "
                       "\"Создать новый файл Kerva\"."),
        this);
    QFont welcome = Label1->font();
    welcome.setPointSizeF(welcome.pointSizeF() * 1.15);
    Label1->setFont(welcome);
    Label2 = NamedLabel("Label2", QStringLiteral("Выберите требуемое действие:"), this);

    Option1 = new QRadioButton(QStringLiteral("Создать новый файл Kerva"), this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton(QStringLiteral("Открыть существующий файл Kerva"), this);
    Option2->setObjectName("Option2");
    auto* choice = new QButtonGroup(this);
    choice->addButton(Option1);
    choice->addButton(Option2);

    Label4 = NamedLabel(
        "Label4", QStringLiteral("Введите имя файла или укажите его явно, нажав на кнопку Обзор."),
        this);
    txtFile = new QLineEdit(this);
    txtFile->setObjectName("txtFile");
    cmdBrowse = NamedButton("cmdBrowse", QStringLiteral("Обзор"), this);
    cmdMD = NamedButton("cmdMD", QStringLiteral("Директория Kerva"), this);
    cmdMD->setToolTip(QStringLiteral("Добавить в текстовое поле путь к директории Kerva"));

    framePass = new QGroupBox(QStringLiteral("Пароль"), this);
    framePass->setObjectName("framePass");
    Label5 = NamedLabel(
        "Label5", QStringLiteral("Если ваш файл защищен паролем, введите его сейчас:"), framePass);
    txtPass = new QLineEdit(framePass);
    txtPass->setObjectName("txtPass");
    txtPass->setEchoMode(QLineEdit::Password);
    txtPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    cmdEnter = NamedButton("cmdEnter", QStringLiteral("Открыть >>>"), this);
    cmdEnter->setDefault(true);
    cmdCancel = NamedButton("cmdCancel", QStringLiteral("Отмена"), this);
    cmdHelp = NamedButton("cmdHelp", QStringLiteral("Помощь"), this);
    cmdAbout = NamedButton("cmdAbout", QStringLiteral("О программе"), this);
    cmdAdditional =
        NamedButton("cmdAdditional", QStringLiteral("Дополнительные функции >>>"), this);

    mnuAdFunc = new QMenu(QStringLiteral("Дополнительные функции"), this);
    mnuAdFunc->setObjectName("mnuAdFunc");
    QAction* calc = MenuItem(mnuAdFunc, "mnuItemCalc", QStringLiteral("Калькулятор"));
    QAction* shtrih = MenuItem(mnuAdFunc, "mnuItemShtrih", QStringLiteral("Проверка штрих-кода"));
    mnuAdFunc->addSeparator();
    QAction* errReport =
        MenuItem(mnuAdFunc, "mnuItemErrReport", QStringLiteral("Отчет об ошибках Kerva Zyl"));
    QAction* update =
        MenuItem(mnuAdFunc, "mnuItemUpdateMe", QStringLiteral("Обновление Kerva Zyl..."));

    // Layout: the choice, the file, the password, then the buttons.
    auto* actionBox = new QGroupBox(this);
    auto* actionLayout = new QVBoxLayout(actionBox);
    actionLayout->setSpacing(8);
    actionLayout->addWidget(Label2);
    actionLayout->addWidget(Option1);
    actionLayout->addWidget(Option2);
    actionLayout->addSpacing(6);
    actionLayout->addWidget(Label4);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile, 1);
    fileRow->addWidget(cmdBrowse);
    fileRow->addWidget(cmdMD);
    actionLayout->addLayout(fileRow);

    auto* passLayout = new QVBoxLayout(framePass);
    passLayout->addWidget(Label5);
    passLayout->addWidget(txtPass);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdAdditional);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdAbout);
    buttons->addStretch();
    buttons->addWidget(cmdEnter);
    buttons->addWidget(cmdCancel);

    auto* heading = new QLabel(QString::fromUtf8(kAppTitle), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    heading->setFont(big);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addWidget(Label1);
    layout->addWidget(actionBox);
    layout->addWidget(framePass);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(680, 480);

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { ChooseOpen(!on); });
    connect(cmdEnter, &QPushButton::clicked, this, &frmLogin::OpenOrCreate);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmLogin::BrowseForFile);
    connect(cmdMD, &QPushButton::clicked, this, &frmLogin::PrefixDataFolder);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { app_.ShowHelp(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { app_.ShowAbout(this); });
    connect(cmdAdditional, &QPushButton::clicked, this, [this] {
        mnuAdFunc->popup(cmdAdditional->mapToGlobal(QPoint(0, cmdAdditional->height())));
    });
    connect(calc, &QAction::triggered, this, &frmLogin::LaunchCalculator);
    connect(shtrih, &QAction::triggered, this, [this] { ShowBarcodeWindow(app_, this); });
    connect(errReport, &QAction::triggered, this, [this] { ShowErrorReportWindow(app_, this); });
    connect(update, &QAction::triggered, this, [this] { ShowUpdateUnavailable(app_.ui()); });

    Option1->setChecked(true);
    ChooseOpen(false);
}

void frmLogin::PrepareFromSettings() {
    LoginForm form;
    form.file = txtFile->text().toStdString();
    PrepareLoginForm(app_.settings, app_.ProgramFolder(), form);
    txtFile->setText(QString::fromStdString(form.file));
    if (form.open) Option2->setChecked(true);
}

void frmLogin::SetFileArgument(const QString& path) {
    txtFile->setText(path);
    Option2->setChecked(true);
}

void frmLogin::closeEvent(QCloseEvent* event) {
    WriteSettings(app_.ui(), app_.SettingsPath(), app_.settings);
    event->accept();
    QApplication::quit();
}

// The enter button is the window's default: Enter anywhere presses it (the
// text fields pass the key on).
void frmLogin::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        cmdEnter->isEnabled()) {
        cmdEnter->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmLogin::ChooseOpen(bool open) {
    framePass->setEnabled(open);
    txtPass->setEnabled(open);
}

void frmLogin::OpenOrCreate() {
    LoginForm form{Option2->isChecked(), txtFile->text().toStdString(),
                   txtPass->text().toStdString()};
    // The main window refreshes itself when it is entered, so the readers
    // are not given the refresh as well (the monthly reports would be
    // announced twice).
    const bool entered = kz::OpenOrCreate(app_.doc, app_.settings, app_.ui(),
                                          {app_.ProgramFolder(), app_.SettingsPath()}, form, {});
    txtFile->setText(QString::fromStdString(form.file));
    txtPass->setText(QString::fromStdString(form.pass));
    if (entered) app_.EnterMainWindow();
}

void frmLogin::PrefixDataFolder() {
    LoginForm form;
    form.file = txtFile->text().toStdString();
    kz::PrefixDataFolder(app_.ProgramFolder(), form);
    txtFile->setText(QString::fromStdString(form.file));
}

void frmLogin::BrowseForFile() {
    LoginForm form;
    if (!kz::BrowseForFile(app_.ui(), app_.ProgramFolder(), form)) return;
    txtFile->setText(QString::fromStdString(form.file));
    Option2->setChecked(true);
}

void frmLogin::LaunchCalculator() {
    kz::LaunchCalculator(app_.ui());
}

}  // namespace kz
