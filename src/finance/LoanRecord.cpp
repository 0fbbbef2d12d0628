#include "finance/LoanRecord.h"

#include "ui/Number.h"

namespace finance {

LoanRecord loanRecord(state::GameState& s, int window) {
    switch (window) {
    case 1: return {s.M1ye, s.M1mo};
    case 2: return {s.M2ye, s.M2mo};
    case 3: return {s.M3ye, s.M3mo};
    case 4: return {s.M4ye, s.M4mo};
    case 5: return {s.M5ye, s.M5mo};
    default: throw ui::Abandon{};
    }
}

QString dueText(const LoanRecord& r) {
    return QStringLiteral("返済は") + ui::numberText(r.ye) + QStringLiteral("年の") +
           ui::numberText(r.mo) + QStringLiteral("月です");
}

}  // namespace finance
