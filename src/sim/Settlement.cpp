// The month-end settlement: town growth, the month's accounts, the report,
// the booking, the loans and the turn of the year.
#include "building/Kivora.h"
#include "building/Tenants.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "sim/Accounts.h"
#include "sim/Clock.h"
#include "sim/Loans.h"
#include "town/Game.h"

namespace sim {

namespace {

// The rent of the floor's tenant; a vacant floor or an unknown code earns nothing.
int floorIncome(const QString& code) {
    for (int c = 1; c <= 3; ++c)
        if (code == QString::number(c)) return building::tenantByCode(c)->rent;
    return 0;
}

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
        if (g.Pop.number() - kPeoplePerBuilding * buildings > kGrowthMargin) {
            g.CBuil.setNumber(buildings + 1);
            p.ask(QStringLiteral("他社のビルが建ちました"));
        }
    }
}

// Fills the report and returns the month's result in 10,000 yen.
int32_t accounts(Program& p) {
    p.houkoku().Syunyu.setText(QStringLiteral("0"));
    int32_t s = 0;
    for (int i = 1; i <= 100; ++i) s = ui::addI32(s, floorIncome(p.state.Ckai(i)));
    const int32_t income = ui::addI32(s, kBaseIncome);
    p.houkoku().Syunyu.setNumber(income);

    const int32_t salaries = ui::toI32(p.game().Zyuugyou.number() * kSalary);
    const int32_t upkeep = ui::mulI32(p.state.Kai, kUpkeep);
    const int32_t construction = ui::mulI32(p.kivora().コスト, kConstruction);
    const int32_t costs = ui::addI32(ui::addI32(salaries, upkeep), construction);
    const int32_t result = ui::addI32(income, -int64_t(costs));

    finance::Houkoku& h = p.houkoku();
    h.Keihi.setNumber(salaries);
    h.Izi.setNumber(upkeep);
    h.Other.setNumber(construction);
    h.Gou.setNumber(result);
    return result;
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

void booking(Program& p, int32_t result) {
    shell::Main& m = p.main();
    m.Okane.setNumber(m.Okane.number() + result / 100.0);  // may end the game
    p.state.Mon1 = ui::toU8(p.kivora().Mon.number());
    p.state.Last = ui::Variant::real(p.main().Okane.number() * 100);
    p.kivora().コスト = 0;
}

// One row of "推移" for the month end dated by `row`: the figures it computed,
// the money once everything is booked.
void record(Program& p, state::MonthRow row, int32_t result) {
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
        const int32_t result = accounts(p);
        p.stopClock();
        p.houkoku.showModal();  // dismissing it restarts the clock
        booking(p, result);
        // A load books nothing: its loans fall due at the next month end.
        repayLoans(p);
        record(p, row, result);
    }
    // The turn of the year settles again for month 1 (nested) before the year
    // moves on. A month end left waiting on a growth message can let the clock
    // carry the month past 13, so anything beyond 12 turns the year.
    if (p.kivora().Mon.number() >= 13) {
        {
            YearTurn turn(p.state);
            p.kivora().Mon.setText(QStringLiteral("1"));
        }
        p.kivora().Ye.setNumber(p.kivora().Ye.number() + 1);
    }
    // The game is kept once the month end is wholly done: not inside another
    // one still waiting on a message, nor half way through the turn of the year.
    if (settles && p.state.MonthEnds == 1 && p.state.Ended == 0) p.main().AutoWrite();
}

}  // namespace sim
