// Game years simulated per second: every tick and month end of the real
// handlers, with the report dismissed by its frame.
#include <benchmark/benchmark.h>

#include "building/Kivora.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"

namespace {

class BenchSeams : public ui::Seams {
public:
    Program* program = nullptr;
    ui::Answer ask(const ui::Prompt&) override { return ui::Answer::Ok; }
    std::unique_ptr<ui::View> createView(ui::Form&) override { return nullptr; }
    bool drawsViews() const override { return false; }
    bool autoSaves() const override { return false; }  // the disk is measured in bench_save.cpp
    void runModal(ui::Form& form, ui::View*) override {
        if (std::string(form.name()) == "Houkoku") program->houkoku().frame1Click();
        else if (std::string(form.name()) == "Namer") {
            program->namer().Text1 = QStringLiteral("社長");
            program->namer().command1Click();
        } else form.closeBox();
    }
    ui::Timer::Driver* clockDriver() override { return nullptr; }
    int wallSecond() override { return 30; }
    QString programFolder() override { return QStringLiteral("/tmp"); }
    void endNow() override {}
    void quit() override {}
};

void GameYears(benchmark::State& state) {
    BenchSeams seams;
    Program p(seams);
    seams.program = &p;
    p.startUp();
    p.dispatch([&] { p.start().command1Click(); });
    p.dispatch([&] { p.main().fstaClick(); });
    constexpr int kTicksPerYear = 101 * 4 * 12;
    for (auto _ : state) {
        p.main().Okane.setText(QStringLiteral("1000000"));  // never lose while measuring
        for (int i = 0; i < kTicksPerYear; ++i) p.dispatch([&] { p.kivora().Timer1.fire(); });
    }
    state.counters["years/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(GameYears)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
