#include "settings/Hajimete.h"

#include "building/Kakudai.h"
#include "building/Tenants.h"
#include "finance/LoanTerms.h"
#include "finance/Money.h"
#include "sim/Accounts.h"
#include "sim/MonthEnd.h"

namespace settings {

namespace {

struct Step {
    QString what, means, keys;
    const char* pointsAt;
};

// Millions of yen as the game writes 億円: 300 → "3", 450 → "4.5".
QString oku(int millions) { return ui::numberText(millions / 100.0); }

QString tenantLines() {
    QStringList lines;
    for (int code = 1;; ++code) {
        const building::TenantKind* k = building::tenantByCode(code);
        if (!k) break;
        lines << QStringLiteral("%1：%2億円、従業員 %3人、家賃 毎月 %4万円")
                     .arg(QString::fromUtf16(k->name), building::priceText(*k))
                     .arg(k->employees)
                     .arg(k->rent);
    }
    lines << QStringLiteral("価格は月末の決算で引かれます。給与は従業員ひとり 毎月 %1万円です。").arg(sim::kSalary);
    return lines.join(u'\n');
}

// The steps in order. The figures come from the rules; the words name the
// buttons and windows by their own captions.
Step stepText(int step) {
    switch (step) {
    case 1:
        return {QStringLiteral("ビルの窓「ルーミエ - 詳細」の左の列で、階のまとまり「1～10階」を選んでください。"),
                QStringLiteral("右の列に、そのまとまりの階が並びます。"),
                QStringLiteral("キー：F6 でビルの窓へ移り、↑ ↓ で選んで Enter"), "Kivora"};
    case 2:
        return {QStringLiteral("右の列で「2階」などの階を選ぶと、その階が「階数ごと」の窓に開きます。"),
                QStringLiteral("1階はロビーです。テナントは2階から上に入れます。"),
                QStringLiteral("キー：→ で右の列へ移り、↑ ↓ で選んで Enter"), "Kivora"};
    case 3:
        return {QStringLiteral("「階数ごと」の「業者を入れる」を押して、その階に入れるテナントを選びます。"), tenantLines(),
                QStringLiteral("キー：Tab で「業者を入れる」へ移って Enter、↑ ↓ で種類を選んで OK"), "Choiwin"};
    case 4:
        return {QStringLiteral("ツールの列の「拡大」で、ビルに階を足します。"),
                QStringLiteral("一階 %1億円で、月末の決算で引かれます。維持費は一階 毎月 %2万円です。")
                    .arg(ui::numberText(building::kPricePerFloor))
                    .arg(sim::kUpkeep),
                QStringLiteral("キー：Ctrl+E、▲ ▼ で階数を決めて OK"), ""};
    case 5:
        return {QStringLiteral("月末に「報告書」が出ます。読み終えたら、枠をクリックして閉じます。"),
                QStringList{QStringLiteral("会社収入：基本 %1万円と、テナントの家賃").arg(sim::kBaseIncome),
                            QStringLiteral("従業員給与：ひとり %1万円").arg(sim::kSalary),
                            QStringLiteral("ビル維持費：一階 %1万円").arg(sim::kUpkeep),
                            QStringLiteral("増築費用：その月の拡大とテナントの価格"),
                            QStringLiteral("合計：会社収入から費用を引いた分が、所持金に足されます")}
                    .join(u'\n'),
                QStringLiteral("キー：Tab で一行ずつ読み、Esc で閉じます"), "Houkoku"};
    case 6:
        return {QStringLiteral("メニュー「表示」の「情報」と「目標」を開きます。"),
                QStringLiteral("「街&ビル」には町の人口と発展度、ビルの評価が出ます。"
                               "「目標」には、首都で評価Sの勝ちまで あと何人かが出ます。"),
                QStringLiteral("キー：Alt+V で「表示」を開き、Ctrl+T で「目標」"), "Game Mokuhyou"};
    default:
        return {QStringLiteral("お金が足りなくなったら、ツールの列の「銀行」で借ります。"),
                QStringLiteral("窓口ひとつで %1億円を借り、%2年後の同じ月に %3億円を返します。窓口は %4つです。")
                    .arg(oku(finance::kLoanCredit))
                    .arg(finance::kLoanYears)
                    .arg(oku(finance::kLoanRepayment))
                    .arg(finance::kLoanWindows),
                QStringLiteral("キー：Ctrl+B"), "Bank"};
    }
}

// The act that finishes each step (step 6 wants both 情報 and 目標).
constexpr Act kAwaited[Hajimete::kSteps] = {
    Act::Block,  Act::Floor, Act::Tenant, Act::Floors,
    Act::Report, Act::Info,  Act::Bank};

}  // namespace

Hajimete::Hajimete(Program& p) : ui::Form(p), p(p) { caption = QStringLiteral("はじめてのかたへ"); }

Hajimete::~Hajimete() { p.stopListening(this); }

void Hajimete::load() {
    p.listen(this);
    show(1);
}

QStringList Hajimete::pointsAt() const {
    return QString::fromLatin1(stepText(step_).pointsAt).split(u' ', Qt::SkipEmptyParts);
}

void Hajimete::show(int step) {
    step_ = step;
    info_ = goals_ = false;
    const Step s = stepText(step);
    Bangou.setText(QStringLiteral("ステップ %1 / %2").arg(step).arg(kSteps));
    Setumei.setText(s.what);
    Hosoku.setText(s.means);
    Kii.setText(s.keys);
}

void Hajimete::tugiClick() {
    if (step_ < kSteps)
        show(step_ + 1);
    else
        done();
}

void Hajimete::toziruClick() { done(); }

// Finished or closed, it never comes back by itself; the menu still brings it.
void Hajimete::done() {
    p.prefs.setGuideDone(true);
    unloadMe();
}

// The steps that spend money (a tenant, floors) say what the next month end
// will leave, as 目標 works it out, while the player chooses.
void Hajimete::follow() {
    if (p.state.MonthEnds > 0) return;  // booked when it is done
    using finance::groupedOrZero;
    QStringList lines;
    if (step_ == 3) {
        QStringList each;
        bool loses = false;
        for (int code = 1; const building::TenantKind* k = building::tenantByCode(code); ++code) {
            const sim::MonthEndForecast f = sim::nextMonthEnd(p, {k->rent, k->employees, 0, k->cost});
            each << QString::fromUtf16(k->name) + u' ' + groupedOrZero(f.moneyYen()) + u'円';
            loses = loses || f.endsGame;
        }
        lines << QStringLiteral("入れると、次の月末の所持金は ") + each.join(u'、') + QStringLiteral(" です。");
        // The first trap of a first game: a tenant dearer than the money ends it at the month end.
        if (loses) lines << QStringLiteral("100万円を切るテナントは、先に「銀行」で借りないと月末でゲームオーバーです。");
    } else if (step_ == 4) {
        const sim::MonthEndForecast now = sim::nextMonthEnd(p);
        const sim::MonthEndForecast more =
            sim::nextMonthEnd(p, {0, 0, 1, int(building::kPricePerFloor * 100)});
        lines << QStringLiteral("いまのままなら、次の月末の収入は %1円、費用は %2円で、所持金は %3円になります。")
                     .arg(groupedOrZero(now.incomeYen()), groupedOrZero(now.costsYen()), groupedOrZero(now.moneyYen()));
        lines << QStringLiteral("一階足すごとに、所持金は %1円減ります。").arg(groupedOrZero(now.moneyYen() - more.moneyYen()));
        if (now.endsGame) lines << sim::lossWarning();
    }
    Kessan.setText(lines.join(u'\n'));
}

void Hajimete::saw(Act act) {
    if (!visible) return;
    if (step_ == 6) {
        info_ = info_ || act == Act::Info;
        goals_ = goals_ || act == Act::Goals;
        if (info_ && goals_) tugiClick();
        return;
    }
    if (act == kAwaited[step_ - 1]) tugiClick();
}

void startGuide(Program& p) {
    p.hajimete.unload();
    p.hajimete.show();
}

}  // namespace settings
