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

// Every step of the rank ladder, each edge from both sides.
TEST(Ranks, EveryStepAndBothSidesOfEachEdge) {
    const std::pair<double, const char16_t*> rows[] = {
        {-1, u""},    {-0.5, u""},  {0, u"F"},    {100, u"F"},  {101, u"E"},   {250, u"E"},
        {251, u"D"},  {500, u"D"},  {501, u"C"},  {1000, u"C"}, {1001, u"B"},  {1700, u"B"},
        {1701, u"A"}, {2500, u"A"}, {2501, u"S"}, {1e9, u"S"},
    };
    for (auto [employees, rank] : rows)
        EXPECT_EQ(town::rankFor(employees), QString::fromUtf16(rank)) << "employees " << employees;
}

TEST(ClearCode, ShiftedCountersInCapitalHexYearFirst) {
    using town::clearCode;
    static_assert(town::kClearCodeOffset == 7, "the codes below were worked out for 7");
    EXPECT_EQ(clearCode(1, 4, 1), QStringLiteral("8B8"));          // 8, 11, 8
    EXPECT_EQ(clearCode(10, 12, 3), QStringLiteral("1113A"));      // 17, 19, 10
    EXPECT_EQ(clearCode(8, 3, 4), QStringLiteral("FAB"));          // 15, 10, 11
    EXPECT_EQ(clearCode(9, 3, 4), QStringLiteral("10AB"));         // 16: two digits
    EXPECT_EQ(clearCode(255, 1, 2), QStringLiteral("10689"));      // 262, 8, 9
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

// The rank follows the employees whenever the company count is written.
TEST_F(PanelTest, RankFollowsEachWriteOfTheCompanyCount) {
    startGame();
    auto& g = prog.game();
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("F"));  // the new game's first recount
    prog.state.setCkai(2, QStringLiteral("3"));
    g.Zyuugyou.setText(QStringLiteral("2501"));
    EXPECT_EQ(g.Kaisya.text(), QStringLiteral("1"));
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("S"));
    // A count below 0 gives no rank: the old one stays.
    g.Zyuugyou.setText(QStringLiteral("-3"));
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("S"));
    // Only a change of the company count triggers it: once no floor is let,
    // the recount writes the "0" it already shows and the rank stays behind.
    prog.state.setCkai(2, QStringLiteral("0"));
    g.Zyuugyou.setText(QStringLiteral("300"));  // "1" -> "0": ranked from 300
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("D"));
    g.Zyuugyou.setText(QStringLiteral("700"));  // "0" -> "0": no rank written
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("D"));
}

class VictoryTest : public PanelTest {
protected:
    // A company on floor 2 so that the recount changes the company count.
    void employees(const QString& n) {
        prog.state.setCkai(2, QStringLiteral("3"));
        prog.game().Zyuugyou.setText(n);
    }
    void focusPanel() { act([&] { prog.main().command1Click(); }); }
};

TEST_F(VictoryTest, TopRankInTheCapitalWinsAtTheNextFocus) {
    startGame();
    employees(QStringLiteral("2501"));
    prog.game().CBuil.setText(QStringLiteral("1000"));  // 1,000,000 + 7,503 people
    act([&] { prog.kivora().Ye.setText(QStringLiteral("10")); });
    act([&] { prog.main().Okane.setText(QStringLiteral("777")); });
    // The population crosses into the capital in the focus that wins.
    EXPECT_EQ(prog.game().Hatte.text(), QStringLiteral("0"));
    seams.expect(QStringLiteral("ゲームクリア!パスは11B8"));
    focusPanel();
    ASSERT_EQ(seams.asked.size(), 1u);
    const ui::Prompt& won = seams.asked.back();
    EXPECT_EQ(won.title, QStringLiteral("ゲームのクリア"));
    EXPECT_EQ(won.buttons, ui::Prompt::Buttons::Ok);
    EXPECT_EQ(won.icon, ui::Prompt::Icon::None);
    EXPECT_EQ(prog.game().Hatte.text(), QStringLiteral("首都"));
    EXPECT_TRUE(seams.endedNow);
    EXPECT_TRUE(prog.ended());
    // Ended at once: no exit question, no save, and the clock is gone.
    EXPECT_EQ(prog.state.GameOver, 0);
    const QString before = date();
    tick(500);
    EXPECT_EQ(date(), before);
}

TEST_F(VictoryTest, BothTheTopRankAndTheCapitalAreNeeded) {
    startGame();
    struct Case { const char* employees; const char* buildings; const char* grade; };
    const Case cases[] = {
        {"2501", "100", "都市"},   // S, 107,503 people
        {"2501", "990", "県庁"},   // S, 997,503 people
        {"2500", "1000", "首都"},  // A, 1,007,500 people
    };
    for (const Case& c : cases) {
        employees(QString::fromUtf8(c.employees));
        prog.game().CBuil.setText(QString::fromUtf8(c.buildings));
        focusPanel();
        EXPECT_EQ(prog.game().Hatte.text(), QString::fromUtf8(c.grade));
        EXPECT_FALSE(prog.ended()) << c.employees << " employees in " << c.grade;
    }
    EXPECT_TRUE(seams.asked.empty());
}
