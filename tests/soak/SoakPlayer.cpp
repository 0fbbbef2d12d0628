#include "soak/SoakPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "building/Kivora.h"
#include "building/Tenants.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "finance/LoanRecord.h"
#include "finance/LoanTerms.h"
#include "settings/SetS.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "town/Game.h"

namespace soak {

namespace {

struct Report {
    int year, month;
    QStringList figures;  // income, salaries, upkeep, construction, total
};

// The player's side of every message box and modal window.
class SoakSeams : public ui::Seams {
public:
    QTemporaryDir folder, data;
    Program* prog = nullptr;
    int second = 30;
    ui::Answer replace = ui::Answer::Yes;           // to "change the tenant?"
    std::function<void(ui::Form&)> hands;            // what to do in the next modal window
    std::vector<Report> reports;
    int repayments = 0;
    bool ended = false;

    ui::Answer ask(const ui::Prompt& p) override {
        if (p.text.endsWith(QStringLiteral("の融資返済です"))) ++repayments;
        if (p.text == QStringLiteral("すでに会社が入っていますが変えますか？")) return replace;
        return p.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    std::unique_ptr<ui::View> createView(ui::Form&) override { return nullptr; }
    bool drawsViews() const override { return false; }
    void runModal(ui::Form& form, ui::View*) override {
        if (QByteArrayView(form.name()) == "Houkoku") {
            finance::Houkoku& h = prog->houkoku();
            building::Kivora& k = prog->kivora();
            reports.push_back({int(k.Ye.number()), int(k.Mon.number()),
                               {h.Syunyu.text(), h.Keihi.text(), h.Izi.text(), h.Other.text(), h.Gou.text()}});
            h.frame1Click();
            return;
        }
        if (hands) {
            auto h = std::move(hands);
            hands = nullptr;
            h(form);
            return;
        }
        form.closeBox();
    }
    ui::Timer::Driver* clockDriver() override { return nullptr; }
    int wallSecond() override { return second; }
    QString programFolder() override { return folder.path(); }
    QString dataFolder() override { return data.path(); }
    void endNow() override { ended = true; }
    void quit() override {}
};

// One program with its seams, driven by the player.
struct Seat {
    std::unique_ptr<SoakSeams> seams = std::make_unique<SoakSeams>();
    std::unique_ptr<Program> prog = std::make_unique<Program>(*seams);
    Seat() { seams->prog = prog.get(); }
    void act(const std::function<void()>& f) { prog->dispatch(f); }
    bool over() const { return prog->ended(); }
    double money() { return prog->main().Okane.number(); }
    void openFrame() {
        prog->startUp();
        act([&] { prog->start().command1Click(); });
    }
    void newGame() {
        openFrame();
        seams->hands = [this](ui::Form&) {
            prog->namer().Text1 = QStringLiteral("耐久");
            prog->namer().command1Click();
        };
        act([&] { prog->main().fstaClick(); });
    }
    // Ticks until the next month end has been reported (two at a year turn).
    void runToMonthEnd() {
        const size_t before = seams->reports.size();
        for (int i = 0; i < 1000 && !over() && seams->reports.size() == before; ++i)
            act([&] { prog->kivora().Timer1.fire(); });
    }
};

// What the player does this month, decided once and done to every seat.
struct Plan {
    int second = 30;
    int extend = 0;                     // floors to add
    int floor = 0, kind = -1;           // a tenant to place (kind = list row)
    bool replaceYes = true, cancelChoice = false;
    int loanWindow = 0;
    int speed = -1;                     // slider position, or -1
    bool speedOk = true;
};

void carryOut(Seat& s, const Plan& plan) {
    Program& p = *s.prog;
    s.seams->second = plan.second;
    if (plan.extend > 0) {
        s.seams->hands = [&p, n = plan.extend](ui::Form&) {
            for (int i = 1; i < n; ++i) p.kakudai().command1Click();
            p.kakudai().command3Click();
        };
        s.act([&] { p.main().command9Click(); });
    }
    if (plan.kind >= 0) {
        building::Kivora& k = p.kivora();
        s.act([&] { k.gotFocus(); });
        s.act([&] { k.label1Click((plan.floor - 1) / 10); });
        s.act([&] { k.label2Click((plan.floor - 1) % 10); });
        s.seams->replace = plan.replaceYes ? ui::Answer::Yes : ui::Answer::No;
        s.seams->hands = [&p, plan](ui::Form&) {
            building::Choic& c = p.choic();
            if (plan.cancelChoice) return c.command2Click();
            c.Na.selected = plan.kind;
            c.naClick();
            c.command1Click();
        };
        s.act([&] { p.choiwin().追加Click(); });
        s.seams->hands = nullptr;  // a No to the question opens no choice
    }
    if (plan.loanWindow > 0) {
        s.seams->hands = [&p, n = plan.loanWindow](ui::Form&) {
            p.bank().windowClick(n);
            p.bank().command6Click();
        };
        s.act([&] { p.main().command8Click(); });
    }
    if (plan.speed >= 0) {
        s.seams->hands = [&p, plan](ui::Form&) {
            p.setS().Slider1.setValue(plan.speed);
            plan.speedOk ? p.setS().command1Click() : p.setS().command2Click();
        };
        s.act([&] { p.main().command7Click(); });
    }
    s.act([&] { p.main().command1Click(); });  // a look at the panel keeps the town's figures fresh
}

class Game {
public:
    Game(uint32_t seed, Outcome& out) : rng_(seed), seed_(seed), out_(out) {
        for (Seat* s : {&play_, &twin_}) s->newGame();
    }
    bool over() const { return play_.over(); }

    // One month: the plan, the month end on both seats, the checks.
    void month() {
        const Plan plan = decide();
        for (Seat* s : {&play_, &twin_}) carryOut(*s, plan);
        if (plan.loanWindow > 0) ++out_.loans;
        if (plan.kind >= 0) ++out_.tenants;
        if (plan.extend > 0) ++out_.extensions;
        const size_t reportsBefore = play_.seams->reports.size();
        const size_t twinBefore = twin_.seams->reports.size();
        const double moneyBefore = play_.money();
        const int repaidBefore = play_.seams->repayments;
        for (Seat* s : {&play_, &twin_}) s->runToMonthEnd();
        if (play_.over() || twin_.over()) {
            if (play_.over() != twin_.over()) fault(QStringLiteral("one seat's game ended and the other's did not"));
            return;
        }
        ++out_.months;
        const std::vector<Report> mine(play_.seams->reports.begin() + reportsBefore, play_.seams->reports.end());
        const std::vector<Report> theirs(twin_.seams->reports.begin() + twinBefore, twin_.seams->reports.end());
        checkHolds(play_, mine, moneyBefore, play_.seams->repayments - repaidBefore);
        if (comparing_) {
            ++out_.saves;
            comparing_ = false;
            if (mine.size() != theirs.size() || mine.empty() || mine[0].figures != theirs[0].figures ||
                play_.prog->main().Okane.text() != twin_.prog->main().Okane.text())
                fault(QStringLiteral("the month after a save and a load differs: %1 / %2 against %3 / %4")
                          .arg(mine.empty() ? QString() : mine[0].figures.join(u' '),
                               play_.prog->main().Okane.text(),
                               theirs.empty() ? QString() : theirs[0].figures.join(u' '),
                               twin_.prog->main().Okane.text()));
        }
        out_.repayments += play_.seams->repayments - repaidBefore;
        // Now and then the twin saves and a fresh program loads it in its place.
        if (rng_() % 10 == 0) saveAndLoadTwin();
    }

private:
    void fault(const QString& what) {
        building::Kivora& k = play_.prog->kivora();
        out_.faults << QStringLiteral("seed %1, year %2 month %3: %4")
                           .arg(seed_).arg(k.Ye.text(), k.Mon.text(), what);
    }

    Plan decide() {
        Program& p = *play_.prog;
        Plan plan;
        plan.second = int(rng_() % 60);
        const double money = play_.money();
        const int floors = p.state.Kai;
        if (floors < 100 && money > 400 && rng_() % 3 == 0)
            plan.extend = std::min(int(rng_() % 3) + 1, 100 - floors);
        if (rng_() % 3 != 0 && floors >= 2) {
            plan.floor = 2 + int(rng_() % uint32_t(floors - 1));
            plan.kind = int(rng_() % 3);
            const building::TenantKind* k = building::tenantByCode(plan.kind + 1);
            if (money < k->cost + 300) plan.kind = -1;  // not while it would ruin the company
            plan.replaceYes = rng_() % 5 != 0;
            plan.cancelChoice = rng_() % 8 == 0;
        }
        if (money < 500 && p.state.Ye1 + finance::kLoanYears <= 255 && rng_() % 3 == 0)
            for (int n = 1; n <= finance::kLoanWindows && plan.loanWindow == 0; ++n)
                if (!finance::loanRecord(p.state, n).lending()) plan.loanWindow = n;
        if (rng_() % 25 == 0) {
            plan.speed = int(rng_() % 9);
            plan.speedOk = rng_() % 3 != 0;
        }
        return plan;
    }

    // What must hold after every month end.
    void checkHolds(Seat& s, const std::vector<Report>& reports, double moneyBefore, int repaid) {
        Program& p = *s.prog;
        town::Game& g = p.game();
        const int floors = p.state.Kai;
        if (floors < 3 || floors > 100 || g.Kaisu.text() != QString::number(floors))
            fault(QStringLiteral("floors %1, panel %2").arg(floors).arg(g.Kaisu.text()));
        int occupied = 0, employees = 10;
        for (int i = 1; i <= 100; ++i) {
            const int code = p.state.code(i);
            if (code == 0) continue;
            ++occupied;
            employees += building::tenantByCode(code)->employees;
            if (i == 1 || i > floors) fault(QStringLiteral("a tenant on floor %1 of %2").arg(i).arg(floors));
        }
        if (g.Kaisya.text() != QString::number(occupied))
            fault(QStringLiteral("company count %1, occupied floors %2").arg(g.Kaisya.text()).arg(occupied));
        if (g.Zyuugyou.text() != QString::number(employees))
            fault(QStringLiteral("employees %1, tenants give %2").arg(g.Zyuugyou.text()).arg(employees));
        double expected = moneyBefore;
        for (const Report& r : reports) expected += r.figures[4].toDouble() / 100;
        expected -= finance::kLoanRepayment * repaid;
        if (std::fabs(s.money() - expected) > 1e-6 * std::max(1.0, std::fabs(expected)))
            fault(QStringLiteral("money %1, the reports give %2").arg(s.money()).arg(expected, 0, 'f', 6));
        // One report a month, two at the turn of the year (13, then 1 of the same year).
        const bool turn = !reports.empty() && reports[0].month == 13;
        if (reports.size() != (turn ? 2u : 1u)) fault(QStringLiteral("%1 reports in one month end").arg(reports.size()));
        for (const Report& r : reports) {
            const bool next = last_.month == 13   ? r.year == last_.year && r.month == 1
                              : last_.month == 1 ? r.year == last_.year + 1 && r.month == 2
                                                 : r.year == last_.year && r.month == last_.month + 1;
            if (last_.month != 0 && !next)
                fault(QStringLiteral("report for %1/%2 after %3/%4").arg(r.year).arg(r.month).arg(last_.year).arg(last_.month));
            last_ = r;
        }
    }

    // The twin saves (and so ends); a fresh program continues its game by
    // "続きから" or "ロード", and the next month must not differ.
    void saveAndLoadTwin() {
        twin_.act([&] { twin_.prog->main().command3Click(); });
        if (!twin_.seams->ended) return fault(QStringLiteral("the save did not end the program"));
        Seat next;
        next.seams->folder.remove();
        QDir().mkpath(next.seams->folder.path());
        QFile::copy(twin_.seams->folder.filePath(QStringLiteral("Kivora.teskdata")),
                    next.seams->folder.filePath(QStringLiteral("Kivora.teskdata")));
        next.openFrame();
        const bool continueMenu = rng_() % 2 == 0;
        next.act([&] { continueMenu ? next.prog->main().fconClick() : next.prog->main().command6Click(); });
        if (next.prog->main().caption != QStringLiteral("耐久社長 - 行動中"))
            return fault(QStringLiteral("the saved game did not load"));
        twin_.prog.reset();  // the program goes before the seams it uses
        twin_.seams = std::move(next.seams);
        twin_.prog = std::move(next.prog);
        comparing_ = true;
    }

    std::mt19937 rng_;
    uint32_t seed_;
    Outcome& out_;
    Seat play_, twin_;
    Report last_{0, 0, {}};
    bool comparing_ = false;
};

}  // namespace

Outcome play(uint32_t seed, int years, const std::function<void(int)>& progress) {
    Outcome out;
    std::mt19937 seeds(seed);
    int monthsLeft = years * 12;
    while (monthsLeft > 0 && out.faults.size() < 20) {
        ++out.games;
        Game game(seeds(), out);
        while (monthsLeft > 0 && !game.over() && out.faults.size() < 20) {
            game.month();
            if (--monthsLeft % 12 == 0 && progress) progress(years - monthsLeft / 12);
        }
    }
    return out;
}

}  // namespace soak
