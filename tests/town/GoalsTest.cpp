// 目標: how far the win and the loss are, live as the game moves, with the
// clock running on.
#include "support/TestSeams.h"
#include "town/Mokuhyou.h"

TEST(Goals, EachRowSaysWhereTheGameStandsAndWhatIsLeft) {
    TestSeams seams;
    Program prog{seams};
    seams.modalDefault["Houkoku"] = [&] { prog.houkoku().frame1Click(); };
    prog.startUp();
    prog.dispatch([&] { prog.start().command1Click(); });
    seams.modal["Namer"].push_back([&] {
        prog.namer().Text1 = QStringLiteral("田中");
        prog.namer().command1Click();
    });
    prog.dispatch([&] { prog.main().fstaClick(); });
    ASSERT_TRUE(prog.main().Fmokuhyou.enabled);
    const int interval = prog.kivora().Timer1.interval();
    prog.dispatch([&] { prog.main().fmokuhyouClick(); });
    EXPECT_EQ(prog.kivora().Timer1.interval(), interval);
    town::Mokuhyou& m = prog.mokuhyou();
    const auto rows = [&] {
        m.follow();
        QStringList out;
        for (int i = 0; i < town::Mokuhyou::kRows; ++i) {
            const auto at = size_t(i);
            out << QStringList{m.Kotoba[at].text(), m.Ato[at].text(), m.Atai[at].text() + m.Unit[at].text()}
                       .join(u' ')
                       .simplified();
        }
        return out;
    };
    const struct {
        const char* what;
        std::function<void()> move;
        QStringList rows;
    } moments[] = {
        {"a new game", [] {},
         {"村", "町 まで あと 971人", "首都 まで あと 998,971人", "F", "E まで あと 91人", "S まで あと 2,491人",
          "あと 99,000,000円"}},
        {"a month end", [&] { for (int i = 0; i < 405; ++i) prog.dispatch([&] { prog.kivora().Timer1.fire(); }); },
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
        prog.dispatch(mo.move);
        EXPECT_EQ(rows(), mo.rows);
    }
}
