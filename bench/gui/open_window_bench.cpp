// The desktop program from the enter button of the start window to the main
// window on the screen, with the largest legal document (plain and protected)
// and with a new one-state file. Offscreen unless QT_QPA_PLATFORM says
// otherwise; run it under xvfb-run with QT_QPA_PLATFORM=xcb for a real X
// server. The counter "repaints" is the progress bar's repaints per opening.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

#include "core/DataFile.h"
#include "gui/App.h"
#include "platform/qt/QtPlatform.h"
#include "startup/frmLogin.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "windows/main/frmMain.h"

namespace {

using namespace kz;

// Counts the paint events of the progress window's bar.
struct PaintCounter : QObject {
    long long paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<QProgressBar*>(watched)) ++paints;
        return false;
    }
};

struct Program {
    test::TempDir dir;
    QtPlatform ui;
    App app{ui, dir.Path(), dir.Path()};
    PaintCounter counter;

    Program() {
        ui.SetMessageHook([](const std::string&, Icon, Buttons, const std::string&) {
            std::abort();  // an opening that asks or complains is not measured
            return Answer::OK;
        });
        qApp->installEventFilter(&counter);
        // Both windows are made at start-up, before the user presses enter.
        app.Main();
        app.Login();
    }
    ~Program() { qApp->removeEventFilter(&counter); }

    std::string Write(const char* name, BudgetFile doc, const std::string& password) {
        doc.FilePath = dir / name;
        doc.IsProtected = !password.empty();
        doc.pass = password;
        AppSettings settings;
        settings.BackUp = false;
        if (!WriteDataFile(doc, ui, settings)) std::abort();
        return doc.FilePath;
    }

    // One press of the enter button; the main window is shown and painted.
    __attribute__((noinline)) void Open(const std::string& path, const std::string& password) {
        frmLogin* login = app.Login();
        login->show();
        login->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
        login->findChild<QLineEdit*>(QStringLiteral("txtFile"))
            ->setText(QString::fromStdString(path));
        login->findChild<QLineEdit*>(QStringLiteral("txtPass"))
            ->setText(QString::fromStdString(password));
        QApplication::processEvents();
        login->findChild<QPushButton*>(QStringLiteral("cmdEnter"))->click();
        QApplication::processEvents();
        if (!app.Main()->isVisible()) std::abort();
    }
    void Leave() {
        app.Main()->hide();
        QApplication::processEvents();
    }
};

void Run(benchmark::State& state, BudgetFile doc, const std::string& password) {
    Program p;
    const std::string path = p.Write("bench.kv7", std::move(doc), password);
    long long paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.counter.paints = 0;
        state.ResumeTiming();
        p.Open(path, password);
        state.PauseTiming();
        paints += p.counter.paints;
        p.Leave();
        state.ResumeTiming();
    }
    state.counters["repaints"] =
        benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
}

void OpenFullDocument(benchmark::State& state) {
    Run(state, test::FullDocument(), "");
}
void OpenFullProtected(benchmark::State& state) {
    Run(state, test::FullDocument(), "пароль");
}
void OpenOneState(benchmark::State& state) {
    BudgetFile doc;
    FillNewDocumentDefaults(doc);
    Run(state, doc, "");
}

BENCHMARK(OpenFullDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFullProtected)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenOneState)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
