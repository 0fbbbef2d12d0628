#include "support/TestSeams.h"

class ClockTest : public GameTest {};

TEST_F(ClockTest, WeeksTurnAtTheRightTicks) {
    startGame();
    tick(101);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    tick(1);  // the 102nd
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
    tick(100);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
    tick(1);  // the 203rd
    EXPECT_EQ(date(), QStringLiteral("1/4/3"));
    tick(101);  // the 304th
    EXPECT_EQ(date(), QStringLiteral("1/4/4"));
    tick(100);
    EXPECT_TRUE(seams.modalShown.empty());
    tick(1);  // the 405th: the month end
    EXPECT_EQ(date(), QStringLiteral("1/5/1"));
    EXPECT_EQ(seams.modalShown, std::vector<std::string>{"Houkoku"});
}

TEST_F(ClockTest, WeekWrapLeavesMirrorsAndGuardCleared) {
    startGame();
    prog.state.Era = 1;
    tick(102);
    EXPECT_EQ(prog.state.Era, 0);
    prog.state.Era = 1;
    tick(303);
    EXPECT_EQ(prog.kivora().We.text(), QStringLiteral("1"));
    EXPECT_EQ(prog.state.We1, 1);
    EXPECT_EQ(prog.state.Mon1, 5);
    EXPECT_EQ(prog.state.Era, 0);
    // The guard was cleared by the nested week run before the month end ran.
    EXPECT_EQ(seams.modalShown.size(), 1u);
}

TEST_F(ClockTest, ReportHoldsTheClockAndItsDismissalRestartsIt) {
    startGame();
    seams.modal["Houkoku"].push_back([this] {
        EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
        tick(1000);  // nothing moves while the report is open
        EXPECT_EQ(date(), QStringLiteral("1/5/1"));
        prog.houkoku().frame2Click();
    });
    tick(405);
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_FALSE(prog.houkoku.exists());
}

TEST_F(ClockTest, YearTurnSettlesTwiceThenAdvancesTheYear) {
    startGame();
    act([&] {
        prog.kivora().Mon.setText(QStringLiteral("12"));  // a month end for December
    });
    seams.modalShown.clear();
    tick(101 * 3 + 1);  // to week 4
    EXPECT_EQ(date(), QStringLiteral("1/12/4"));
    std::vector<QString> monthsAtReport;
    seams.modalDefault["Houkoku"] = [&] {
        monthsAtReport.push_back(prog.kivora().Ye.text() + u'/' + prog.kivora().Mon.text());
        prog.houkoku().frame1Click();
    };
    tick(101);
    EXPECT_EQ((std::vector<QString>{u"1/13"_qs, u"1/1"_qs}), monthsAtReport);
    EXPECT_EQ(date(), QStringLiteral("2/1/1"));
    EXPECT_EQ(prog.state.Ye1, 2);
    EXPECT_EQ(prog.state.Mon1, 1);
}
