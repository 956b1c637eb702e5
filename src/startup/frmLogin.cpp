#include "startup/frmLogin.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/Widgets.h"
#include "startup/Login.h"

namespace kz {

namespace {

// The start window's texts are long; they wrap.
QLabel* Wrapped(QLabel* label) {
    label->setWordWrap(true);
    return label;
}

}  // namespace

frmLogin::frmLogin(WindowContext context, QWidget* parent)
    : QWidget(parent), ctx_(std::move(context)) {
    setObjectName("frmLogin");
    setWindowTitle(QStringLiteral("Добро пожаловать в Brisklane Kerva!"));

    QLabel* Label1 = Wrapped(Label(
        this, "Label1",
        QStringLiteral("Вас приветствует Brisklane Kerva Zyl! Чтобы начать работу, укажите  "
                       "открываемый файл. Чтобы создать новый файл, щелкните на переключатель "
                       "\"Создать новый файл Kerva\".")));
    QFont welcome = Label1->font();
    welcome.setPointSizeF(welcome.pointSizeF() * 1.15);
    Label1->setFont(welcome);
    QLabel* Label2 = Wrapped(Label(this, "Label2", QStringLiteral("Выберите требуемое действие:")));

    Option1 = Named(new QRadioButton(QStringLiteral("Создать новый файл Kerva"), this), "Option1");
    Option2 =
        Named(new QRadioButton(QStringLiteral("Открыть существующий файл Kerva"), this), "Option2");
    auto* choice = new QButtonGroup(this);
    choice->addButton(Option1);
    choice->addButton(Option2);

    txtFile = Named(new QLineEdit(this), "txtFile");
    QLabel* Label4 = Wrapped(FieldLabel(
        this, "Label4",
        QStringLiteral("Введите имя файла или укажите его явно, нажав на кнопку Обзор."), txtFile));
    cmdBrowse = Button(this, "cmdBrowse", QStringLiteral("Обзор"));
    cmdMD = Button(this, "cmdMD", QStringLiteral("Директория Kerva"),
                   QStringLiteral("Добавить в текстовое поле путь к директории Kerva"));

    framePass = Named(new QGroupBox(QStringLiteral("Пароль"), this), "framePass");
    txtPass = Named(new QLineEdit(framePass), "txtPass");
    txtPass->setEchoMode(QLineEdit::Password);
    txtPass->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    QLabel* Label5 = Wrapped(
        FieldLabel(framePass, "Label5",
                   QStringLiteral("Если ваш файл защищен паролем, введите его сейчас:"), txtPass));

    cmdEnter = Button(this, "cmdEnter", QStringLiteral("Открыть >>>"));
    cmdCancel = Button(this, "cmdCancel", QStringLiteral("Отмена"));
    cmdHelp = Button(this, "cmdHelp", QStringLiteral("Помощь"));
    cmdAbout = Button(this, "cmdAbout", QStringLiteral("О программе"));
    cmdAdditional = Button(this, "cmdAdditional", QStringLiteral("Дополнительные функции >>>"));

    mnuAdFunc = Named(new QMenu(QStringLiteral("Дополнительные функции"), this), "mnuAdFunc");
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
    FitOnScreen(this, {680, 480});
    TabOrderFollowsLayout(this);
    WindowKeys(this, cmdEnter, false);

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { ChooseOpen(!on); });
    connect(cmdEnter, &QPushButton::clicked, this, &frmLogin::OpenOrCreate);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmLogin::BrowseForFile);
    connect(cmdMD, &QPushButton::clicked, this, &frmLogin::PrefixDataFolder);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ctx_.nav.ShowHelp(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { ctx_.nav.ShowAbout(this); });
    connect(cmdAdditional, &QPushButton::clicked, this, [this] {
        mnuAdFunc->popup(cmdAdditional->mapToGlobal(QPoint(0, cmdAdditional->height())));
    });
    connect(calc, &QAction::triggered, this, &frmLogin::LaunchCalculator);
    connect(shtrih, &QAction::triggered, this, [this] { ctx_.nav.ShowBarcodeCheck(this); });
    connect(errReport, &QAction::triggered, this, [this] { ctx_.nav.ShowErrorNotes(this); });
    connect(update, &QAction::triggered, this, [this] { ShowUpdateUnavailable(ctx_.ui); });

    Option1->setChecked(true);
    ChooseOpen(false);
}

void frmLogin::PrepareFromSettings() {
    LoginForm form;
    form.file = S(txtFile->text());
    PrepareLoginForm(ctx_.settings, ctx_.programFolder, form);
    ShowFieldText(txtFile, Q(form.file));
    if (form.open) Option2->setChecked(true);
}

void frmLogin::SetFileArgument(const QString& path) {
    ShowFieldText(txtFile, path);
    Option2->setChecked(true);
}

void frmLogin::closeEvent(QCloseEvent* event) {
    WriteSettings(ctx_.ui, ctx_.settingsPath, ctx_.settings);
    event->accept();
    QApplication::quit();
}

void frmLogin::ChooseOpen(bool open) {
    framePass->setEnabled(open);
    txtPass->setEnabled(open);
}

void frmLogin::OpenOrCreate() {
    LoginForm form{Option2->isChecked(), S(txtFile->text()), S(txtPass->text())};
    // The main window refreshes itself when it is entered, so the readers
    // are not given the refresh as well (the monthly reports would be
    // announced twice).
    const bool entered = kz::OpenOrCreate(ctx_.doc, ctx_.settings, ctx_.ui,
                                          {ctx_.programFolder, ctx_.settingsPath}, form, {});
    ShowFieldText(txtFile, Q(form.file));
    txtPass->setText(Q(form.pass));
    if (entered) ctx_.nav.EnterMainWindow();
}

void frmLogin::PrefixDataFolder() {
    LoginForm form;
    form.file = S(txtFile->text());
    kz::PrefixDataFolder(ctx_.programFolder, form);
    ShowFieldText(txtFile, Q(form.file));
}

void frmLogin::BrowseForFile() {
    LoginForm form;
    if (!kz::BrowseForFile(ctx_.ui, ctx_.programFolder, form)) return;
    ShowFieldText(txtFile, Q(form.file));
    Option2->setChecked(true);
}

void frmLogin::LaunchCalculator() {
    kz::LaunchCalculator(ctx_.ui);
}

}  // namespace kz
