#include "sim/MonthEnd.h"

#include "building/Kivora.h"
#include "building/Tenants.h"
#include "finance/LoanRecord.h"
#include "finance/LoanTerms.h"
#include "finance/Money.h"
#include "shell/Main.h"
#include "sim/Accounts.h"
#include "town/Game.h"

namespace sim {

namespace {
// The rent of the floor's tenant; a vacant floor or an unknown code earns nothing.
int floorIncome(const QString& code) {
    for (int c = 1; c <= 3; ++c)
        if (code == QString::number(c)) return building::tenantByCode(c)->rent;
    return 0;
}

constexpr int64_t kMillion = 100;  // 万円 in a million yen, the money's unit
}  // namespace

// The sums are 64-bit: no count a save holds takes them past it, so a month
// end always reaches its report and the turn of the year.
int64_t monthIncome(Program& p) {
    int64_t rent = 0;
    for (int i = 1; i <= 100; ++i) rent += floorIncome(p.state.Ckai(i));
    return rent + kBaseIncome;
}

MonthAccounts monthAccounts(Program& p, const Purchase& more) {
    MonthAccounts a;
    a.income = monthIncome(p) + more.rent;
    a.salaries = int64_t(ui::roundHalfEven((p.game().Zyuugyou.number() + more.employees) * kSalary));
    a.upkeep = (int64_t(p.state.Kai) + more.floors) * kUpkeep;
    a.construction = (int64_t(p.kivora().コスト) + more.cost) * kConstruction;
    return a;
}

int64_t MonthEndForecast::costs() const {
    return accounts.salaries + accounts.upkeep + accounts.construction +
           int64_t(repayments) * finance::kLoanRepayment * kMillion;
}

// The month end runs as the settlement runs it: the month's result is
// booked, then (at the turn of the year) January is settled again with its
// construction paid, then the loans due in the month it enters are collected.
MonthEndForecast nextMonthEnd(Program& p, const Purchase& more) {
    MonthEndForecast f;
    double money = p.main().Okane.number();
    const auto book = [&](double change) {
        money += change;
        if (finance::belowLossLine(money)) f.endsGame = true;
    };
    const MonthAccounts month = monthAccounts(p, more);
    f.accounts = month;
    book(double(month.result()) / kMillion);
    double year = p.kivora().Ye.number();
    double entered = p.kivora().Mon.number() + 1;
    if (entered > 12) {
        MonthAccounts january = month;
        january.construction = 0;
        book(double(january.result()) / kMillion);
        f.accounts.income += january.income;
        f.accounts.salaries += january.salaries;
        f.accounts.upkeep += january.upkeep;
        year += 1;
        entered = 1;
    }
    for (int n = 1; n <= finance::kLoanWindows; ++n)
        if (finance::loanRecord(p.state, n).dueBy(year, entered)) {
            ++f.repayments;
            book(-finance::kLoanRepayment);
        }
    f.money = money;
    return f;
}

QString lossWarning() {
    return QStringLiteral("このままでは次の月末でゲームオーバーです。先に「銀行」で借りてください。");
}

}  // namespace sim
