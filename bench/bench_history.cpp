// The history window "推移" with 255 years of months (3,060 rows): opening it
// and taking one more month end, each drawn once as the screen would.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiSubWindow>

#include "ViewFactory.h"
#include "shell/Main.h"
#include "shell/MainView.h"
#include "shell/Program.h"
#include "town/Suii.h"
#include "ui/qt/QtSeams.h"

namespace {

constexpr int kMonths = 255 * 12;

QApplication& application() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rumie_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: after main returns Qt's own globals are gone.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

state::MonthRow month(int i) {
    return {1 + i / 12, 1 + i % 12, 100.0 + 3 * i, 300 - (i % 40) * 20, 1000.0 + 500.0 * i, 10.0 + i, 3 + i / 34};
}

struct Game {
    // First made, last gone: the windows the program leaves to be deleted later go with it.
    struct Application {
        Application() { application(); }
        ~Application() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    } qt;
    ui::qt::QtSeams seams;
    Program p{seams};
    Game() {
        app::wire(seams, p);
        p.main.show();
        std::vector<state::MonthRow> rows;
        for (int i = 0; i < kMonths; ++i) rows.push_back(month(i));
        p.history.reset(rows);
    }

    // The window as the screen shows it.
    void draw() {
        auto* frame = static_cast<shell::MainView*>(p.main.view())->widget();
        if (auto* w = frame->findChild<QMdiSubWindow*>(QStringLiteral("Suii")); w && w->isVisible()) w->grab();
    }
};

void HistoryOpen(benchmark::State& state) {
    Game g;
    for (auto _ : state) {
        g.p.dispatch([&] { g.p.main().fsuiiClick(); });
        g.draw();
        g.p.dispatch([&] { g.p.suii.unload(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(HistoryOpen)->Unit(benchmark::kMillisecond);

void HistoryMonthEnd(benchmark::State& state) {
    Game g;
    g.p.dispatch([&] { g.p.main().fsuiiClick(); });
    int i = kMonths;
    for (auto _ : state) {
        g.p.history.record(month(i++));
        g.p.refreshViews();  // what follows every event
        g.draw();
    }
}
BENCHMARK(HistoryMonthEnd)->Unit(benchmark::kMillisecond);

}  // namespace
