// 目標: how far the win and the loss are, live as the game moves, with the
// clock running on.
#include "support/TestSeams.h"
#include "town/Mokuhyou.h"

class Goals : public GameTest {};

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
          "あと 99,000,000円"}},
        {"a month end", [&] { tick(405); },
         {"村", "町 まで あと 971人", "首都 まで あと 998,971人", "F", "E まで あと 91人", "S まで あと 2,491人",
          "あと 103,000,000円"}},
        {"the top of both ladders",
         [&] {
             prog.game().Zyuugyou.setText(QStringLiteral("2501"));
             prog.game().CBuil.setText(QStringLiteral("1000"));
         },
         {"首都", "なし", "首都 達成", "S", "なし", "S 達成", "あと 103,000,000円"}},
        {"money at the edge of the loss", [&] { prog.main().Okane.setText(QStringLiteral("1")); },
         {"首都", "なし", "首都 達成", "S", "なし", "S 達成", "あと 0円"}},
    };
    for (const auto& mo : moments) {
        SCOPED_TRACE(mo.what);
        act(mo.move);
        m.follow();
        QStringList rows;
        for (size_t i = 0; i < town::Mokuhyou::kRows; ++i)
            rows << (m.Kotoba[i].text() + u' ' + m.Ato[i].text() + u' ' + m.Atai[i].text() + m.Unit[i].text()).simplified();
        EXPECT_EQ(rows, mo.rows);
    }
}
