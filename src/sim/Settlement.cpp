// The month-end settlement: town growth, the month's accounts, the report,
// the booking, the loans and the turn of the year.
#include "building/Kivora.h"
#include "building/Tenants.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "settings/Hajimete.h"
#include "shell/Program.h"
#include "sim/Accounts.h"
#include "sim/Clock.h"
#include "sim/Loans.h"
#include "town/Game.h"
#include "town/People.h"

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
        // Not past the homes the save can count: the game must save as it grows.
        if (g.Pop.number() - kPeoplePerBuilding * buildings > kGrowthMargin &&
            town::countable(g.Zyuugyou.leading(), buildings + 1, g.Apart.number())) {
            g.CBuil.setNumber(buildings + 1);
            p.ask(QStringLiteral("他社のビルが建ちました"));
        }
    }
}

// Fills the report and returns the month's result in 10,000 yen. The sums
// are 64-bit: no count a save holds takes them past it, so a month end always
// reaches its report and the turn of the year.
int64_t accounts(Program& p) {
    p.houkoku().Syunyu.setText(QStringLiteral("0"));
    int64_t s = 0;
    for (int i = 1; i <= 100; ++i) s += floorIncome(p.state.Ckai(i));
    const int64_t income = s + kBaseIncome;
    p.houkoku().Syunyu.setNumber(double(income));

    const int64_t salaries = int64_t(ui::roundHalfEven(p.game().Zyuugyou.number() * kSalary));
    const int64_t upkeep = int64_t(p.state.Kai) * kUpkeep;
    const int64_t construction = int64_t(p.kivora().コスト) * kConstruction;
    const int64_t result = income - (salaries + upkeep + construction);

    finance::Houkoku& h = p.houkoku();
    h.Keihi.setNumber(double(salaries));
    h.Izi.setNumber(double(upkeep));
    h.Other.setNumber(double(construction));
    h.Gou.setNumber(double(result));
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
        settings::guideSaw(p, settings::Hajimete::Act::Report);
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
