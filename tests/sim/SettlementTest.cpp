#include <QFile>

#include "support/TestSeams.h"
#include "town/Game.h"

using ui::Answer;

class SettlementTest : public GameTest {
protected:
    // Runs one month end now, by writing the next month as the clock would.
    void monthEnd() {
        act([&] {
            auto& k = prog.kivora();
            k.Mon.setNumber(k.Mon.number() + 1);
        });
    }
    void setPopulation(int pop) { prog.game().Pop.setNumber(pop); }
};

TEST_F(SettlementTest, FirstMonthOfANewBuilding) {
    startGame();
    seams.modal["Houkoku"].push_back([this] {
        auto& h = prog.houkoku();
        EXPECT_EQ(h.Syunyu.text(), QStringLiteral("1000"));
        EXPECT_EQ(h.Keihi.text(), QStringLiteral("300"));
        EXPECT_EQ(h.Izi.text(), QStringLiteral("300"));
        EXPECT_EQ(h.Other.text(), QStringLiteral("0"));
        EXPECT_EQ(h.Gou.text(), QStringLiteral("400"));
        EXPECT_EQ(h.Syozi.text(), QStringLiteral("10000"));
        EXPECT_EQ(h.Gou2.text(), QStringLiteral("400"));
        EXPECT_EQ(h.An.text(), QStringLiteral("10400"));
        EXPECT_EQ(h.An.colour, 0x000000u);
        EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("100"));  // not booked yet
        h.frame1Click();
    });
    tick(405);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("104"));
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("104"));
    EXPECT_EQ(prog.state.Last, ui::Variant::real(10400));
    EXPECT_EQ(prog.state.Mon1, 5);
}

TEST_F(SettlementTest, TenantsAndConstructionInTheAccounts) {
    startGame();
    prog.state.setCkai(2, QStringLiteral("1"));
    prog.state.setCkai(3, QStringLiteral("3"));
    prog.game().Zyuugyou.setText(QStringLiteral("50"));
    prog.kivora().コスト = 100;
    seams.modal["Houkoku"].push_back([this] {
        auto& h = prog.houkoku();
        EXPECT_EQ(h.Syunyu.text(), QStringLiteral("6000"));
        EXPECT_EQ(h.Keihi.text(), QStringLiteral("1500"));
        EXPECT_EQ(h.Other.text(), QStringLiteral("10000"));
        EXPECT_EQ(h.Gou.text(), QStringLiteral("-5800"));
        h.frame1Click();
    });
    monthEnd();
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("42"));
    EXPECT_EQ(prog.kivora().コスト, 0);
}

TEST_F(SettlementTest, MoneyIsWrittenWithFifteenDigitsAtMost) {
    startGame();
    act([&] { prog.main().Okane.setText(QStringLiteral("108.4")); });
    prog.game().Zyuugyou.setText(QStringLiteral("9.33333333333333"));  // salaries 280: +420
    monthEnd();
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("112.6"));
    act([&] { prog.main().Okane.setText(QStringLiteral("114.32")); });
    prog.game().Zyuugyou.setText(QStringLiteral("64.4666666666667"));  // salaries 1934: -1234
    monthEnd();
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("101.98"));
}

TEST_F(SettlementTest, ApartmentGrowthIsStrictlyAboveTheThreshold) {
    startGame();
    prog.game().Apart.setText(QStringLiteral("1"));
    seams.second = 4;  // draw 1
    setPopulation(2800);
    monthEnd();
    EXPECT_EQ(prog.game().Apart.text(), QStringLiteral("1"));
    setPopulation(2801);
    seams.expect(QStringLiteral("マンションが建ちました"));
    monthEnd();
    EXPECT_EQ(prog.game().Apart.text(), QStringLiteral("2"));
    // The population itself waits for the panel's focus.
    EXPECT_EQ(prog.game().Pop.text(), QStringLiteral("2801"));
}

TEST_F(SettlementTest, OtherBuildingsAndTheDrawBySecond) {
    startGame();
    setPopulation(3501);
    seams.second = 20;  // draw 3
    seams.expect(QStringLiteral("他社のビルが建ちました"));
    monthEnd();
    EXPECT_EQ(prog.game().CBuil.text(), QStringLiteral("2"));
    for (int s : {0, 3, 21, 40, 59}) {  // draws 0, 0, 4, 7, 10: nothing grows
        seams.second = s;
        setPopulation(1000000);
        monthEnd();
    }
    EXPECT_EQ(prog.game().CBuil.text(), QStringLiteral("2"));
    EXPECT_EQ(prog.game().Apart.text(), QStringLiteral("0"));
    seams.second = 15;  // draw 2 (2.5 to even)
    seams.expect(QStringLiteral("マンションが建ちました"));
    monthEnd();
    EXPECT_EQ(prog.game().Apart.text(), QStringLiteral("1"));
}

TEST_F(SettlementTest, OtherBuildingsNeedMoreThanTheMarginExactly) {
    startGame();
    seams.second = 18;  // draw 3
    setPopulation(3500);  // 3500 - 1500 × 1 = 2000: not above
    monthEnd();
    EXPECT_EQ(prog.game().CBuil.text(), QStringLiteral("1"));
    setPopulation(3501);
    seams.expect(QStringLiteral("他社のビルが建ちました"));
    monthEnd();
    EXPECT_EQ(prog.game().CBuil.text(), QStringLiteral("2"));
    setPopulation(5000);  // 5000 - 1500 × 2 = 2000 again
    monthEnd();
    EXPECT_EQ(prog.game().CBuil.text(), QStringLiteral("2"));
}

TEST_F(SettlementTest, LoadingGuardSkipsTheAccountsButTurnsTheYear) {
    startGame();
    prog.kivora().コスト = 50;
    prog.state.Era = 1;
    act([&] { prog.kivora().Mon.setText(QStringLiteral("13")); });
    EXPECT_TRUE(seams.modalShown.empty());
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("100"));
    EXPECT_EQ(prog.kivora().コスト, 50);
    EXPECT_EQ(prog.state.Mon1, 4);
    EXPECT_EQ(date(), QStringLiteral("2/1/1"));
}

TEST_F(SettlementTest, YearTurnChargesConstructionOnlyOnce) {
    startGame();
    act([&] { prog.kivora().Mon.setText(QStringLiteral("12")); });
    act([&] { prog.main().Okane.setText(QStringLiteral("500")); });
    prog.kivora().コスト = 100;
    std::vector<QString> charged;
    seams.modalDefault["Houkoku"] = [&] {
        charged.push_back(prog.houkoku().Other.text());
        prog.houkoku().frame1Click();
    };
    monthEnd();
    EXPECT_EQ((std::vector<QString>{u"10000"_qs, u"0"_qs}), charged);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("408"));  // 500 - 96 + 4
    EXPECT_EQ(date(), QStringLiteral("2/1/1"));
}

TEST_F(SettlementTest, DefeatBelowOneMillionEndsAtTheBooking) {
    startGame();
    prog.game().Zyuugyou.setText(QStringLiteral("340"));  // 1000-10200-300 = -9500
    prog.kivora().コスト = 4;                               // -400 more: -9900
    monthEnd();
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("1"));
    EXPECT_FALSE(prog.ended());
    act([&] { prog.main().Okane.setText(QStringLiteral("100")); });
    prog.game().Zyuugyou.setText(QStringLiteral("341.666666666667"));  // -9950
    prog.kivora().コスト = 4;
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
    monthEnd();
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("0.5"));
    EXPECT_EQ(prog.main().Simo.text(), QStringLiteral("0円"));
    EXPECT_EQ(prog.state.end, state::GameState::End::Over);
    EXPECT_EQ(prog.kivora().コスト, 4);  // nothing after the booking ran
    EXPECT_EQ(prog.state.Mon1, 5);
}

// A growth message left open lets the clock run a whole further month end
// inside this one; each month is booked once and no money is lost.
TEST_F(SettlementTest, AMonthEndNestedInsideAnOpenGrowthMessage) {
    startGame();
    setPopulation(5000);
    seams.second = 6;  // draw 1: an apartment block at once
    int reports = 0;
    seams.modalDefault["Houkoku"] = [&] {
        ++reports;
        prog.houkoku().frame1Click();
    };
    seams.second = 6;
    seams.expect(QStringLiteral("マンションが建ちました"), Answer::Ok, [&] {
        seams.second = 30;  // the nested month draws nothing
        tick(101 * 4);      // a further month end, nested
        EXPECT_EQ(reports, 1);
        EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("104"));
    });
    tick(405);
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("108"));
    EXPECT_EQ(date(), QStringLiteral("1/6/1"));
    EXPECT_EQ(prog.state.Mon1, 6);
}

// The same at the turn of the year: the year turns into the month the clock
// reached, as its month ends were dated, so the history never runs ahead of
// the date, keeps its rows in the calendar's order and comes back whole with
// the automatic save.
TEST_F(SettlementTest, NestedMonthEndAtTheYearTurnStillTurnsTheYear) {
    startGame();
    act([&] { prog.kivora().Mon.setText(QStringLiteral("12")); });
    tick(101 * 3 + 1);
    setPopulation(5000);
    seams.second = 6;
    seams.expect(QStringLiteral("マンションが建ちました"), Answer::Ok, [&] {
        seams.second = 30;
        tick(101 * 4);
    });
    tick(101);
    EXPECT_EQ(date(), QStringLiteral("2/2/1"));
    std::vector<std::pair<int, int>> months;
    for (const state::MonthRow& r : prog.history.rows()) months.emplace_back(r.year, r.month);
    EXPECT_EQ(months, (std::vector<std::pair<int, int>>{{1, 12}, {2, 1}, {2, 2}}));
    QFile save(shell::saveFile(prog, shell::Slot::Auto)), history(shell::historyFile(prog, shell::Slot::Auto));
    ASSERT_TRUE(save.open(QIODevice::ReadOnly) && history.open(QIODevice::ReadOnly));
    EXPECT_EQ(state::historyFor(history.readAll(), save.readAll(), 2, 2), prog.history.rows());
    tick(404);
    EXPECT_EQ(date(), QStringLiteral("2/3/1"));
}
