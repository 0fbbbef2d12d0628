#include "finance/Bank.h"
#include "support/TestSeams.h"

using ui::Answer;

namespace {
const QString kQuestion = QStringLiteral("融資3億円受けますか？返済は3年後に4.5億円です");
const QString kFree = QStringLiteral("借りれます");
const QString kLending = QStringLiteral("借りています");
}  // namespace

class BankTest : public GameTest {
protected:
    finance::Bank& bank() { return prog.bank(); }
    // Opens the bank with "銀行", lets the player act in it, closes it with "OK".
    void inBank(std::function<void()> moves) {
        seams.modal["Bank"].push_back([this, moves] {
            moves();
            act([&] { bank().command6Click(); });
        });
        act([&] { prog.main().command8Click(); });
    }
    void click(int window) { act([&] { bank().windowClick(window); }); }
    // Takes a loan at each window given, answering Yes.
    void borrow(std::initializer_list<int> windows) {
        inBank([&, windows] {
            for (int n : windows) {
                seams.expect(kQuestion, Answer::Yes);
                click(n);
            }
        });
    }
    void expectFree(int n) {
        EXPECT_EQ(bank().status(n).text(), kFree) << "window " << n;
        EXPECT_EQ(bank().due(n).text(), QString()) << "window " << n;
    }
};

TEST_F(BankTest, TheBankButtonComesWithAGame) {
    openFrame();
    EXPECT_FALSE(prog.main().Command8.enabled);
    newGame();
    EXPECT_TRUE(prog.main().Command8.enabled);
}

TEST_F(BankTest, OpensFreeWithTheClockHeldAndOkRestartsItAtTheSpeed) {
    startGame();
    prog.state.Spe = 30;
    inBank([&] {
        EXPECT_EQ(bank().caption, QStringLiteral("銀行　-　期限は守りましょう"));
        EXPECT_EQ(bank().Label1.text(), QStringLiteral("銀行で融資を受けましょう"));
        EXPECT_EQ(bank().Label2.text(), QStringLiteral("状態"));
        for (int n = 1; n <= 5; ++n) {
            EXPECT_EQ(bank().button(n).caption, QStringLiteral("窓口%1").arg(n));
            expectFree(n);
        }
        EXPECT_EQ(prog.kivora().Timer1.interval(), 0);
        tick(300);
    });
    EXPECT_EQ(seams.modalShown, std::vector<std::string>{"Bank"});
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));  // no week passed while it was open
    EXPECT_FALSE(prog.bank.exists());
    EXPECT_EQ(prog.kivora().Timer1.interval(), 30);
}

TEST_F(BankTest, CloseBoxRestartsTheClockButKeepsAPause) {
    startGame();
    act([&] { prog.main().command4Click(); });  // pause
    seams.modal["Bank"].push_back([&] { act([&] { bank().closeBox(); }); });
    act([&] { prog.main().command8Click(); });
    EXPECT_FALSE(prog.bank.exists());
    EXPECT_EQ(prog.kivora().Timer1.interval(), 50);
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
}

TEST_F(BankTest, ALoanAtYearOneMonthFourFallsDueInYearFourMonthFour) {
    startGame();
    borrow({1});
    const ui::Prompt q = seams.shown();
    EXPECT_EQ(q.buttons, ui::Prompt::Buttons::YesNo);
    EXPECT_EQ(q.icon, ui::Prompt::Icon::Question);
    EXPECT_EQ(prog.state.M1ye, 4);
    EXPECT_EQ(prog.state.M1mo, 4);
    EXPECT_EQ(money(), QStringLiteral("400"));
    EXPECT_EQ(prog.main().OkaneH.text(), QStringLiteral("400"));
    // Reopened, the bank draws the loan from the record; a lending window asks
    // nothing and lends nothing more.
    inBank([&] {
        EXPECT_EQ(bank().Label3.text(), kLending);
        EXPECT_EQ(bank().as1.text(), QStringLiteral("返済は4年の4月です"));
        for (int n = 2; n <= 5; ++n) expectFree(n);
        click(1);
    });
    EXPECT_EQ(seams.asked.size(), 1u);
    EXPECT_EQ(money(), QStringLiteral("400"));
}

TEST_F(BankTest, NoChangesNothing) {
    startGame();
    inBank([&] {
        seams.expect(kQuestion, Answer::No);
        click(3);
        expectFree(3);
    });
    EXPECT_EQ(prog.state.M3ye, 0);
    EXPECT_EQ(prog.state.M3mo, 0);
    EXPECT_EQ(money(), QStringLiteral("100"));
}

TEST_F(BankTest, FiveWindowsLendIndependently) {
    startGame();
    act([&] { prog.kivora().Mon.setText(QStringLiteral("12")); });  // a month end to December
    act([&] { prog.kivora().Ye.setText(QStringLiteral("12")); });
    borrow({2, 5});
    EXPECT_EQ(money(), QStringLiteral("704"));
    inBank([&] {
        expectFree(1);
        EXPECT_EQ(bank().Label4.text(), kLending);
        EXPECT_EQ(bank().as2.text(), QStringLiteral("返済は15年の12月です"));
        expectFree(3);
        expectFree(4);
        EXPECT_EQ(bank().Label7.text(), kLending);
        EXPECT_EQ(bank().as5.text(), QStringLiteral("返済は15年の12月です"));
    });
}

// The record keeps the due year in 8 bits: a loan due after year 255 is refused.
TEST_F(BankTest, NoLoanFallsDueAfterYear255) {
    startGame();
    act([&] { prog.kivora().Ye.setText(QStringLiteral("253")); });
    inBank([&] {
        seams.expect(QStringLiteral("これ以上先の返済期限では融資できません"));
        click(1);
        expectFree(1);
    });
    EXPECT_EQ(prog.state.M1ye, 0);
    EXPECT_EQ(prog.state.M1mo, 0);
    EXPECT_EQ(money(), QStringLiteral("100"));
    act([&] { prog.kivora().Ye.setText(QStringLiteral("252")); });
    borrow({1});
    EXPECT_EQ(prog.state.M1ye, 255);
    EXPECT_EQ(money(), QStringLiteral("400"));
    inBank([&] { EXPECT_EQ(bank().as1.text(), QStringLiteral("返済は255年の4月です")); });
}

// Repayment at the month end.
class RepaymentTest : public BankTest {
protected:
    // One month end now, by writing the next month as the clock would.
    void monthEnd() {
        act([&] {
            auto& k = prog.kivora();
            k.Mon.setNumber(k.Mon.number() + 1);
        });
    }
    // Shows the year and then the month (a month end of its own).
    void jumpTo(int year, int month) {
        act([&] { prog.kivora().Ye.setNumber(year); });
        act([&] { prog.kivora().Mon.setNumber(month); });
    }
    double cash() { return prog.main().Okane.number(); }
    void setMoney(const char* m) { act([&] { prog.main().Okane.setText(QString::fromUtf8(m)); }); }
    static QString repaid(int n) { return QStringLiteral("窓口%1の融資返済です").arg(n); }
};

TEST_F(RepaymentTest, RepaidAtTheMonthEndShowingTheDueDateAndNotBefore) {
    startGame();
    borrow({1});
    // Thirty-five month ends pass without a word (any message would fail here).
    for (int week = 0; week < 200 && date() != QStringLiteral("4/3/1"); ++week) tick(101);
    ASSERT_EQ(date(), QStringLiteral("4/3/1"));
    EXPECT_EQ(prog.state.M1mo, 4);
    const double before = cash();
    seams.expect(repaid(1), Answer::Ok, [&] {
        EXPECT_EQ(date(), QStringLiteral("4/4/1"));
        EXPECT_EQ(cash(), before + 4);  // the month was booked first
    });
    tick(404);
    EXPECT_EQ(date(), QStringLiteral("4/4/1"));
    EXPECT_EQ(seams.asked.size(), 2u);  // the question and the one repayment
    EXPECT_EQ(cash(), before + 4 - 450);
    EXPECT_EQ(prog.state.M1ye, 0);
    EXPECT_EQ(prog.state.M1mo, 0);
}

TEST_F(RepaymentTest, TwoWindowsDueTogetherAreRepaidInWindowOrder) {
    startGame();
    borrow({5, 2});
    jumpTo(4, 3);
    setMoney("1000");
    const double before = cash();
    seams.expect(repaid(2));
    seams.expect(repaid(5));
    monthEnd();
    EXPECT_EQ(cash(), before + 4 - 900);
    EXPECT_EQ(prog.state.M2mo, 0);
    EXPECT_EQ(prog.state.M5mo, 0);
}

// A loan is collected at the month end that enters its month, the last of the
// year as any other.
TEST_F(RepaymentTest, CollectedAtTheMonthEndThatEntersItsMonth) {
    startGame();
    for (const int due : {11, 12}) {
        SCOPED_TRACE(due);
        act([&] { prog.state.M1ye = 4, prog.state.M1mo = uint8_t(due); });
        jumpTo(4, due - 1);
        setMoney("1000");
        seams.expect(repaid(1));
        monthEnd();
        EXPECT_EQ(prog.state.M1mo, 0);
    }
}

// A repayment message left open lets the clock run a month end inside it; the
// window after it was due in the month this step is for and is still repaid.
TEST_F(RepaymentTest, AMessageLeftOpenForAMonthStillRepaysTheNextWindow) {
    startGame();
    borrow({2, 5});
    jumpTo(4, 3);
    setMoney("1000");
    const double before = cash();
    seams.expect(repaid(2), Answer::Ok, [&] { tick(405); });  // the first week of a game is 102 ticks
    seams.expect(repaid(5));
    monthEnd();
    EXPECT_EQ(date(), QStringLiteral("4/5/1"));
    EXPECT_EQ(cash(), before + 4 + 4 - 900);
    EXPECT_EQ(prog.state.M5mo, 0);
}

// The turn of the year settles month 1 while the old year is still shown; a
// loan due in month 1 of year 5 is collected at the turn into year 5 all the
// same, as the bank said.
TEST_F(RepaymentTest, ALoanDueInJanuaryIsCollectedAtTheTurnIntoThatJanuary) {
    startGame();
    act([&] { prog.kivora().Mon.setText(QStringLiteral("12")); });
    tick(405);
    ASSERT_EQ(date(), QStringLiteral("2/1/1"));
    borrow({1});
    inBank([&] { EXPECT_EQ(bank().as1.text(), QStringLiteral("返済は5年の1月です")); });
    jumpTo(4, 12);
    tick(404 - 101);
    setMoney("1000");
    const double before = cash();
    seams.expect(repaid(1), Answer::Ok, [&] { EXPECT_EQ(prog.kivora().Mon.text(), QStringLiteral("1")); });
    tick(101);
    EXPECT_EQ(date(), QStringLiteral("5/1/1"));
    EXPECT_EQ(prog.state.M1mo, 0);
    EXPECT_EQ(cash(), before + 4 + 4 - 450);  // the turn settles twice, then collects once
    EXPECT_EQ(prog.state.YearTurn, 0);
    act([&] { prog.kivora().Mon.setText(QStringLiteral("12")); });
    tick(404);  // and nothing more a year later
    EXPECT_EQ(date(), QStringLiteral("6/1/1"));
}

// The turn's January message left open for four weeks: the February month end
// runs inside it, with the old year still shown, and is 5年2月 all the same.
TEST_F(RepaymentTest, AMonthEndInsideTheYearTurnIsInTheYearBeingEntered) {
    startGame();
    act([&] { prog.state.M1ye = 5, prog.state.M1mo = 2; });
    jumpTo(4, 12);
    tick(304);  // a new game's first week is 102 ticks
    setMoney("1000");
    act([&] { prog.game().Pop.setNumber(5000); });
    seams.second = 30;  // month 13 builds nothing, January builds
    seams.modal["Houkoku"].push_back([&] {
        seams.second = 6;
        prog.houkoku().frame1Click();
    });
    seams.expect(QStringLiteral("マンションが建ちました"), Answer::Ok, [&] {
        seams.second = 30;
        seams.expect(repaid(1), Answer::Ok, [&] { EXPECT_EQ(date(), QStringLiteral("4/2/1")); });
        tick(404);
    });
    tick(101);
    EXPECT_EQ(date(), QStringLiteral("5/2/1"));
    EXPECT_EQ(prog.state.M1mo, 0);
    QStringList months;
    for (const state::MonthRow& r : prog.history.rows()) months << QStringLiteral("%1/%2").arg(r.year).arg(r.month);
    EXPECT_EQ(months.mid(months.size() - 3), QStringList({"4/12", "5/1", "5/2"}));
}

// A loan whose month has already passed (a save from a copy that collected
// January loans a year late) is overdue: the next month end collects it.
TEST_F(RepaymentTest, AnOverdueLoanIsCollectedAtTheNextMonthEnd) {
    startGame();
    borrow({2, 4});
    jumpTo(4, 2);
    setMoney("1000");
    act([&] {
        prog.state.M2ye = 3, prog.state.M2mo = 12;
        prog.state.M4ye = 4, prog.state.M4mo = 1;
    });
    const double before = cash();
    seams.expect(repaid(2));
    seams.expect(repaid(4));
    monthEnd();
    EXPECT_EQ(cash(), before + 4 - 900);
    EXPECT_EQ(prog.state.M2mo, 0);
    EXPECT_EQ(prog.state.M4mo, 0);
}

TEST_F(RepaymentTest, ReopenedAfterARepaymentTheWindowIsFreeAndLendsAgain) {
    startGame();
    borrow({4});
    jumpTo(4, 3);
    setMoney("1000");
    seams.expect(repaid(4));
    monthEnd();
    EXPECT_FALSE(prog.bank.exists());  // the month end leaves no hidden bank behind
    inBank([&] {
        expectFree(4);
        seams.expect(kQuestion, Answer::Yes);
        click(4);
        EXPECT_EQ(bank().Label6.text(), kLending);
        EXPECT_EQ(bank().as4.text(), QStringLiteral("返済は7年の4月です"));
    });
}

TEST_F(RepaymentTest, AnOpenBankShowsTheWindowFreedAtOnce) {
    startGame();
    borrow({3});
    inBank([&] {
        jumpTo(4, 3);
        setMoney("1000");
        seams.expect(repaid(3));
        monthEnd();
        expectFree(3);
    });
}

// While a game loads no money moves: a loan due in the loaded month waits,
// overdue, for the next month end.
TEST_F(RepaymentTest, TheLoadingGuardCollectsNothing) {
    startGame();
    borrow({1});
    jumpTo(4, 3);
    setMoney("1000");
    seams.modalShown.clear();
    prog.state.Era = 1;
    monthEnd();  // the load writes the due month
    EXPECT_TRUE(seams.modalShown.empty()) << "a report was shown while loading";
    EXPECT_EQ(money(), QStringLiteral("1000"));
    EXPECT_EQ(prog.state.M1mo, 4);
    prog.state.Era = 0;  // as the next week change does
    seams.expect(repaid(1));
    monthEnd();
    EXPECT_EQ(money(), QStringLiteral("554"));
    EXPECT_EQ(prog.state.M1mo, 0);
}

// Money below one million after a repayment ends the game as after a report:
// the defeat message, then nothing more.
TEST_F(RepaymentTest, ARepaymentThatEndsTheGame) {
    startGame();
    borrow({1, 2});
    jumpTo(4, 3);
    setMoney("200");
    seams.expect(repaid(1));
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
    monthEnd();
    EXPECT_TRUE(seams.endedNow);
    EXPECT_EQ(prog.state.end, state::GameState::End::Over);
    EXPECT_EQ(money(), QStringLiteral("-246"));  // 200 + 4 booked - 450
    EXPECT_EQ(prog.main().Simo.text(), QStringLiteral("0円"));
    EXPECT_EQ(prog.state.M2mo, 4);  // window 2 was not reached
    EXPECT_FALSE(prog.houkoku.exists());
    EXPECT_FALSE(prog.bank.exists());
    tick(1000);
    EXPECT_EQ(date(), QStringLiteral("4/4/1"));
}

// The loans belong to the game that took them: a new game starts owing nothing.
TEST_F(RepaymentTest, ANewGameStartsWithEveryWindowFree) {
    startGame();
    borrow({1, 3});
    seams.expect(QStringLiteral("終了しますか？"), Answer::Yes);
    newGame(QStringLiteral("鈴木"));
    EXPECT_EQ(money(), QStringLiteral("100"));
    inBank([&] {
        for (int n = 1; n <= 5; ++n) expectFree(n);
    });
    jumpTo(4, 3);
    monthEnd();  // 4/4: nothing falls due
    EXPECT_EQ(money(), QStringLiteral("108"));
}
