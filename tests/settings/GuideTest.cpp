// "はじめてのかたへ": each step moves on by the player's own action and by no
// other, it never holds the clock, and once closed it stays closed.
#include <QFile>

#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "finance/Bank.h"
#include "settings/Hajimete.h"
#include "settings/SetS.h"
#include "support/TestSeams.h"

namespace {

// One game with its guide, a row of a table each.
class GuideTest : public GameTest {
public:
    void TestBody() override {}
    using GameTest::act;
    using GameTest::openFrame;
    using GameTest::prog;
    using GameTest::seams;
    using GameTest::startGame;
    using GameTest::tick;
    settings::Hajimete* guide() { return prog.hajimete.peek(); }
    int step() { return guide() ? guide()->step() : 0; }
    void floor2() { act([&] { prog.kivora().label2Click(1); }); }
    void monthEnd() {
        for (int i = 0; i < 1000 && prog.history.rows().empty(); ++i) tick();
    }
};

TEST(Guide, EachStepMovesOnByItsOwnActionAlone) {
    using A = std::function<void(GuideTest&)>;
    const auto tenant = [](bool placed) {
        return [placed](GuideTest& t) {
            t.act([&] { t.prog.kivora().label1Click(0); });
            t.floor2();
            t.seams.modal["Choic"].push_back([&t, placed] {
                building::Choic& c = t.prog.choic();
                if (!placed) return c.command2Click();
                c.Na.selected = 1;
                c.naClick();
                t.seams.expect(QStringLiteral("本当にいいですか？"), ui::Answer::Yes);
                c.command1Click();
            });
            t.act([&] { t.prog.choiwin().追加Click(); });
        };
    };
    // Chosen, then not confirmed: nothing was placed.
    const auto declined = [](GuideTest& t) {
        t.act([&] { t.prog.kivora().label1Click(0); });
        t.floor2();
        t.seams.modal["Choic"].push_back([&t] {
            building::Choic& c = t.prog.choic();
            c.Na.selected = 1;
            c.naClick();
            t.seams.expect(QStringLiteral("本当にいいですか？"), ui::Answer::No);
            c.command1Click();
            c.command2Click();
        });
        t.act([&] { t.prog.choiwin().追加Click(); });
    };
    // A load into another month: its month end books nothing and shows no report.
    const auto loadedMonth = [](GuideTest& t) {
        QFile in(QStringLiteral(RUMIE_TEST_DATA "/state/data/new_game.teskdata"));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = in.readAll().split('\n');
        lines[13] = " 6 \r";  // the month
        QFile out(shell::saveFile(t.prog));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(lines.join('\n'));
        out.close();
        t.act([&] { t.prog.main().command6Click(); });
        ASSERT_EQ(t.prog.kivora().Mon.text(), u"6");
    };
    const auto extend = [](bool ok) {
        return [ok](GuideTest& t) {
            t.seams.modal["Kakudai"].push_back([&t, ok] { ok ? t.prog.kakudai().command3Click() : t.prog.kakudai().command4Click(); });
            t.act([&] { t.prog.main().command9Click(); });
        };
    };
    const struct {
        int step;
        A advances, doesNot;
    } rows[] = {
        {1, [](GuideTest& t) { t.act([&] { t.prog.kivora().label1Click(0); }); },
         [](GuideTest& t) { t.act([&] { t.prog.kivora().label1Click(1); }); }},  // 屋上
        {2,
         [](GuideTest& t) {
             t.act([&] { t.prog.kivora().label1Click(0); });
             t.floor2();
         },
         [](GuideTest& t) {
             t.act([&] { t.prog.kivora().label1Click(0); });
             t.act([&] { t.prog.kivora().label2Click(0); });  // the lobby
         }},
        {3, tenant(true), tenant(false)},
        {3, tenant(true), declined},
        {4, extend(true), extend(false)},
        {5, [](GuideTest& t) { t.monthEnd(); },
         [](GuideTest& t) {
             while (t.prog.kivora().We.text() == u"1") t.tick();
         }},
        {5, [](GuideTest& t) { t.monthEnd(); }, loadedMonth},
        {6,
         [](GuideTest& t) {
             t.act([&] { t.prog.main().command1Click(); });
             t.act([&] { t.prog.main().fmokuhyouClick(); });
         },
         [](GuideTest& t) { t.act([&] { t.prog.main().command1Click(); }); }},
        {7,
         [](GuideTest& t) {
             t.seams.modal["Bank"].push_back([&t] { t.prog.bank().command6Click(); });
             t.act([&] { t.prog.main().command8Click(); });
         },
         [](GuideTest& t) { t.act([&] { t.prog.main().fsuiiClick(); }); }},
    };
    for (const auto& r : rows)
        for (bool advancing : {false, true}) {
            SCOPED_TRACE(testing::Message() << "step " << r.step << (advancing ? " done" : " not done"));
            GuideTest t;
            t.startGame();
            for (int s = 1; s < r.step; ++s) t.act([&] { t.guide()->tugiClick(); });
            ASSERT_EQ(t.step(), r.step);
            (advancing ? r.advances : r.doesNot)(t);
            const int last = settings::Hajimete::kSteps;
            EXPECT_EQ(t.step(), !advancing ? r.step : r.step < last ? r.step + 1 : 0);
            EXPECT_EQ(t.prog.prefs.guideDone(), advancing && r.step == settings::Hajimete::kSteps);
            EXPECT_TRUE(t.prog.kivora().Timer1.running()) << "the guide never holds the clock";
            // The step after a tenant says what the month end will take for it.
            if (advancing && r.step == 3) {
                EXPECT_EQ(t.guide()->Kessan.text(),
                          u"いまのままなら、次の月末の収入は 20,000,000円、費用は 65,000,000円で、所持金は 55,000,000円になります。\n"
                          u"一階足すごとに、所持金は 51,000,000円減ります。");
            }
        }
}

// Closed, it stays closed at the next start and the next new game; the menu
// brings it back from the first step. A loaded game starts none.
TEST(Guide, ClosedItStaysClosedAndALoadedGameStartsNone) {
    GuideTest first;
    auto& seams = first.seams;
    auto& prog = first.prog;
    auto guide = [&] { return first.guide(); };
    auto act = [&](const std::function<void()>& f) { first.act(f); };
    first.startGame();
    ASSERT_EQ(first.step(), 1);
    const int interval = prog.kivora().Timer1.interval();
    act([&] { guide()->tugiClick(); });
    act([&] { guide()->toziruClick(); });
    EXPECT_EQ(guide(), nullptr);
    EXPECT_EQ(prog.kivora().Timer1.interval(), interval);
    first.monthEnd();  // an automatic save to come back to

    Program again(seams);
    again.startUp();
    again.dispatch([&] { again.start().command1Click(); });
    seams.modal["Namer"].push_back([&] {
        again.namer().Text1 = QStringLiteral("鈴木");
        again.namer().command1Click();
    });
    again.dispatch([&] { again.main().fstaClick(); });
    EXPECT_EQ(again.hajimete.peek(), nullptr);
    again.dispatch([&] { again.main().fhajimeteClick(); });
    ASSERT_NE(again.hajimete.peek(), nullptr);
    EXPECT_EQ(again.hajimete.peek()->step(), 1);

    // Never finished, yet a loaded game does not start it.
    GuideTest fresh;
    fresh.openFrame();
    ASSERT_TRUE(QFile::copy(shell::saveFile(prog, shell::Slot::Auto), shell::saveFile(fresh.prog, shell::Slot::Auto)));
    for (auto load : {&shell::Main::fautoClick, &shell::Main::command6Click, &shell::Main::fconClick}) {
        QFile::remove(shell::saveFile(fresh.prog));
        QFile::copy(shell::saveFile(prog, shell::Slot::Auto), shell::saveFile(fresh.prog));
        fresh.act([&] { (fresh.prog.main().*load)(); });
        EXPECT_EQ(fresh.guide(), nullptr);
    }
}

}  // namespace
