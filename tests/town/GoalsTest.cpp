// 目標: how far the win and the loss are, live as the game moves, with the
// clock running on.
#include "support/TestSeams.h"
#include "town/Mokuhyou.h"

class Goals : public GameTest {};

namespace {
// A game of its own for each row of a table.
class OneGame : public GameTest {
public:
    void TestBody() override {}
    using GameTest::act;
    using GameTest::money;
    using GameTest::prog;
    using GameTest::seams;
    using GameTest::startGame;
};
}  // namespace

TEST_F(Goals, EachRowSaysWhereTheGameStandsAndWhatIsLeft) {
    startGame();
    const int interval = prog.kivora().Timer1.interval();
    act([&] { prog.main().fmokuhyouClick(); });
    EXPECT_EQ(prog.kivora().Timer1.interval(), interval);
    town::Mokuhyou& m = prog.mokuhyou();
    const struct {
        const char* what;
        std::function<void()> move;
        QStringList rows;
    } moments[] = {
        {"a new game", [] {},
         {"村", "町 まで あと 971人", "首都 まで あと 998,971人", "F", "E まで あと 91人", "S まで あと 2,491人",
          "4,000,000円", "104,000,000円", "あと 103,000,000円"}},
        {"a month end", [&] { tick(405); },
         {"村", "町 まで あと 971人", "首都 まで あと 998,971人", "F", "E まで あと 91人", "S まで あと 2,491人",
          "4,000,000円", "108,000,000円", "あと 107,000,000円"}},
        {"the top of both ladders",
         [&] {
             prog.game().Zyuugyou.setText(QStringLiteral("2501"));
             prog.game().CBuil.setText(QStringLiteral("1000"));
         },
         {"首都", "なし", "首都 達成", "S", "なし", "S 達成", "-743,300,000円", "-639,300,000円", "あと 0円"}},
        {"money at the edge of the loss", [&] { prog.main().Okane.setText(QStringLiteral("1")); },
         {"首都", "なし", "首都 達成", "S", "なし", "S 達成", "-743,300,000円", "-742,300,000円", "あと 0円"}},
    };
    for (const auto& mo : moments) {
        SCOPED_TRACE(mo.what);
        act(mo.move);
        QStringList rows;
        for (size_t i = 0; i < town::Mokuhyou::kRows; ++i)
            rows << (m.Kotoba[i].text() + u' ' + m.Ato[i].text() + u' ' + m.Atai[i].text() + m.Unit[i].text()).simplified();
        EXPECT_EQ(rows, mo.rows);
    }
}

// The money rows say what the next month end will do, and it does it: the
// money after it, or the end of the game it brings (said before it comes).
TEST_F(Goals, TheMoneyRowsAreWhatTheNextMonthEndDoes) {
    using Setup = std::function<void(Program&)>;
    const auto tenant = [](int floor, int code, int cost, int employees) {
        return [=](Program& p) {
            p.state.setCkai(floor, QString::number(code));
            p.game().Zyuugyou.setNumber(p.game().Zyuugyou.number() + employees);
            p.kivora().コスト += cost;
        };
    };
    const struct {
        const char* what;
        int month;  // the month shown before the month end
        Setup setup;
        QStringList rows;  // what it adds, the money after, to spare
        bool ends;
        int repaid;
    } rows[] = {
        {"nothing bought", 4, [](Program&) {}, {"4,000,000円", "104,000,000円", "あと 103,000,000円"}, false, 0},
        {"a hotel waiting to be paid", 4, tenant(2, 1, 200, 30),
         {"-175,000,000円", "-75,000,000円", "あと 0円"}, true, 0},
        {"a restaurant and two more floors", 4,
         [&](Program& p) {
             tenant(2, 2, 50, 30)(p);
             p.game().Kaisu.setText(QStringLiteral("5"));
             p.kivora().コスト += 100;
         },
         {"-147,000,000円", "-47,000,000円", "あと 0円"}, true, 0},
        {"a restaurant alone", 4, tenant(2, 2, 50, 30),
         {"-45,000,000円", "55,000,000円", "あと 54,000,000円"}, false, 0},
        {"the last yen to spare", 4, [](Program& p) { p.kivora().コスト = 103; },
         {"-99,000,000円", "1,000,000円", "あと 0円"}, false, 0},
        {"a yen too many", 4, [](Program& p) { p.kivora().コスト = 104; },
         {"-100,000,000円", "0円", "あと 0円"}, true, 0},
        {"a loan falling due", 4,
         [](Program& p) {
             p.main().Okane.setText(QStringLiteral("500"));
             p.state.M2ye = 1;
             p.state.M2mo = 5;
         },
         {"-446,000,000円", "54,000,000円", "あと 53,000,000円"}, false, 1},
        {"a loan the money cannot repay", 4,
         [](Program& p) {
             p.state.M1ye = 1;
             p.state.M1mo = 5;
         },
         {"-446,000,000円", "-346,000,000円", "あと 0円"}, true, 1},
        {"the turn of the year settles twice and pays once", 12, [](Program& p) { p.kivora().コスト = 50; },
         {"-42,000,000円", "58,000,000円", "あと 57,000,000円"}, false, 0},
        {"January's loan at the turn of the year", 12,
         [](Program& p) {
             p.main().Okane.setText(QStringLiteral("500"));
             p.state.M3ye = 2;
             p.state.M3mo = 1;
         },
         {"-442,000,000円", "58,000,000円", "あと 57,000,000円"}, false, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        OneGame t;
        t.startGame();
        t.act([&] { t.prog.main().fmokuhyouClick(); });
        auto& k = t.prog.kivora();
        if (r.month != 4) t.act([&] { k.Mon.setNumber(r.month); });
        t.act([&] {
            t.prog.main().Okane.setText(QStringLiteral("100"));
            r.setup(t.prog);
        });
        town::Mokuhyou& m = t.prog.mokuhyou();
        QStringList shown;
        for (size_t i = town::Mokuhyou::kFirstMoney; i < town::Mokuhyou::kRows; ++i)
            shown << (m.Ato[i].text() + u' ' + m.Atai[i].text() + m.Unit[i].text()).simplified();
        EXPECT_EQ(shown, r.rows);
        EXPECT_EQ(m.Keikoku.visible, r.ends);
        for (int n = 0; n < r.repaid; ++n) t.seams.expect(QStringLiteral("窓口%1の融資返済です").arg(r.month == 12 ? 3 : r.ends ? 1 : 2));
        if (r.ends) t.seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
        t.act([&] { k.Mon.setNumber(k.Mon.number() + 1); });
        EXPECT_EQ(t.seams.endedNow, r.ends);
        if (!r.ends) {
            EXPECT_EQ(t.money().toDouble() * 1000000, QString(r.rows[1]).remove(u',').remove(u'円').toDouble());
        }
    }
}
