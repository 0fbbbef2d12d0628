#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kakudai.h"
#include "support/TestSeams.h"
#include "town/Game.h"

using ui::Answer;

class BuildingTest : public GameTest {
public:
    void TestBody() override {}  // a row of a table plays a game of its own
    using GameTest::act;
    using GameTest::prog;
    using GameTest::seams;
    using GameTest::startGame;

    building::Kivora& k() { return prog.kivora(); }
    QStringList blocks() {
        QStringList out;
        for (auto& l : k().Label1) out << l.text();
        return out;
    }
    QStringList floors() {
        QStringList out;
        for (auto& l : k().Label2) out << l.text();
        return out;
    }
    void withFloors(int n) {
        prog.game().Kaisu.setNumber(n);
        act([&] { k().gotFocus(); });
    }
    // Opens the browser on a floor through the picker, as the player would.
    void openFloor(int floor) {
        act([&] { k().gotFocus(); });
        act([&] { k().label1Click((floor - 1) / 10); });
        act([&] { k().label2Click((floor - 1) % 10); });
    }
    QString picture() { return QFileInfo(prog.choiwin().Naisou.file).fileName(); }
    // "業者を入れる", then what the player does in the tenant choice.
    void tenant(std::function<void(building::Choic&)> inChoice) {
        seams.modal["Choic"].push_back([this, inChoice] { inChoice(prog.choic()); });
        act([&] { prog.choiwin().追加Click(); });
    }
    static void pick(building::Choic& c, int item) {
        c.Na.selected = item;
        c.naClick();
    }
};

TEST_F(BuildingTest, BlockListsFollowTheFloorCount) {
    startGame();
    EXPECT_EQ(blocks().mid(0, 3), (QStringList{u"1～10階"_qs, u"屋上"_qs, QString()}));
    withFloors(10);
    EXPECT_EQ(blocks().mid(0, 3), (QStringList{u"1～10階"_qs, u"屋上"_qs, QString()}));
    withFloors(11);
    EXPECT_EQ(blocks().mid(0, 3), (QStringList{u"1～10階"_qs, u"11～20階"_qs, u"屋上"_qs}));
    act([&] { k().label1Click(1); });
    EXPECT_EQ(floors()[0], QStringLiteral("11階"));
    EXPECT_EQ(floors()[1], QString());
    EXPECT_EQ(k().Label2[9].tag, QStringLiteral("20"));  // tags keep their numbers
    withFloors(100);
    EXPECT_EQ(blocks()[9], QStringLiteral("91～100階"));
    EXPECT_EQ(blocks()[10], QStringLiteral("屋上"));
}

// After 拡大 the picker shows the building as it now is, the chosen block
// (or the rooftop) still chosen.
TEST_F(BuildingTest, ThePickerFollowsAnExtension) {
    const struct {
        int from, chosen, to;
        QStringList blocks, floors;
        int marked;
    } rows[] = {
        {3, 0, 4, {u"1～10階"_qs, u"屋上"_qs, {}}, {u"1階"_qs, u"2階"_qs, u"3階"_qs, u"4階"_qs, {}}, 0},
        {10, 0, 11, {u"1～10階"_qs, u"11～20階"_qs, u"屋上"_qs}, {u"1階"_qs, u"2階"_qs, u"3階"_qs, u"4階"_qs, u"5階"_qs}, 0},
        {11, 1, 13, {u"1～10階"_qs, u"11～20階"_qs, u"屋上"_qs}, {u"11階"_qs, u"12階"_qs, u"13階"_qs, {}, {}}, 1},
        {3, 1, 12, {u"1～10階"_qs, u"11～20階"_qs, u"屋上"_qs}, {u"屋上"_qs, {}, {}, {}, {}}, 2},  // the rooftop moves up
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.to);
        BuildingTest t;
        t.startGame();
        t.withFloors(r.from);
        t.act([&] { t.k().label1Click(r.chosen); });
        const uint8_t picked = t.prog.state.CK;
        t.seams.modal["Kakudai"].push_back([&] {
            for (int n = r.from + 1; n < r.to; ++n) t.prog.kakudai().command1Click();
            t.prog.kakudai().command3Click();
        });
        t.act([&] { t.prog.main().command9Click(); });
        EXPECT_EQ(t.blocks().mid(0, 3), r.blocks);
        EXPECT_EQ(t.floors().mid(0, 5), r.floors);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(t.k().Label1[size_t(i)].border, i == r.marked) << i;
        EXPECT_EQ(t.prog.state.CK, picked) << "the floor the game keeps as picked";
    }
}

TEST_F(BuildingTest, BlockClickListsItsFloorsAndMarksIt) {
    startGame();
    act([&] { k().label1Click(0); });
    EXPECT_EQ(floors().mid(0, 4), (QStringList{u"1階"_qs, u"2階"_qs, u"3階"_qs, QString()}));
    EXPECT_TRUE(k().Label1[0].border);
    EXPECT_EQ(k().Label2[0].fontSize, 16);
    EXPECT_EQ(prog.state.CK, 10);
    // The focus takes the mark away but keeps the floor column.
    act([&] { k().gotFocus(); });
    EXPECT_FALSE(k().Label1[0].border);
    EXPECT_EQ(floors()[2], QStringLiteral("3階"));
}

TEST_F(BuildingTest, RooftopPath) {
    startGame();
    act([&] { k().label1Click(1); });
    EXPECT_EQ(floors()[0], QStringLiteral("屋上"));
    EXPECT_EQ(floors()[1], QString());
    act([&] { k().label2Click(0); });
    EXPECT_EQ(prog.state.CF, QStringLiteral("屋上"));
    auto& w = prog.choiwin();
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.Dansu.text() + w.Tr.text() + w.Label1.text(), QStringLiteral("屋上です"));
    EXPECT_EQ(picture(), QStringLiteral("oku.bmp"));
    EXPECT_FALSE(w.Up.visible || w.Down.visible || w.追加.visible);
}

TEST_F(BuildingTest, ClicksWhereNothingIsDoNothing) {
    startGame();
    act([&] { k().label1Click(5); });  // an empty block label
    EXPECT_EQ(floors()[0], QStringLiteral("右側を選んでください"));
    act([&] { k().label1Click(0); });
    act([&] { k().label2Click(7); });  // emptied: floor 8 of a 3-floor building
    EXPECT_FALSE(prog.choiwin.exists());
}

TEST_F(BuildingTest, FloorClickBeforeAnyBlockOpensTheBrowserAsItStood) {
    startGame();
    act([&] { k().label2Click(3); });  // a browser that never showed a floor stays shut
    EXPECT_FALSE(prog.choiwin.exists());
    act([&] { k().floorClick(QStringLiteral("2")); });  // as 外観 opens it
    act([&] { k().label2Click(3); });
    EXPECT_TRUE(prog.choiwin().visible);
    EXPECT_EQ(prog.choiwin().Dansu.text(), QStringLiteral("2"));
}

TEST_F(BuildingTest, ArrowsWalkTheFloorsWithTheirPictures) {
    startGame();
    openFloor(1);
    auto& w = prog.choiwin();
    EXPECT_EQ(picture(), QStringLiteral("robey.bmp"));
    EXPECT_FALSE(w.追加.visible);
    EXPECT_TRUE(w.Up.visible);
    act([&] { w.downClick(); });
    EXPECT_EQ(w.Dansu.text(), QStringLiteral("1"));
    prog.state.setCkai(3, QStringLiteral("2"));
    act([&] { w.upClick(); });
    EXPECT_EQ(picture(), QStringLiteral("mu.bmp"));
    EXPECT_TRUE(w.追加.visible);
    act([&] { w.upClick(); });
    EXPECT_EQ(picture(), QStringLiteral("restaurant.bmp"));
    act([&] { w.upClick(); });
    EXPECT_EQ(w.Dansu.text(), QStringLiteral("3"));
    EXPECT_EQ(w.Tr.text(), QStringLiteral("階"));
    prog.game().Kaisu.setText(QStringLiteral("5"));
    act([&] { w.upClick(); });
    EXPECT_EQ(w.Dansu.text(), QStringLiteral("4"));
}

TEST_F(BuildingTest, HotelOnAVacantFloor) {
    startGame();
    openFloor(2);
    EXPECT_EQ(prog.choiwin().Dansu.text() + prog.choiwin().Tr.text() + prog.choiwin().Label1.text(),
              QStringLiteral("2階です"));
    EXPECT_EQ(prog.state.CF, QStringLiteral("2"));
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
    tenant([this](building::Choic& c) {
        EXPECT_EQ(k().Timer1.interval(), 0);
        EXPECT_EQ(c.価格.text(), QStringLiteral("0"));
        EXPECT_TRUE(c.Ex.builtin);
        pick(c, 0);
        EXPECT_EQ(c.価格.text(), QStringLiteral("2"));
        EXPECT_EQ(QFileInfo(c.Ex.file).fileName(), QStringLiteral("hotel.bmp"));
        c.command1Click();
    });
    EXPECT_FALSE(prog.choic.exists());
    EXPECT_EQ(prog.state.Ckai(2), QStringLiteral("1"));
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("1"));
    EXPECT_EQ(k().コスト, 200);
    EXPECT_EQ(picture(), QStringLiteral("hotel.bmp"));
    EXPECT_EQ(k().Timer1.interval(), 50);
    // The next report charges it and earns the rent.
    seams.modal["Houkoku"].push_back([this] {
        EXPECT_EQ(prog.houkoku().Other.text(), QStringLiteral("20000"));
        EXPECT_EQ(prog.houkoku().Syunyu.text(), QStringLiteral("4000"));
        prog.houkoku().frame1Click();
    });
    seams.expect(QStringLiteral("ゲームオーバー。所持金が0になりました…。"));
    tick(405);
    EXPECT_TRUE(seams.endedNow);
}

TEST_F(BuildingTest, ARestaurantCostsHalfAnOkuAndEarnsAThousandAMonth) {
    startGame();
    openFloor(2);
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
    tenant([](building::Choic& c) {
        pick(c, 1);
        EXPECT_EQ(c.価格.text(), QStringLiteral("0.5"));
        c.command1Click();
    });
    EXPECT_EQ(k().コスト, 50);
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    seams.modal["Houkoku"].push_back([this] {
        auto& h = prog.houkoku();
        EXPECT_EQ(h.Syunyu.text(), QStringLiteral("2000"));  // 1000 base + 1000 rent
        EXPECT_EQ(h.Keihi.text(), QStringLiteral("1200"));
        EXPECT_EQ(h.Other.text(), QStringLiteral("5000"));   // 5000 万円 of fitting-out
        EXPECT_EQ(h.Gou.text(), QStringLiteral("-4500"));
        h.frame1Click();
    });
    tick(405);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("55"));
    seams.modal["Houkoku"].push_back([this] {
        EXPECT_EQ(prog.houkoku().Syunyu.text(), QStringLiteral("2000"));  // the rent again
        EXPECT_EQ(prog.houkoku().Other.text(), QStringLiteral("0"));      // paid once
        prog.houkoku().frame1Click();
    });
    tick(404);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("60"));
}

TEST_F(BuildingTest, PricesOfTheOtherKindsAndNoThenCancel) {
    startGame();
    openFloor(3);
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::No);
    tenant([](building::Choic& c) {
        pick(c, 1);
        EXPECT_EQ(c.価格.text(), QStringLiteral("0.5"));
        pick(c, 2);
        EXPECT_EQ(c.価格.text(), QStringLiteral("1.5"));
        c.command1Click();  // No: it stays open with its choice
        EXPECT_EQ(c.Na.text(), QStringLiteral("会社"));
        c.command2Click();
    });
    EXPECT_EQ(prog.state.Ckai(3), QStringLiteral("0"));
    EXPECT_EQ(k().コスト, 0);
    EXPECT_EQ(k().Timer1.interval(), 50);
    tenant([](building::Choic& c) { c.command1Click(); });  // OK with nothing chosen
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("10"));
}

TEST_F(BuildingTest, ReplacingACompanyByAHotelAddsTwentyEmployees) {
    startGame();
    openFloor(2);
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
    tenant([](building::Choic& c) { pick(c, 2); c.command1Click(); });
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("20"));
    seams.expect(QStringLiteral("すでに会社が入っていますが変えますか？"), Answer::Yes);
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
    tenant([this](building::Choic& c) {
        EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("10"));
        pick(c, 0);
        c.command1Click();
    });
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    EXPECT_EQ(prog.state.Ckai(2), QStringLiteral("1"));
    EXPECT_EQ(k().コスト, 350);
}

TEST_F(BuildingTest, ACancelledReplacementKeepsTheOldTenantAndItsEmployees) {
    startGame();
    openFloor(2);
    seams.expect(QStringLiteral("本当にいいですか？"), Answer::Yes);
    tenant([](building::Choic& c) { pick(c, 1); c.command1Click(); });
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    seams.expect(QStringLiteral("すでに会社が入っていますが変えますか？"), Answer::Yes);
    tenant([](building::Choic& c) { pick(c, 0); c.closeBox(); });
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    EXPECT_EQ(prog.state.Ckai(2), QStringLiteral("2"));
    EXPECT_EQ(prog.game().Kaisya.text(), QStringLiteral("1"));
    EXPECT_EQ(k().Timer1.interval(), 50);
    // No to the question: nothing changes and the clock runs again.
    seams.expect(QStringLiteral("すでに会社が入っていますが変えますか？"), Answer::No);
    act([&] { prog.choiwin().追加Click(); });
    EXPECT_EQ(prog.game().Zyuugyou.text(), QStringLiteral("40"));
    EXPECT_EQ(k().Timer1.interval(), 50);
}

class ExtensionTest : public BuildingTest {
protected:
    void extend(std::function<void(building::Kakudai&)> inWindow) {
        seams.modal["Kakudai"].push_back([this, inWindow] { inWindow(prog.kakudai()); });
        act([&] { prog.main().command9Click(); });
    }
};

TEST_F(ExtensionTest, StepsWithoutDriftAndConfirms) {
    startGame();
    extend([this](building::Kakudai& w) {
        EXPECT_EQ(k().Timer1.interval(), 0);
        EXPECT_EQ(w.Zou.text(), QStringLiteral("4"));
        EXPECT_EQ(w.Hiyou.text(), QStringLiteral("0.5"));
        w.command2Click();  // at the lowest target already
        EXPECT_EQ(w.Zou.text(), QStringLiteral("4"));
        for (int i = 0; i < 6; ++i) w.command1Click();
        EXPECT_EQ(w.Zou.text(), QStringLiteral("10"));
        EXPECT_EQ(w.Hiyou.text(), QStringLiteral("3.5"));
        w.command1Click();
        w.command2Click();
        EXPECT_EQ(w.Hiyou.text(), QStringLiteral("3.5"));
        w.command3Click();
    });
    EXPECT_EQ(prog.state.Kai, 10);
    EXPECT_EQ(prog.game().Kaisu.text(), QStringLiteral("10"));
    EXPECT_EQ(k().コスト, 350);
    EXPECT_EQ(k().Timer1.interval(), 50);
}

TEST_F(ExtensionTest, CancelChangesNothingAndTwoExtensionsAddUp) {
    startGame();
    extend([](building::Kakudai& w) { w.command1Click(); w.command4Click(); });
    EXPECT_EQ(prog.state.Kai, 3);
    EXPECT_EQ(k().コスト, 0);
    EXPECT_EQ(k().Timer1.interval(), 50);
    extend([](building::Kakudai& w) { w.command3Click(); });
    extend([](building::Kakudai& w) {
        EXPECT_EQ(w.Zou.text(), QStringLiteral("5"));
        w.command1Click();
        w.command3Click();
    });
    EXPECT_EQ(prog.state.Kai, 6);
    EXPECT_EQ(k().コスト, 150);
    seams.modal["Houkoku"].push_back([this] {
        EXPECT_EQ(prog.houkoku().Other.text(), QStringLiteral("15000"));
        EXPECT_EQ(prog.houkoku().Izi.text(), QStringLiteral("600"));
        prog.houkoku().frame1Click();
    });
    act([&] { prog.main().Okane.setText(QStringLiteral("1000")); });
    tick(405);
    EXPECT_EQ(prog.main().Okane.text(), QStringLiteral("851"));  // (1000-300-600-15000)/100
    EXPECT_EQ(k().コスト, 0);
}

TEST_F(ExtensionTest, AHundredFloorBuildingCannotGrow) {
    startGame();
    extend([](building::Kakudai& w) {
        for (int i = 0; i < 200; ++i) w.command1Click();
        EXPECT_EQ(w.Zou.text(), QStringLiteral("100"));
        EXPECT_EQ(w.Hiyou.text(), QStringLiteral("48.5"));
        w.command3Click();
    });
    EXPECT_EQ(prog.state.Kai, 100);
    seams.expect(QStringLiteral("これ以上拡大できません"));
    act([&] { prog.main().command9Click(); });
    EXPECT_FALSE(prog.kakudai.exists());
    EXPECT_EQ(k().Timer1.interval(), 50);
}

TEST_F(BuildingTest, AnUnknownFloorCodeShowsNoPicture) {
    startGame();
    openFloor(2);
    EXPECT_EQ(picture(), QStringLiteral("mu.bmp"));
    prog.state.setCkai(2, QStringLiteral("9"));
    act([&] { prog.choiwin().downClick(); });
    act([&] { prog.choiwin().upClick(); });
    EXPECT_TRUE(prog.choiwin().Naisou.file.isEmpty());
}
