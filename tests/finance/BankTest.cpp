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
    const ui::Prompt& q = seams.asked.back();
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
