#include <QFile>

#include "support/TestSeams.h"
#include "town/Game.h"
#include "town/Ladders.h"

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

// Every step of both ladders, on both sides of its edge, through the panel's
// own handlers: the population's change writes the grade, the recount the rank.
// 目標 reads how far the next step is from the same ladders.
TEST_F(PanelTest, EveryGradeAndRankEdgeOnBothSides) {
    startGame();
    auto& g = prog.game();
    const struct { int figure; const char* grade; const char* rank; const char* nextGrade; const char* nextRank; } rows[] = {
        {0, "村", "F", "町 2001", "E 101"},           {100, "村", "F", "町 1901", "E 1"},
        {101, "村", "E", "町 1900", "D 150"},         {250, "村", "E", "町 1751", "D 1"},
        {251, "村", "D", "町 1750", "C 250"},         {500, "村", "D", "町 1501", "C 1"},
        {501, "村", "C", "町 1500", "B 500"},         {1000, "村", "C", "町 1001", "B 1"},
        {1001, "村", "B", "町 1000", "A 700"},        {1700, "村", "B", "町 301", "A 1"},
        {1701, "村", "A", "町 300", "S 800"},         {2000, "村", "A", "町 1", "S 501"},
        {2001, "町", "A", "街 3000", "S 500"},        {2500, "町", "A", "街 2501", "S 1"},
        {2501, "町", "S", "街 2500", " 0"},           {5000, "町", "S", "街 1", " 0"},
        {5001, "街", "S", "地方都市 5000", " 0"},     {10000, "街", "S", "地方都市 1", " 0"},
        {10001, "地方都市", "S", "都市 40000", " 0"}, {50000, "地方都市", "S", "都市 1", " 0"},
        {50001, "都市", "S", "県庁 70000", " 0"},     {120000, "都市", "S", "県庁 1", " 0"},
        {120001, "県庁", "S", "首都 880000", " 0"},   {1000000, "県庁", "S", "首都 1", " 0"},
        {1000001, "首都", "S", " 0", " 0"},
    };
    prog.state.setCkai(2, QStringLiteral("3"));  // the recount's change carries the rank
    // From the top steps, so that the first row (nobody at all) must climb down.
    act([&] { g.Pop.setNumber(1000001); });
    act([&] { g.Zyuugyou.setNumber(2501); });
    ASSERT_EQ(g.Hatte.text() + g.Hyouka.text(), QStringLiteral("首都S"));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.figure);
        act([&] { g.Pop.setNumber(r.figure); });
        EXPECT_EQ(g.Hatte.text(), QString::fromUtf8(r.grade));
        act([&] { g.Zyuugyou.setNumber(r.figure); });
        EXPECT_EQ(g.Hyouka.text(), QString::fromUtf8(r.rank));
        const auto next = [&](const auto& ladder) {
            const town::Distance d = town::distance(ladder, r.figure);
            return d.next + u' ' + QString::number(d.toNext);
        };
        EXPECT_EQ(next(town::kGrades), QString::fromUtf8(r.nextGrade));
        EXPECT_EQ(next(town::kRanks), QString::fromUtf8(r.nextRank));
    }
    // Below zero neither word changes.
    act([&] { g.Pop.setNumber(-1); });
    act([&] { g.Zyuugyou.setNumber(-1); });
    EXPECT_EQ(g.Hatte.text(), QStringLiteral("首都"));
    EXPECT_EQ(g.Hyouka.text(), QStringLiteral("S"));
}

TEST_F(PanelTest, CloseBoxHidesThePanelAndTheTownGoesOn) {
    startGame();
    act([&] { prog.main().command1Click(); });
    act([&] { prog.game().closeBox(); });
    EXPECT_TRUE(prog.game.exists());
    EXPECT_FALSE(prog.game().visible);
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("10"));
    tick(405);  // salaries of the ten employees are still paid
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("104"));
    act([&] { prog.main().command1Click(); });
    EXPECT_EQ(prog.game().Pop.text(), QStringLiteral("1030"));
    EXPECT_EQ(prog.game().Apart.text(), QStringLiteral("0"));
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
    // A won game leaves no automatic save to come back to.
    act([&] { prog.main().AutoWrite(); });
    ASSERT_TRUE(prog.main().Fauto.enabled);
    seams.expect(QStringLiteral("ゲームクリア!パスは11B8"), ui::Answer::Ok, [&] {
        EXPECT_FALSE(QFile::exists(shell::saveFile(prog, shell::Slot::Auto)));
        EXPECT_FALSE(QFile::exists(shell::historyFile(prog, shell::Slot::Auto)));
        EXPECT_FALSE(prog.main().Fauto.enabled);
    });
    focusPanel();
    ASSERT_EQ(seams.asked.size(), 1u);
    const ui::Prompt won = seams.shown();
    EXPECT_EQ(won.title, QStringLiteral("ゲームのクリア"));
    EXPECT_EQ(won.buttons, ui::Prompt::Buttons::Ok);
    EXPECT_EQ(won.icon, ui::Prompt::Icon::None);
    EXPECT_EQ(prog.game().Hatte.text(), QStringLiteral("首都"));
    EXPECT_TRUE(seams.endedNow);
    EXPECT_TRUE(prog.ended());
    // Ended at once: no exit question, no save, and the clock is gone.
    EXPECT_EQ(prog.state.end, state::GameState::End::LastMessage);
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
