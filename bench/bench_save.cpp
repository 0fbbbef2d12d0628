// One save file written and read: the codec alone, a whole "ロード" from the
// program folder into a running game, and the automatic save a month end
// writes (a 100-floor game with 255 years of history, to disk and synced).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "state/SaveFile.h"
#include "town/Game.h"

namespace {

// A game in its third year with tenants up to the 48th floor and two loans.
state::SaveGame midGame() {
    state::SaveGame g;
    g.figures = {QStringLiteral("1234.56"), QStringLiteral("5130"), QStringLiteral("2"),
                 QStringLiteral("1"),       QStringLiteral("100"),  QStringLiteral("3"),
                 QStringLiteral("0"),       QStringLiteral("48"),   QStringLiteral("120"),
                 QStringLiteral("4")};
    g.CK = 48;
    g.CF = QStringLiteral("屋上");
    g.Ye1 = 3, g.Mon1 = 11, g.We1 = 3, g.Spe = 20;
    g.Last = ui::Variant::real(123456.5);
    g.loans = {5, 6, 0, 0, 6, 1, 0, 0, 0, 0};
    g.Player = ui::Variant::text(QStringLiteral("髙橋 太郎"));
    for (int i : {2, 3, 17, 48}) g.floors[i - 1] = uint8_t(i % 3 + 1);
    return g;
}

void SaveCodecWrite(benchmark::State& state) {
    const state::SaveGame g = midGame();
    for (auto _ : state) benchmark::DoNotOptimize(state::writeSave(g));
}
BENCHMARK(SaveCodecWrite);

void SaveCodecRead(benchmark::State& state) {
    const QByteArray bytes = *state::writeSave(midGame());
    for (auto _ : state) benchmark::DoNotOptimize(state::readSave(bytes));
}
BENCHMARK(SaveCodecRead);

class LoadSeams : public ui::Seams {
public:
    Program* program = nullptr;
    QTemporaryDir folder;
    ui::Answer ask(const ui::Prompt&) override { return ui::Answer::Ok; }
    std::unique_ptr<ui::View> createView(ui::Form&) override { return nullptr; }
    void runModal(ui::Form& form, ui::View*) override {
        if (std::string(form.name()) == "Namer") {
            program->namer().Text1 = QStringLiteral("社長");
            program->namer().command1Click();
        } else {
            form.closeBox();
        }
    }
    ui::Timer::Driver* clockDriver() override { return nullptr; }
    int wallSecond() override { return 0; }
    QString programFolder() override { return folder.path(); }
    void endNow() override {}
    void quit() override {}
};

// A new game on those seams.
struct Game {
    LoadSeams seams;
    Program p{seams};
    Game() {
        seams.program = &p;
        p.startUp();
        p.dispatch([&] { p.start().command1Click(); });
        p.dispatch([&] { p.main().fstaClick(); });
    }
};

void LoadIntoARunningGame(benchmark::State& state) {
    Game g;
    Program& p = g.p;
    QFile f(shell::saveFile(p));
    f.open(QIODevice::WriteOnly);
    f.write(*state::writeSave(midGame()));
    f.close();
    for (auto _ : state) p.dispatch([&] { p.main().command6Click(); });
}
BENCHMARK(LoadIntoARunningGame)->Unit(benchmark::kMicrosecond);

void AutoSaveAtAMonthEnd(benchmark::State& state) {
    Game g;
    Program& p = g.p;
    p.dispatch([&] {
        for (int i = 2; i <= 100; ++i) p.state.setCkai(i, QString::number(i % 3 + 1));
        p.game().Kaisu.setText(QStringLiteral("100"));
    });
    std::vector<state::MonthRow> rows;
    for (int i = 0; i < 255 * 12; ++i) rows.push_back({1 + i / 12, 1 + i % 12, 100.0 + i, 400, 1030.0 + i, 10.0 + i, 100});
    p.history.reset(rows);
    for (auto _ : state) p.main().AutoWrite();
}
BENCHMARK(AutoSaveAtAMonthEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
