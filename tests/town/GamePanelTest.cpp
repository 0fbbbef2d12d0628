#include "support/TestSeams.h"
#include "town/Game.h"

TEST(Grades, Boundaries) {
    using town::gradeFor;
    EXPECT_EQ(gradeFor(0), QStringLiteral("村"));
    EXPECT_EQ(gradeFor(1500), QStringLiteral("村"));
    EXPECT_EQ(gradeFor(2000), QStringLiteral("村"));
    EXPECT_EQ(gradeFor(2001), QStringLiteral("町"));
    EXPECT_EQ(gradeFor(5001), QStringLiteral("街"));
    EXPECT_EQ(gradeFor(10001), QStringLiteral("地方都市"));
    EXPECT_EQ(gradeFor(50001), QStringLiteral("都市"));
    EXPECT_EQ(gradeFor(120001), QStringLiteral("県庁"));
    EXPECT_EQ(gradeFor(1000000), QStringLiteral("県庁"));
    EXPECT_EQ(gradeFor(1000001), QStringLiteral("首都"));
    EXPECT_EQ(gradeFor(-1), QString());
}

TEST(Ranks, Boundaries) {
    using town::rankFor;
    EXPECT_EQ(rankFor(100), QStringLiteral("F"));
    EXPECT_EQ(rankFor(101), QStringLiteral("E"));
    EXPECT_EQ(rankFor(2500), QStringLiteral("A"));
    EXPECT_EQ(rankFor(2501), QStringLiteral("S"));
}

class PanelTest : public GameTest {};

TEST_F(PanelTest, FocusRecomputesPopulationGradeAndHousing) {
    startGame();
    auto& g = prog.game();
    EXPECT_EQ(g.Pop.text(), QStringLiteral("0"));  // only the focus computes it
    act([&] { prog.main().command1Click(); });
    EXPECT_TRUE(g.visible);
    EXPECT_EQ(g.caption, QStringLiteral("街&ビル"));
    EXPECT_EQ(g.Pop.text(), QStringLiteral("1030"));
    EXPECT_EQ(g.Hatte.text(), QStringLiteral("村"));
    EXPECT_EQ(g.Zyuu.text(), QStringLiteral("103"));
    // New apartment blocks reach the figures only at the next focus.
    g.Apart.setText(QStringLiteral("4"));
    EXPECT_EQ(g.Pop.text(), QStringLiteral("1030"));
    act([&] { g.gotFocus(); });
    EXPECT_EQ(g.Pop.text(), QStringLiteral("3030"));
    EXPECT_EQ(g.Hatte.text(), QStringLiteral("町"));
    EXPECT_EQ(g.Zyuu.text(), QStringLiteral("103"));
}

TEST_F(PanelTest, HousingIsTruncated) {
    startGame();
    auto& g = prog.game();
    g.Zyuugyou.setText(QStringLiteral("25"));
    g.CBuil.setText(QStringLiteral("0"));
    act([&] { g.gotFocus(); });
    EXPECT_EQ(g.Pop.text(), QStringLiteral("75"));
    EXPECT_EQ(g.Zyuu.text(), QStringLiteral("7"));
}

TEST_F(PanelTest, CompanyRecountCountsOccupiedFloorsInOrder) {
    startGame();
    auto& g = prog.game();
    prog.state.setCkai(2, QStringLiteral("1"));
    prog.state.setCkai(5, QStringLiteral("2"));
    prog.state.setCkai(100, QStringLiteral("3"));
    std::vector<QString> writes;
    g.Kaisya.setText(QStringLiteral("x"));
    auto recount = g.Kaisya.onChange;
    g.Kaisya.onChange = [&] { writes.push_back(g.Kaisya.text()); recount(); };
    g.Zyuugyou.setText(QStringLiteral("70"));
    EXPECT_EQ((std::vector<QString>{u"0"_qs, u"1"_qs, u"2"_qs, u"3"_qs}), writes);
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("F"));
}

TEST_F(PanelTest, FloorCountMirrorsIntoTheRecord) {
    startGame();
    prog.game().Kaisu.setText(QStringLiteral("12"));
    EXPECT_EQ(prog.state.Kai, 12);
}

TEST_F(PanelTest, DrawBySecond) {
    startGame();
    const std::pair<int, int> draws[] = {{3, 0}, {4, 1}, {9, 2}, {15, 2}, {16, 3}, {20, 3},
                                         {21, 4}, {57, 10}, {59, 10}};
    for (auto [second, kaku] : draws) {
        seams.second = second;
        prog.game().P();
        EXPECT_EQ(prog.game().Kaku, kaku) << "second " << second;
    }
}
