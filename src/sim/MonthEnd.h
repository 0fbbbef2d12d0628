#pragma once
// The month end's money, worked out once for the settlement that books it
// and for the windows that tell the player what it will do.
#include <QString>
#include <cstdint>

class Program;

namespace sim {

// A month's accounts as the report shows them, in 万円.
struct MonthAccounts {
    int64_t income = 0, salaries = 0, upkeep = 0, construction = 0;
    int64_t result() const { return income - (salaries + upkeep + construction); }
};

// What the player may still buy before the month end: a tenant's rent and
// employees, floors, and their price (millions of yen).
struct Purchase {
    int rent = 0;
    int employees = 0;
    int floors = 0;
    int cost = 0;
};

// The income of a month end run now: the base and each tenant's rent.
int64_t monthIncome(Program& p);
// The accounts of a month end run now: the tenants on the floors, the
// employees, the floors and the construction waiting to be paid (and what
// `more` would add to them).
MonthAccounts monthAccounts(Program& p, const Purchase& more = {});

// What the next month end does if nothing changes before it: its accounts
// (summed over both of its runs at the turn of the year), the loans it
// collects, the money after it, and whether the money falls below the loss
// line on the way, which ends the game there.
struct MonthEndForecast {
    MonthAccounts accounts;
    int repayments = 0;  // loans collected
    double money = 0;    // millions of yen, after it
    bool endsGame = false;
    // Everything it takes, in 万円: salaries, upkeep, construction, repayments.
    int64_t costs() const;
    // The same in yen, as the windows show them.
    double incomeYen() const { return double(accounts.income) * 10000; }
    double costsYen() const { return double(costs()) * 10000; }
    double moneyYen() const { return money * 1000000; }
};
MonthEndForecast nextMonthEnd(Program& p, const Purchase& more = {});
// What a window says when the next month end would end the game.
QString lossWarning();

}  // namespace sim
