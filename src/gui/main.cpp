// The desktop program. The start-up order: the single-instance and screen
// checks, the splash, the start and main windows loaded, the data folder,
// the settings and the start sound; then the start window.
//
// Command line: any argument skips the splash's wait. A path names the data
// file to put into the start window (with "open" chosen). "--open PATH" does
// the same and presses the enter button, so that the file opens without a
// click (used for unattended starts and by the end-to-end test).
#include <langinfo.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <csignal>
#include <string>

#include "gui/App.h"
#include "platform/qt/QtPlatform.h"
#include "startup/Startup.h"
#include "startup/frmLogin.h"
#include "startup/frmSplash.h"
#include "windows/main/frmMain.h"

namespace {

// Qt reads the system's locale once, while the application object is made,
// and its own dialogs follow it (the dates of the file dialog): for them the
// program's locale is Russian whatever the system's. The C library and the
// programs started from here keep the user's.
class RussianSystemLocale {
public:
    RussianSystemLocale() : hadAll_(qEnvironmentVariableIsSet("LC_ALL")), all_(qgetenv("LC_ALL")) {
        std::setlocale(LC_ALL, "");
        qputenv("LC_ALL", "ru_RU.UTF-8");
    }
    // Once the application object exists. Where the user's character type
    // is not UTF-8, the one Qt has switched to stays.
    void Restore() {
        if (hadAll_)
            qputenv("LC_ALL", all_);
        else
            qunsetenv("LC_ALL");
        const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
        std::setlocale(LC_ALL, "");
        if (qstricmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, ctype.c_str());
    }

private:
    bool hadAll_;
    QByteArray all_;
};

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit (ulimit -f) must fail with its
    // error, reported by the save, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    RussianSystemLocale russian;
    QApplication qapp(argc, argv);
    russian.Restore();
    QApplication::setApplicationName(QStringLiteral("kervazyl"));
    QApplication::setOrganizationName(QStringLiteral("Brisklane"));
    // The large windows hide and show one another; the program ends only
    // through the exit paths of those windows.
    QApplication::setQuitOnLastWindowClosed(false);

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    kz::QtPlatform platform;
    if (!kz::PassStartChecks(platform)) return 0;

    std::vector<std::string> args;
    const QStringList qargs = QApplication::arguments();
    for (qsizetype i = 1; i < qargs.size(); ++i) args.push_back(qargs[i].toStdString());
    const kz::CommandLine commandLine = kz::ParseCommandLine(args);

    kz::App app(platform, platform.ProgramFolder(), platform.AssetFolder());

    auto* splash = new kz::frmSplash;
    splash->setCursor(Qt::WaitCursor);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    splash->activateWindow();
    splash->setFocus();
    if (!commandLine.any) splash->StartTimer();

    QObject::connect(splash, &kz::frmSplash::closed, splash, [&app, splash](bool byTimer) {
        // The start window takes the keyboard: the user types the file name at once.
        app.Login()->show();
        app.Login()->activateWindow();
        kz::SplashClosed(app.ui(), app.settings, byTimer, app.SettingsPath());
        splash->hide();
        splash->deleteLater();
    });

    QApplication::processEvents();
    app.Main();
    app.Login();

    if (commandLine.any) splash->CloseSplash(false);

    kz::PrepareStart(platform, app.settings, app.ProgramFolder());
    app.Login()->PrepareFromSettings();
    if (!commandLine.file.empty()) {
        app.Login()->SetFileArgument(QString::fromStdString(commandLine.file));
        if (commandLine.enter) {
            QTimer::singleShot(0, app.Login(), [&app] {
                if (auto* enter = app.Login()->findChild<QPushButton*>(QStringLiteral("cmdEnter")))
                    enter->click();
            });
        }
    }

    return QApplication::exec();
}
