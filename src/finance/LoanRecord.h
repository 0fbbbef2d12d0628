#pragma once
// One bank window's loan as the game state keeps it: the due year and the
// due month, a due month of 0 meaning the window is free. The records are the
// truth; the bank window only draws them.
#include <QString>
#include <cstdint>

#include "state/GameState.h"

namespace finance {

struct LoanRecord {
    uint8_t& ye;
    uint8_t& mo;
    bool lending() const { return mo != 0; }
    // Due in the given month or before it: a loan the month end collects.
    bool dueBy(double year, double month) const {
        return lending() && (ye < year || (ye == year && mo <= month));
    }
    void clear() { ye = 0; mo = 0; }
};

// The record of window 1..5; any other window abandons the running handler.
LoanRecord loanRecord(state::GameState& s, int window);
// "返済は4年の4月です" for a loan due in year 4, month 4.
QString dueText(const LoanRecord& r);

}  // namespace finance
