#include "sim/Loans.h"

#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/LoanRecord.h"
#include "finance/LoanTerms.h"
#include "shell/Main.h"
#include "sim/Clock.h"

namespace sim {

void repayLoans(Program& p) {
    // The date this month end is for: a repayment message left open lets the
    // clock move on, and the windows after it are still due this month.
    // Month 13 is no month the bank names: the turn of the year collects
    // January's loans in its second run, for month 1.
    if (p.kivora().Mon.number() > 12) return;
    const auto [year, month] = monthEntered(p);  // at a year turn, the bank's January
    for (int n = 1; n <= finance::kLoanWindows; ++n) {
        finance::LoanRecord r = finance::loanRecord(p.state, n);
        if (!r.dueBy(year, month)) continue;
        // Freed before the message: a month end that runs while it waits
        // must not collect the same loan again.
        r.clear();
        p.ask(QStringLiteral("窓口%1の融資返済です").arg(n));
        shell::Main& m = p.main();
        m.Okane.setNumber(m.Okane.number() - finance::kLoanRepayment);  // below 1 ends the game here
        // A closed bank draws the freed window from the record when it is next
        // opened; only an open one is redrawn here.
        if (finance::Bank* bank = p.bank.peek()) bank->showWindow(n);
    }
}

}  // namespace sim
