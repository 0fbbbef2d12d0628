#include "sim/Clock.h"

#include "building/Kivora.h"
#include "shell/Program.h"

namespace sim {

// A week is 101 ticks; the counter runs 1..101 and the tick after 101 turns
// the week (so the first week after a fresh start, from 0, lasts 102).
void timer1Tick(Program& p) {
    // Counted while it runs, also when a handler inside it is abandoned.
    struct Ticking {
        explicit Ticking(state::GameState& s) : s(s) { ++s.Ticks; }
        ~Ticking() { --s.Ticks; }
        state::GameState& s;
    } ticking(p.state);
    building::Kivora& k = p.kivora();
    const double t = k.Label4.number();
    if (t == 101) {
        k.Label4.setText(QStringLiteral("1"));
        k.We.setNumber(k.We.number() + 1);
    } else {
        k.Label4.setNumber(t + 1);
    }
}

void weChange(Program& p) {
    building::Kivora& k = p.kivora();
    if (k.We.number() == 5) {
        k.We.setText(QStringLiteral("1"));  // runs this handler again, nested
        k.Mon.setNumber(k.Mon.number() + 1);
    }
    p.state.We1 = ui::toU8(p.kivora().We.number());
    p.state.Era = 0;
}

MonthEntered monthEntered(Program& p) {
    const double year = p.kivora().Ye.number();
    const double month = p.kivora().Mon.number();
    // Month 13 is January; a month end left waiting can carry it to 14.
    if (month > 12) return {year + 1, month - 12};
    return {year + (p.state.YearTurn ? 1 : 0), month};
}

void yeChange(Program& p) { p.state.Ye1 = ui::toI16(p.kivora().Ye.number()); }

}  // namespace sim
