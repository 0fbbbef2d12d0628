#include "settings/SetS.h"
#include "support/TestSeams.h"

class SpeedTest : public GameTest {
protected:
    // "設定", then what the player does in the dialog.
    void setting(std::function<void(settings::SetS&)> inDialog) {
        seams.modal["SetS"].push_back([this, inDialog] { inDialog(prog.setS()); });
        act([&] { prog.main().command7Click(); });
    }
    // Ticks until the week label turns, counted.
    int ticksToNextWeek() {
        const QString we = prog.kivora().We.text();
        int n = 0;
        while (prog.kivora().We.text() == we && n < 1000) tick(), ++n;
        return n;
    }
};

// 10 − interval / 10, halves to the even neighbour, kept to the slider's 0..8;
// a stopped clock opens in the middle. The speed itself waits for OK.
TEST_F(SpeedTest, SliderOpensFromTheSpeedRoundedHalfToEvenAndKeptInRange) {
    startGame();
    const struct {
        int spe, position;
        const char* seconds;
    } cases[] = {
        {50, 5, "5"},  {55, 4, "6"},  {65, 4, "6"},   {45, 6, "4"},   {35, 6, "4"},    {25, 8, "2"},
        {0, 5, "5"},   {10, 8, "2"},  {20, 8, "2"},   {100, 0, "10"}, {105, 0, "10"},  {250, 0, "10"},
        {1000, 0, "10"}, {-50, 8, "2"}, {2147483647, 0, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spe);
        prog.state.Spe = c.spe;
        setting([&](settings::SetS& s) {
            EXPECT_EQ(s.Slider1.value(), c.position);
            EXPECT_EQ(s.Speed.text(), QString::fromLatin1(c.seconds));
            EXPECT_EQ(prog.state.Spe, c.spe);
            s.command2Click();
        });
        EXPECT_EQ(prog.state.Spe, c.spe);
        EXPECT_EQ(prog.kivora().Timer1.interval(), std::max(0, c.spe));
    }
    EXPECT_EQ(settings::sliderFor(10), 9);  // the slider, not the rule, keeps it to 8
}

TEST_F(SpeedTest, EachPositionShowsItsSecondsAndStandsForItsInterval) {
    openFrame();
    setting([](settings::SetS& s) {
        const char* const seconds[9] = {"10", "9", "8", "7", "6", "5", "4", "3", "2"};
        for (int v = 8; v >= 0; --v) {
            s.Slider1.setValue(v);
            EXPECT_EQ(s.Speed.text(), QString::fromLatin1(seconds[v])) << v;
            EXPECT_EQ(settings::speFor(v), 100 - 10 * v);
        }
        s.Slider1.setValue(9);  // past either end: the nearer end
        EXPECT_EQ(s.Slider1.value(), 8);
        s.Slider1.setValue(-3);
        EXPECT_EQ(s.Slider1.value(), 0);
        s.command2Click();
    });
}

// Opened at the slider's design position (a speed of 100), the seconds are
// shown all the same.
TEST_F(SpeedTest, TheSecondsAreRightAtTheSlidersFirstPosition) {
    openFrame();
    prog.state.Spe = 100;
    setting([](settings::SetS& s) {
        EXPECT_EQ(s.Slider1.value(), 0);
        EXPECT_EQ(s.Speed.text(), QStringLiteral("10"));
        s.command1Click();
    });
    EXPECT_EQ(prog.state.Spe, 100);
}

TEST_F(SpeedTest, OkSetsTheNewSpeedAndTheWeeksKeepTheirTicks) {
    startGame();
    tick(102 + 40);  // into the second week
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
    setting([this](settings::SetS& s) {
        EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
        tick(500);  // held: no tick counts
        EXPECT_EQ(date(), QStringLiteral("1/4/2"));
        s.Slider1.setValue(8);
        EXPECT_EQ(s.Speed.text(), QStringLiteral("2"));
        EXPECT_EQ(prog.state.Spe, 50);  // not before OK
        s.command1Click();
    });
    EXPECT_EQ(prog.state.Spe, 20);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 20);
    // The week stopped where it stood and goes on; the next one lasts 101
    // ticks of 20 ms now: about 2 seconds.
    EXPECT_EQ(ticksToNextWeek(), 101 - 40);
    EXPECT_EQ(ticksToNextWeek(), 101);
    EXPECT_EQ(101 * prog.kivora().Timer1.interval(), 2020);

    setting([](settings::SetS& s) {
        EXPECT_EQ(s.Slider1.value(), 8);
        s.Slider1.setValue(0);
        EXPECT_EQ(s.Speed.text(), QStringLiteral("10"));
        s.command1Click();
    });
    EXPECT_EQ(prog.state.Spe, 100);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 100);
    EXPECT_EQ(ticksToNextWeek(), 101);
}

TEST_F(SpeedTest, CancelAndTheCloseBoxKeepTheSpeedAndRestartTheClock) {
    startGame();
    setting([](settings::SetS& s) {
        s.Slider1.setValue(8);
        s.command2Click();
    });
    EXPECT_EQ(prog.state.Spe, 50);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    setting([](settings::SetS& s) {
        s.Slider1.setValue(0);
        s.closeBox();
    });
    EXPECT_EQ(prog.state.Spe, 50);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_EQ(ticksToNextWeek(), 102);
}

TEST_F(SpeedTest, APausedGameStaysPausedWhateverTheDialogSays) {
    startGame();
    act([&] { prog.main().command4Click(); });
    setting([](settings::SetS& s) {
        s.Slider1.setValue(7);
        s.command1Click();
    });
    EXPECT_EQ(prog.kivora().Timer1.interval(), 30);
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
    tick(300);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
}

// Before any game: the building window is put away, the clock stays stopped
// even after OK, and the game then starts at the chosen speed.
TEST_F(SpeedTest, BeforeTheFirstGameOkOnlyChoosesTheSpeed) {
    openFrame();
    act([&] { prog.kivora.show(); });
    setting([this](settings::SetS& s) {
        EXPECT_FALSE(prog.kivora().visible);
        EXPECT_EQ(s.Slider1.value(), 5);
        EXPECT_EQ(s.Speed.text(), QStringLiteral("5"));
        s.Slider1.setValue(6);
        s.command1Click();
    });
    EXPECT_EQ(prog.state.Spe, 40);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
    tick(500);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    setting([](settings::SetS& s) { s.command2Click(); });
    EXPECT_EQ(prog.kivora().Timer1.interval(), 0);

    newGame();
    EXPECT_EQ(prog.kivora().Timer1.interval(), 40);
    EXPECT_TRUE(prog.kivora().visible);
    // During a game the building window stays where it is.
    setting([this](settings::SetS& s) {
        EXPECT_TRUE(prog.kivora().visible);
        s.command2Click();
    });
}

// The dialog comes back hidden after closing, with its tip; a click on the
// slider clears the tip; the menu entry does what the button does.
TEST_F(SpeedTest, TheDialogWaitsHiddenWithItsTip) {
    startGame();
    setting([](settings::SetS& s) {
        EXPECT_EQ(s.caption, QStringLiteral("環境設定"));
        EXPECT_EQ(s.Slider1.tipText, QString());
        s.command1Click();
    });
    ASSERT_TRUE(prog.setS.exists());
    EXPECT_FALSE(prog.setS().visible);
    EXPECT_EQ(prog.setS().Slider1.tipText, QStringLiteral("速度変更"));
    EXPECT_EQ(seams.modalShown, std::vector<std::string>{"SetS"});

    seams.modal["SetS"].push_back([this] {
        settings::SetS& s = prog.setS();
        EXPECT_TRUE(s.visible);
        EXPECT_EQ(s.Slider1.tipText, QStringLiteral("速度変更"));
        s.slider1Click();
        EXPECT_EQ(s.Slider1.tipText, QString());
        s.Slider1.setValue(3);
        s.command1Click();
    });
    act([&] { prog.main().fsetClick(); });
    EXPECT_EQ(prog.state.Spe, 70);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 70);
}
