#include "support/TestSeams.h"
#include "shell/Namer.h"
#include "shell/Start.h"
#include "town/Game.h"

using ui::Answer;

class ShellTest : public GameTest {};

TEST_F(ShellTest, TitleThenIdleFrameWithTheClockStill) {
    prog.startUp();
    auto& s = prog.start();
    EXPECT_EQ(s.caption, QStringLiteral("Form1"));
    EXPECT_EQ(s.Label3.text(), QStringLiteral("～ビル経営させて町を発展させよう！"));
    EXPECT_FALSE(prog.main.exists());
    act([&] { s.command1Click(); });
    auto& m = prog.main();
    EXPECT_FALSE(prog.start.exists());
    EXPECT_TRUE(m.visible);
    EXPECT_EQ(m.caption, QStringLiteral("0"));
    EXPECT_EQ(m.OkaneH.text(), QString());
    EXPECT_EQ(m.Simo.text(), QStringLiteral("円"));
    for (auto* c : {&m.Command3, &m.Command4, &m.Command8, &m.Command9, &m.Fsa, &m.Command1, &m.Command5})
        EXPECT_FALSE(c->enabled);
    for (auto* c : {&m.FSta, &m.Fcon, &m.Fset, &m.Fhelp, &m.Fver, &m.Command6, &m.Command7})
        EXPECT_TRUE(c->enabled);
    EXPECT_FALSE(prog.kivora().visible);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
    tick(500);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
}

TEST_F(ShellTest, ClosingTheTitleByItsFrameAtStartUpEndsTheProgram) {
    prog.startUp();
    act([&] { prog.start().closeBox(); });
    EXPECT_TRUE(seams.quitted);
}

TEST_F(ShellTest, NewGameOpeningPosition) {
    startGame();
    auto& m = prog.main();
    EXPECT_EQ(m.caption, QStringLiteral("田中社長 - 行動中"));
    EXPECT_EQ(m.OkaneH.text(), QStringLiteral("100"));
    EXPECT_EQ(m.Simo.text(), QStringLiteral(",000,000円"));
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    EXPECT_EQ(prog.state.Kai, 3);
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("10"));
    EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("0"));
    EXPECT_EQ(prog.game().Hyouka.text(), QStringLiteral("F"));
    EXPECT_FALSE(prog.game().visible);
    EXPECT_TRUE(prog.kivora().visible);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_EQ(prog.state.Last, ui::Variant::whole(10000));
    EXPECT_EQ(prog.state.Ye1, 1);
    EXPECT_EQ(prog.state.Mon1, 4);
    EXPECT_EQ(prog.state.We1, 1);
    for (auto* c : {&m.Command3, &m.Command4, &m.Command8, &m.Command9, &m.Fsa, &m.Command1, &m.Command5})
        EXPECT_TRUE(c->enabled);
    EXPECT_FALSE(prog.namer.exists());
}

TEST_F(ShellTest, NamesTheDialogRefusesAndAccepts) {
    openFrame();
    seams.expect(QStringLiteral("名前を入れてください"));
    seams.expect(QStringLiteral("名前に使えない文字が含まれています"));
    seams.modal["Namer"].push_back([this] {
        auto& n = prog.namer();
        n.command1Click();  // empty: refused, the dialog stays
        EXPECT_TRUE(prog.namer.exists());
        n.Text1 = QStringLiteral("😀");
        n.command1Click();  // the save file could not hold it
        EXPECT_TRUE(prog.namer.exists());
        n.Text1 = QStringLiteral(" ");
        n.command1Click();
    });
    act([&] { prog.main().fstaClick(); });
    EXPECT_EQ(prog.main().caption, QStringLiteral(" 社長 - 行動中"));
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
}

TEST_F(ShellTest, LookAlikesAreTakenInTheirSavableFormAndLineBreakersRefused) {
    openFrame();
    for (int i = 0; i < 4; ++i) seams.expect(QStringLiteral("名前に使えない文字が含まれています"));
    seams.modal["Namer"].push_back([this] {
        auto& n = prog.namer();
        for (const char16_t* bad : {u"山田\n太郎", u"a\tb", u"x\u2028y", u"\u0007"}) {
            n.Text1 = QString::fromUtf16(bad);
            n.command1Click();
            EXPECT_TRUE(prog.namer.exists());
        }
        n.Text1 = QString::fromUtf16(u"〜−‖¢£¬—太郎");
        n.command1Click();
    });
    act([&] { prog.main().fstaClick(); });
    const QString mapped = QString::fromUtf16(u"～－∥￠￡￢―太郎");
    EXPECT_EQ(prog.state.Player, ui::Variant::text(mapped));
    EXPECT_EQ(prog.main().caption, mapped + QStringLiteral("社長 - 行動中"));
}

TEST_F(ShellTest, ADigitNameStaysTextWithItsZeros) {
    openFrame();
    newGame(QStringLiteral("007"));
    EXPECT_EQ(prog.main().caption, QStringLiteral("007社長 - 行動中"));
    act([&] { prog.main().command4Click(); });
    EXPECT_EQ(prog.main().caption, QStringLiteral("007社長 - 停止中"));
}

TEST_F(ShellTest, ClosingTheNameDialogByItsFrameStartsNothing) {
    openFrame();
    seams.modal["Namer"].push_back([this] { prog.namer().closeBox(); });
    act([&] { prog.main().fstaClick(); });
    EXPECT_EQ(prog.main().caption, QStringLiteral("0"));
    EXPECT_FALSE(prog.main().Command4.enabled);
}

TEST_F(ShellTest, PauseTogglesTheSwitchAndACloseOfAHeldDialogKeepsItPaused) {
    startGame();
    auto& m = prog.main();
    act([&] { m.command4Click(); });
    EXPECT_EQ(m.Command4.caption, QStringLiteral("開始"));
    EXPECT_EQ(m.caption, QStringLiteral("田中社長 - 停止中"));
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
    // The version screen holds the clock by its interval and gives it back.
    seams.modal["Start"].push_back([this] {
        EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
        prog.start().command1Click();
    });
    act([&] { m.fverClick(); });
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
    tick(200);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    act([&] { m.command4Click(); });
    EXPECT_EQ(m.caption, QStringLiteral("田中社長 - 行動中"));
    tick(102);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

TEST_F(ShellTest, VersionScreenClosedByItsFrameRestoresTheClock) {
    startGame();
    seams.modal["Start"].push_back([this] {
        tick(300);  // no week passes while it is open
        prog.start().closeBox();
    });
    act([&] { prog.main().fverClick(); });
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_FALSE(seams.quitted);
}

TEST_F(ShellTest, ExitQuestionNoKeepsEverythingYesCloses) {
    startGame();
    tick(150);
    seams.expect(QStringLiteral("終了しますか？"), Answer::No);
    act([&] { prog.main().closeBox(); });
    EXPECT_TRUE(prog.main.exists());
    EXPECT_TRUE(prog.kivora.exists());
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
    EXPECT_FALSE(seams.quitted);
    seams.expect(QStringLiteral("終了しますか？"), Answer::Yes);
    act([&] { prog.main().closeBox(); });
    EXPECT_FALSE(prog.main.exists());
    EXPECT_FALSE(prog.kivora.exists());
    EXPECT_FALSE(prog.game.exists());
    EXPECT_TRUE(seams.quitted);
    EXPECT_EQ(seams.shown().icon, ui::Prompt::Icon::Question);
}

TEST_F(ShellTest, BuildingDetailsRewritesTheDateFromTheMirrors) {
    startGame();
    tick(102);
    act([&] { prog.kivora.hide(); });
    act([&] { prog.main().command5Click(); });
    EXPECT_TRUE(prog.kivora().visible);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

TEST_F(ShellTest, BuildingWindowCloseBoxOnlyHidesIt) {
    startGame();
    act([&] { prog.kivora().closeBox(); });
    EXPECT_TRUE(prog.kivora.exists());
    EXPECT_FALSE(prog.kivora().visible);
    tick(102);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

TEST_F(ShellTest, SecondGameAnsweredYesReopensTheFrame) {
    startGame();
    tick(102 + 101);  // week 3
    prog.state.Spe = 30;  // as a speed setting would have left it
    act([&] { prog.kivora().Timer1.setInterval(30); });
    seams.expect(QStringLiteral("終了しますか？"), Answer::Yes);
    newGame(QStringLiteral("鈴木"));
    EXPECT_EQ(prog.state.Spe, 50);
    EXPECT_EQ(prog.main().caption, QStringLiteral("鈴木社長 - 行動中"));
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    EXPECT_EQ(prog.kivora().Label4.text(), QStringLiteral("0"));
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("100"));
    EXPECT_TRUE(prog.main().Command4.enabled);
}

TEST_F(ShellTest, SecondGameAnsweredNoRunsAMonthEndWhenTheMonthDiffers) {
    startGame();
    tick(405);  // month 5: one report
    EXPECT_EQ(date(), QStringLiteral("1/5/1"));
    act([&] { prog.main().command4Click(); });  // paused
    act([&] { prog.main().command1Click(); });  // the panel open
    prog.state.Spe = 30;
    // A bigger building than a new game's: the month end below must not see it.
    act([&] { prog.game().Kaisu.setText(QStringLiteral("20")); });
    act([&] { prog.game().Zyuugyou.setText(QStringLiteral("100")); });
    QStringList costs;
    seams.modal["Houkoku"].push_back([&] {
        costs << prog.houkoku().Keihi.text() << prog.houkoku().Izi.text();
        prog.houkoku().frame1Click();
    });
    seams.expect(QStringLiteral("終了しますか？"), Answer::No);
    newGame(QStringLiteral("鈴木"));
    // Writing month 4 again is a change: a month end ran, on the new game's
    // building (the panel is written before the date), then the money is reset.
    EXPECT_EQ(std::count(seams.modalShown.begin(), seams.modalShown.end(), "Houkoku"), 2);
    EXPECT_EQ(costs, (QStringList{"300", "300"}));  // ten employees, three floors
    EXPECT_TRUE(prog.history.rows().empty()) << "the new game's history holds the old game's month end";
    EXPECT_FALSE(prog.game().visible);
    EXPECT_EQ(prog.state.Spe, 30);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("100"));
    EXPECT_EQ(prog.main().caption, QStringLiteral("鈴木社長 - 行動中"));
    EXPECT_EQ(prog.main().Command4.caption, QStringLiteral("開始"));  // still paused
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
    // The tick counter starts again: the new game's first week is a full one.
    EXPECT_EQ(prog.kivora().Label4.text(), QStringLiteral("0"));
    act([&] { prog.main().command4Click(); });
    tick(101);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    tick(1);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

// Whichever way the old game's frame question is answered, nothing of it
// lingers: no tenant paying rent, no loan, no picked floor, no unpaid work.
TEST_F(ShellTest, ANewGameClearsWhatTheOldGameLeft) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        startGame();
        prog.state.setCkai(2, QStringLiteral("1"));
        prog.state.setCkai(10, QStringLiteral("3"));
        prog.state.M2ye = 4;
        prog.state.M2mo = 4;
        prog.state.CK = 10;
        prog.state.CF = QStringLiteral("屋上");
        prog.kivora().コスト = 150;
        seams.expect(QStringLiteral("終了しますか？"), answer);
        newGame(QStringLiteral("鈴木"));
        for (int i = 1; i <= 100; ++i) EXPECT_EQ(prog.state.Ckai(i), QStringLiteral("0")) << i;
        EXPECT_EQ(prog.state.M2ye, 0);
        EXPECT_EQ(prog.state.M2mo, 0);
        EXPECT_EQ(prog.state.CK, 0);
        EXPECT_TRUE(prog.state.CF.isEmpty());
        EXPECT_EQ(prog.kivora().コスト, 0);
        EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("0"));
        tick(405);  // the first month earns only the base income
        EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("104"));
        seams.expect(QStringLiteral("終了しますか？"), Answer::Yes);
        act([&] { prog.main.unload(); });
        prog.start.unload();
    }
}
