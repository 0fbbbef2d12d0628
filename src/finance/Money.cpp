#include "finance/Money.h"

#include <cmath>

#include "shell/Main.h"

namespace finance {

namespace {
constexpr double kCap = 99999999999999.0;
}

QString grouped(double v) {
    const double r = std::round(v);  // halves away from zero
    if (r == 0) return {};
    QString digits = QString::number(std::fabs(r), 'f', 0);
    for (int i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, u',');
    return r < 0 ? u'-' + digits : digits;
}

QString groupedOrZero(double v) {
    const QString g = grouped(v);
    return g.isEmpty() ? QStringLiteral("0") : g;
}

void okaneChange(Program& p) {
    shell::Main& m = p.main();
    p.state.Money = ui::Variant::text(m.Okane.text());
    const double money = ui::strictNumber(m.Okane.text());
    if (money > kCap) {
        m.Simo.setText(QStringLiteral(",999,999円"));
    } else if (belowLossLine(money)) {
        m.Simo.setText(QStringLiteral("0円"));
        m.OkaneH.visible = false;
        // A lost game is over: nothing keeps it any more, nor comes back to it.
        p.state.end = state::GameState::End::LastMessage;
        m.AutoDrop();
        p.ask(QStringLiteral("ゲームオーバー。所持金が0になりました…。"), ui::Prompt::Buttons::Ok,
              ui::Prompt::Icon::Warning);
        p.state.end = state::GameState::End::Over;
        p.endNow();
    }
    const QString conma = grouped(money);
    p.state.Conma = ui::Variant::text(conma);
    m.OkaneH.setText(conma);
}

}  // namespace finance
