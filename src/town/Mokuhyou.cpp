#include "town/Mokuhyou.h"

#include <algorithm>

#include "finance/Money.h"
#include "shell/Main.h"
#include "sim/MonthEnd.h"
#include "town/Game.h"
#include "town/Ladders.h"

namespace town {

namespace {
constexpr double kYenPerMillion = 1000000;
}  // namespace

Mokuhyou::Mokuhyou(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("目標");
    const char16_t* const captions[kRows] = {u"発展度", u"次の発展度",     u"発展度",         u"評価",    u"次の評価",
                                            u"評価",   u"次の月末の収支", u"月末後の所持金", u"負けまで"};
    for (int i = 0; i < kRows; ++i) Koumoku[size_t(i)].setText(QString::fromUtf16(captions[i]));
    for (int i = kFirstMoney; i < kRows; ++i) Unit[size_t(i)].setText(QStringLiteral("円"));
    Ato[kRows - 1].setText(QStringLiteral("あと"));
    Keikoku.setText(sim::lossWarning());
    Keikoku.visible = false;
    Keikoku.colour = 0xFF0000;
}

// A distance to a word: "町 まで あと 971人", or the word alone once reached
// ("首都 達成"); no word left to reach shows "なし".
void Mokuhyou::row(int i, const QString& word, double left, const QString& unit) {
    const auto at = size_t(i);
    Kotoba[at].setText(word.isEmpty() ? QStringLiteral("なし") : word);
    const bool reached = word.isEmpty() || left <= 0;
    Ato[at].setText(word.isEmpty() ? QString() : reached ? QStringLiteral("達成") : QStringLiteral("まで あと"));
    Atai[at].setText(reached ? QString() : finance::grouped(left));
    Unit[at].setText(reached ? QString() : unit);
}

void Mokuhyou::follow() {
    const Game& g = p.game();
    const double people = g.population();
    const double employees = g.Zyuugyou.leading();
    const QString person = QStringLiteral("人");

    Kotoba[0].setText(gradeFor(people));
    const Distance grade = distance(kGrades, people);
    row(1, grade.next, grade.toNext, person);
    row(2, QString::fromUtf16(kGrades.back().word), grade.toTop, person);

    Kotoba[3].setText(rankFor(employees));
    const Distance rank = distance(kRanks, employees);
    row(4, rank.next, rank.toNext, person);
    row(5, QString::fromUtf16(kRanks.back().word), rank.toTop, person);

    // A month end under way has not booked yet: what follows it is the
    // next one's to tell, once it is done.
    if (p.state.MonthEnds > 0) return;
    const sim::MonthEndForecast next = sim::nextMonthEnd(p);
    Atai[6].setText(finance::groupedOrZero(next.incomeYen() - next.costsYen()));
    Atai[7].setText(finance::groupedOrZero(next.moneyYen()));
    // What can still be spent before that month end would end the game.
    const double spare = (next.money - finance::kLossLine) * kYenPerMillion;
    Atai[8].setText(finance::groupedOrZero(std::max(spare, 0.0)));
    Keikoku.visible = next.endsGame;
}

}  // namespace town
