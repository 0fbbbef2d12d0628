#include "finance/Houkoku.h"

#include "shell/Main.h"
#include "sim/Clock.h"
#include "state/History.h"

namespace finance {

Houkoku::Houkoku(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("報告書");
    Gou.onChange = [this] { gouChange(); };
    // Made afresh by each month end, which has moved the month label already.
    const sim::MonthEntered dated = sim::monthEntered(p);
    month_ = state::monthWords(int(dated.year), int(dated.month));
}

// The balance uses the money before this month's result is booked.
void Houkoku::gouChange() {
    Syozi.setNumber(p.main().Okane.number() * 100);
    Gou2.setText(Gou.text());
    An.setNumber(Syozi.leading() + Gou2.leading());
    An.colour = An.number() >= 0 ? 0x000000 : 0xFF0000;
}

void Houkoku::dismiss() {
    Program& prog = p;
    prog.restartClock();
    prog.houkoku.unload();
}

}  // namespace finance
