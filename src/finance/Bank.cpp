#include "finance/Bank.h"

#include <array>

#include "finance/LoanRecord.h"
#include "finance/LoanTerms.h"
#include "shell/Main.h"

namespace finance {

namespace {
const QString kFree = QStringLiteral("借りれます");
const QString kLending = QStringLiteral("借りています");
constexpr int kLastDueYear = 255;  // the record holds the year in 8 bits

template <typename T, std::size_t N>
T& nth(const std::array<T*, N>& family, int n) {
    if (n < 1 || n > int(N)) throw ui::Abandon{};
    return *family[n - 1];
}
}  // namespace

Bank::Bank(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("銀行　-　期限は守りましょう");
}

ui::Command& Bank::button(int n) {
    return nth(std::array{&Command1, &Command2, &Command3, &Command4, &Command5}, n);
}
ui::Label& Bank::status(int n) { return nth(std::array{&Label3, &Label4, &Label5, &Label6, &Label7}, n); }
ui::Label& Bank::due(int n) { return nth(std::array{&as1, &as2, &as3, &as4, &as5}, n); }

void Bank::load() {
    for (int n = 1; n <= kLoanWindows; ++n) showWindow(n);
}

void Bank::showWindow(int n) {
    const LoanRecord r = loanRecord(p.state, n);
    status(n).setText(r.lending() ? kLending : kFree);
    due(n).setText(r.lending() ? dueText(r) : QString());
}

void Bank::windowClick(int n) {
    LoanRecord r = loanRecord(p.state, n);
    if (r.lending()) return;  // one loan a window until it is repaid
    const int dueYear = p.state.Ye1 + kLoanYears;
    const int dueMonth = p.state.Mon1;
    // A loan whose due month would read as "free" would never be repaid.
    if (dueMonth < 1 || dueMonth > 12) return;
    if (dueYear > kLastDueYear) {
        p.ask(QStringLiteral("これ以上先の返済期限では融資できません"));
        return;
    }
    const QString question = QStringLiteral("融資%1億円受けますか？返済は%2年後に%3億円です")
                                 .arg(ui::numberText(kLoanCredit / 100.0), ui::numberText(kLoanYears),
                                      ui::numberText(kLoanRepayment / 100.0));
    if (p.ask(question, ui::Prompt::Buttons::YesNo, ui::Prompt::Icon::Question) != ui::Answer::Yes)
        return;
    shell::Main& m = p.main();
    const double money = m.Okane.number() + kLoanCredit;  // read before anything changes
    r.ye = ui::toU8(dueYear);
    r.mo = ui::toU8(dueMonth);
    m.Okane.setNumber(money);
    showWindow(n);
}

void Bank::unloadHandler() { p.restartClock(); }

}  // namespace finance
