// One save file written and read: the codec alone, a whole "ロード" from the
// program folder into a running game (also beside a 16 MB history that is
// not its own), and the automatic save a month end writes (a 100-floor game
// in year 1 and in year 255, to disk and synced).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <malloc.h>
#include <string>

#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "state/History.h"
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

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 if unknown.
double statusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ':')) return std::stod(line.substr(key.size() + 1));
    return 0;
}

// The history left beside the save: 16 MB, most of it line breaks, refused
// (0) for naming another save, (1) for counting more rows than the save's
// months, (2) at its first row.
QByteArray foreignHistory(int kind, const QByteArray& save) {
    const QByteArray owner = kind == 0 ? state::fingerprint("another save") : state::fingerprint(save);
    QByteArray head = "rumie-suii 2\n" + owner + '\n';
    const qsizetype breaks = state::kLargestSave - head.size() - 16;
    head += (kind == 1 ? QByteArray::number(breaks) : QByteArray("2")) + '\n';
    return head + QByteArray(breaks, '\n');
}

// Time and memory above the game's own: the kernel's high-water mark of the
// process, reset before each load (Linux' clear_refs). Large blocks are
// mapped and unmapped alone, so a freed file leaves nothing resident that
// would hide the next load's peak.
void LoadBesideAForeignHistory(benchmark::State& state) {
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    Game g;
    Program& p = g.p;
    const QByteArray save = *state::writeSave(midGame());
    QFile f(shell::saveFile(p));
    f.open(QIODevice::WriteOnly);
    f.write(save);
    f.close();
    QFile h(shell::historyFile(p));
    h.open(QIODevice::WriteOnly);
    h.write(foreignHistory(int(state.range(0)), save));
    h.close();
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream("/proc/self/clear_refs") << "5";
        const double before = statusKb("VmRSS");
        state.ResumeTiming();
        p.dispatch([&] { p.main().command6Click(); });
        state.PauseTiming();
        peak = std::max(peak, statusKb("VmHWM") - before);
        state.ResumeTiming();
    }
    if (!p.history.rows().empty()) state.SkipWithError("the history was taken");
    state.counters["peak MB"] = peak / 1024;
}
BENCHMARK(LoadBesideAForeignHistory)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The game of year 1 or of year 255: a 100-floor building with every month
// since 1年目5月 in its history. Each month end writes the save and the
// history whole and syncs both, on the clock's thread. On the disk these
// figures were first taken on, the year-1 save cost about 1.4 game years of
// GameYears and the year-255 one about 2.4; the two syncs were about two
// thirds of the year-1 figure, so a disk syncing ten times slower (a memory
// card, a network folder) makes every month end about seven times as long.
void AutoSaveAtAMonthEnd(benchmark::State& state) {
    Game g;
    Program& p = g.p;
    p.dispatch([&] {
        for (int i = 2; i <= 100; ++i) p.state.setCkai(i, QString::number(i % 3 + 1));
        p.game().Kaisu.setText(QStringLiteral("100"));
    });
    std::vector<state::MonthRow> rows;
    for (int i = 4; i < state.range(0) * 12; ++i) rows.push_back({1 + i / 12, 1 + i % 12, 100.0 + i, 400, 1030.0 + i, 10.0 + i, 100});
    p.history.reset(rows);
    for (auto _ : state) p.main().AutoWrite();
}
BENCHMARK(AutoSaveAtAMonthEnd)->ArgName("year")->Arg(1)->Arg(255)->Unit(benchmark::kMicrosecond);

}  // namespace
