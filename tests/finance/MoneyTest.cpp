#include "finance/Money.h"
#include "support/TestSeams.h"

TEST(Money, GroupingIgnoresTheLocaleAndRoundsHalfAwayFromZero) {
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(finance::grouped(1234.5), QStringLiteral("1,235"));
    EXPECT_EQ(finance::grouped(107.05), QStringLiteral("107"));
    EXPECT_EQ(finance::grouped(-2.5), QStringLiteral("-3"));
    EXPECT_EQ(finance::grouped(0.4), QString());
    EXPECT_EQ(finance::grouped(100000000000000.0), QStringLiteral("100,000,000,000,000"));
    EXPECT_EQ(finance::grouped(999), QStringLiteral("999"));
    EXPECT_EQ(finance::grouped(1000), QStringLiteral("1,000"));
    QLocale::setDefault(QLocale::c());
}

class MoneyTest : public GameTest {
protected:
    void setMoney(const char* text) { act([&] { prog.main().Okane.setText(QString::fromUtf8(text)); }); }
};

TEST_F(MoneyTest, DisplayAndCap) {
    startGame();
    setMoney("1234.5");
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("1,235"));
    EXPECT_EQ(prog.state.Money, ui::Variant::text(QStringLiteral("1234.5")));
    EXPECT_EQ(prog.state.Conma, ui::Variant::text(QStringLiteral("1,235")));
    setMoney("99999999999999");  // the largest figure still shown as it is
    EXPECT_EQ(prog.main().Simo.text(), QStringLiteral(",000,000円"));
    setMoney("100000000000000");
    EXPECT_EQ(prog.main().Simo.text(), QStringLiteral(",999,999円"));
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("100,000,000,000,000"));
    setMoney("1");
    EXPECT_FALSE(prog.ended());
    EXPECT_EQ(prog.main().Simo.text(), QStringLiteral(",999,999円"));  // until a new game
}

TEST_F(MoneyTest, BelowOneMillionEndsTheGameAfterTheWarning) {
    startGame();
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"), ui::Answer::Ok, [this] {
        EXPECT_FALSE(prog.main().OkaneH.visible);
        EXPECT_EQ(prog.main().Simo.text(), QStringLiteral("0円"));
        EXPECT_EQ(prog.state.end, state::GameState::End::LastMessage);
    });
    setMoney("0.99");
    EXPECT_EQ(seams.shown().icon, ui::Prompt::Icon::Warning);
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(prog.state.end, state::GameState::End::Over);
    tick(1000);  // nothing runs any more
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
}

TEST_F(MoneyTest, NegativeMoneyEndsTheGameToo) {
    startGame();
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
    setMoney("-3");
    EXPECT_TRUE(seams.endedNow);
}

TEST_F(MoneyTest, NoNumberIsAbandonedKeepingTheDisplay) {
    startGame();
    setMoney("abc");
    EXPECT_EQ(prog.state.Money, ui::Variant::text(QStringLiteral("abc")));
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("100"));
    EXPECT_FALSE(prog.ended());
}

class ReportTest : public GameTest {
protected:
    finance::Houkoku& report(const char* money, int total) {
        act([&] { prog.main().Okane.setText(QString::fromUtf8(money)); });
        prog.houkoku().Gou.setNumber(total);
        return prog.houkoku();
    }
};

TEST_F(ReportTest, BalanceIsBlackOrRed) {
    startGame();
    auto& h = report("100", -500);
    EXPECT_EQ(h.Syozi.text(), QStringLiteral("10000"));
    EXPECT_EQ(h.Gou2.text(), QStringLiteral("-500"));
    EXPECT_EQ(h.An.text(), QStringLiteral("9500"));
    EXPECT_EQ(h.An.colour, 0x000000u);
    act([&] { prog.houkoku.unload(); });
    auto& h2 = report("2", -500);
    EXPECT_EQ(h2.An.text(), QStringLiteral("-300"));
    EXPECT_EQ(h2.An.colour, 0xFF0000u);
    act([&] { prog.houkoku.unload(); });
    auto& h3 = report("5", -500);  // nothing left is still black
    EXPECT_EQ(h3.An.text(), QStringLiteral("0"));
    EXPECT_EQ(h3.An.colour, 0x000000u);
    act([&] { prog.houkoku.unload(); });
    EXPECT_EQ(report("12.34", 1).Syozi.text(), QStringLiteral("1234"));
}

TEST_F(ReportTest, AZeroTotalRunsNoBalanceStep) {
    startGame();
    auto& h = report("100", 0);
    EXPECT_EQ(h.Syozi.text(), QStringLiteral("0"));
    EXPECT_EQ(h.An.text(), QStringLiteral("0"));
}

TEST_F(ReportTest, CloseBoxDismissesAndRestartsTheClock) {
    startGame();
    seams.modal["Houkoku"].push_back([this] { prog.houkoku().closeBox(); });
    tick(405);
    EXPECT_FALSE(prog.houkoku.exists());
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("104"));
}
