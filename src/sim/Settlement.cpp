// The month-end settlement: town growth, the month's accounts, the report,
// the booking, the loans and the turn of the year.
#include "building/Kivora.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "sim/Accounts.h"
#include "sim/MonthEnd.h"
#include "sim/Clock.h"
#include "sim/Loans.h"
#include "town/Game.h"
#include "town/People.h"

namespace sim {

namespace {

void townGrowth(Program& p) {
    town::Game& g = p.game();
    g.P();
    const int kaku = g.Kaku;
    if (kaku == 1 || kaku == 2) {
        const double apart = g.Apart.number();
        if (g.Pop.number() - kPeoplePerApartment * apart > kGrowthMargin) {
            g.Apart.setNumber(apart + 1);
            p.ask(QStringLiteral("マンションが建ちました"));
        }
    } else if (kaku == 3) {
        const double buildings = g.CBuil.number();
        // Not past the homes the save can count: the game must save as it grows.
        if (g.Pop.number() - kPeoplePerBuilding * buildings > kGrowthMargin &&
            town::countable(g.Zyuugyou.leading(), buildings + 1, g.Apart.number())) {
            g.CBuil.setNumber(buildings + 1);
            p.ask(QStringLiteral("他社のビルが建ちました"));
        }
    }
}

// Fills the report and returns the month's result in 10,000 yen.
int64_t accounts(Program& p) {
    finance::Houkoku& h = p.houkoku();
    h.Syunyu.setText(QStringLiteral("0"));
    h.Syunyu.setNumber(double(monthIncome(p)));  // shown before a count that fails to read stops the rest
    const MonthAccounts a = monthAccounts(p);
    h.Keihi.setNumber(double(a.salaries));
    h.Izi.setNumber(double(a.upkeep));
    h.Other.setNumber(double(a.construction));
    h.Gou.setNumber(double(a.result()));
    return a.result();
}

// Marks the nested settlement of month 1, also when a handler inside it is
// abandoned.
struct YearTurn {
    explicit YearTurn(state::GameState& s) : s(s) { ++s.YearTurn; }
    ~YearTurn() { --s.YearTurn; }
    state::GameState& s;
};

// Counts the month ends running, one inside another.
struct MonthEnd {
    explicit MonthEnd(state::GameState& s) : s(s) { ++s.MonthEnds; }
    ~MonthEnd() { --s.MonthEnds; }
    state::GameState& s;
};

void booking(Program& p, int64_t result) {
    shell::Main& m = p.main();
    m.Okane.setNumber(m.Okane.number() + double(result) / 100.0);  // may end the game
    p.state.Mon1 = ui::toU8(p.kivora().Mon.number());
    p.state.Last = ui::Variant::real(p.main().Okane.number() * 100);
    p.kivora().コスト = 0;
}

// One row of "推移" for the month end dated by `row`: the figures it computed,
// the money once everything is booked.
void record(Program& p, state::MonthRow row, int64_t result) {
    row.money = p.main().Okane.number();
    row.result = result;
    row.population = p.game().population();
    row.employees = p.game().Zyuugyou.leading();
    row.floors = p.state.Kai;
    p.history.record(row);
}

}  // namespace

void monChange(Program& p) {
    const MonthEnd running(p.state);
    const bool settles = p.state.Era == 0;
    if (settles) {
        // Dated now, as the bank dates it: the clock may move on while the report waits.
        state::MonthRow row;
        const MonthEntered date = monthEntered(p);
        row.year = int(date.year);
        row.month = int(date.month);
        townGrowth(p);
        const int64_t result = accounts(p);
        p.stopClock();
        p.houkoku.showModal();  // dismissing it restarts the clock
        p.did(Act::Report);
        booking(p, result);
        // A load books nothing: its loans fall due at the next month end.
        repayLoans(p);
        record(p, row, result);
    }
    // The turn of the year settles again (nested) before the year moves on.
    // A month end left waiting on a growth message can let the clock carry
    // the month past 13: the year turns into the month the clock reached, as
    // the month end that ran for it was dated.
    if (p.kivora().Mon.number() > 12) {
        const MonthEntered entered = monthEntered(p);
        {
            YearTurn turn(p.state);
            p.kivora().Mon.setNumber(entered.month);
        }
        p.kivora().Ye.setNumber(entered.year);
    }
    // The frame keeps the game once a month end the clock brought is wholly
    // done: not one inside another still waiting on a message, nor half way
    // through the turn of the year.
    if (settles && p.state.MonthEnds == 1 && p.state.Ticks > 0) p.main().monthEndDone();
}

}  // namespace sim
