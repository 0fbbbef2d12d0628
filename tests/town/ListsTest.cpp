#include "building/Choic.h"
#include "building/Choiwin.h"
#include "support/TestSeams.h"
#include "town/Kaisyamei.h"
#include "town/Shisetu.h"

using ui::Answer;

class ListsTest : public GameTest {
protected:
    // Through the building window and the floor browser, as the player does.
    void place(int floor, int item, bool replacing = false) {
        building::Kivora& k = prog.kivora();
        act([&] { k.gotFocus(); });
        act([&] { k.label1Click((floor - 1) / 10); });
        act([&] { k.label2Click((floor - 1) % 10); });
        if (replacing)
            seams.expect(QStringLiteral("すでに会社が入っていますが変えますか？"), Answer::Yes);
        seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
        seams.modal["Choic"].push_back([this, item] {
            building::Choic& c = prog.choic();
            c.Na.selected = item;
            c.naClick();
            c.command1Click();
        });
        act([&] { prog.choiwin().追加Click(); });
    }
    QStringList counts() {
        town::Kaisyamei& w = prog.kaisyamei();
        return {w.HO.text(), w.RE.text(), w.KA.text()};
    }
    void openCounts() { act([&] { prog.game().label9Click(); }); }
    int interval() { return prog.kivora().Timer1.interval(); }
};

TEST_F(ListsTest, TenantCountsFollowPlacingAndReplacingAtEachOpening) {
    startGame();
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(prog.kaisyamei().caption, QStringLiteral("詳細"));
    act([&] { prog.kaisyamei().command1Click(); });

    prog.game().Kaisu.setNumber(8);
    place(2, 0);  // hotel
    place(3, 0);  // hotel
    place(4, 1);  // restaurant
    place(7, 2);  // company
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"2", "1", "1"}));
    EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("4"));
    act([&] { prog.kaisyamei().closeBox(); });

    // The company on floor 7 gives way to a restaurant, a hotel to a company.
    place(7, 1, true);
    place(3, 2, true);
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"1", "2", "1"}));
    EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("4"));

    // Left open, the window keeps what it counted, and a second click on the
    // link shows it again without counting.
    place(5, 0);
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"1", "2", "1"}));
    act([&] { prog.kaisyamei().command1Click(); });
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"2", "2", "1"}));
    act([&] { prog.kaisyamei().command1Click(); });

    // The top floor counts as every other.
    prog.game().Kaisu.setNumber(100);
    place(100, 2);
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"2", "2", "2"}));
    act([&] { prog.kaisyamei().command1Click(); });

    // The facilities list stays empty whatever the building holds.
    seams.modal["Shisetu"].push_back([this] {
        EXPECT_TRUE(prog.shisetu().List1.items.isEmpty());
        prog.shisetu().command1Click();
    });
    act([&] { prog.game().label10Click(); });
}

TEST_F(ListsTest, TheTenantCountsHoldTheClockWithoutBlocking) {
    startGame();
    tick(30);
    openCounts();
    EXPECT_TRUE(prog.kaisyamei().visible);
    EXPECT_FALSE(prog.kaisyamei().modal);
    EXPECT_TRUE(seams.modalShown.empty());
    EXPECT_EQ(interval(), 0);
    tick(500);
    EXPECT_EQ(date(), QStringLiteral("1/4/1"));
    // Other windows can still be used meanwhile.
    act([&] { prog.main().command1Click(); });
    EXPECT_TRUE(prog.game().visible);
    act([&] { prog.kaisyamei().command1Click(); });
    EXPECT_FALSE(prog.kaisyamei.exists());
    EXPECT_EQ(interval(), 50);
    tick(72);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));

    // The close box does the same, and a paused game stays paused.
    act([&] { prog.main().command4Click(); });
    openCounts();
    act([&] { prog.kaisyamei().closeBox(); });
    EXPECT_FALSE(prog.kaisyamei.exists());
    EXPECT_EQ(interval(), 50);
    EXPECT_FALSE(prog.kivora().Timer1.enabled());
}

TEST_F(ListsTest, TheFacilitiesListIsModalAndHoldsTheClock) {
    startGame();
    for (bool byButton : {true, false}) {
        seams.modal["Shisetu"].push_back([this, byButton] {
            town::Shisetu& s = prog.shisetu();
            EXPECT_EQ(s.caption, QStringLiteral("施設"));
            EXPECT_TRUE(s.modal);
            EXPECT_EQ(interval(), 0);
            tick(500);
            EXPECT_EQ(date(), QStringLiteral("1/4/1"));
            byButton ? s.command1Click() : s.closeBox();
        });
        act([&] { prog.game().label10Click(); });
        EXPECT_FALSE(prog.shisetu.exists());
        EXPECT_EQ(interval(), 50);
    }
    tick(102);
    EXPECT_EQ(date(), QStringLiteral("1/4/2"));
}

// A new game over a running one closes the frame with its windows: the
// counts of the old building go with it.
TEST_F(ListsTest, TheTenantCountsCloseWithTheFrame) {
    startGame();
    prog.state.setCkai(2, QStringLiteral("1"));
    openCounts();
    EXPECT_EQ(counts(), (QStringList{"1", "0", "0"}));
    seams.expect(QStringLiteral("終了しますか？"), Answer::Yes);
    newGame(QStringLiteral("鈴木"));
    EXPECT_FALSE(prog.kaisyamei.exists());
    EXPECT_EQ(interval(), 50);
}
