// 外観 reads the building of a loaded save storey by storey, and opens a
// storey's floor exactly as the building window's floor labels do.
#include <QFile>
#include <QFileInfo>
#include <map>

#include "building/Choiwin.h"
#include "building/ChoiwinView.h"
#include "building/Gaikan.h"
#include "state/SaveFile.h"
#include "support/TestSeams.h"

namespace {

// The new game's save with another building: its floors, their codes
// (floor → code) and its employees.
QByteArray saveOf(int floors, const std::map<int, uint8_t>& codes, int employees = 10) {
    QFile f(QStringLiteral(RUMIE_TEST_DATA "/state/data/new_game.teskdata"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    std::optional<state::SaveGame> g = state::readSave(f.readAll());
    if (!g) return {};
    g->figures[state::kFloors] = QString::number(floors);
    g->figures[state::kEmployees] = QString::number(employees);
    for (auto [floor, code] : codes) g->floors[size_t(floor - 1)] = code;
    return state::writeSave(*g).value_or(QByteArray());
}

QStringList named(const std::vector<building::Gaikan::Storey>& storeys) {
    QStringList out;
    for (const auto& s : storeys) out << (s.floor ? s.floorText() + u' ' + s.word() : s.word());
    return out;
}

}  // namespace

class GaikanTest : public GameTest {
protected:
    building::Gaikan& g() { return prog.gaikan(); }
    void load(const QByteArray& save) {
        ASSERT_FALSE(save.isEmpty());
        QFile f(shell::saveFile(prog));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(save);
        f.close();
        act([&] { prog.main().fconClick(); });
    }
};

TEST_F(GaikanTest, EveryFloorOfASaveIsAStoreyWithItsTenantsSign) {
    std::map<int, uint8_t> hundred;
    for (int f = 2; f <= 100; ++f) hundred[f] = uint8_t(f % 4);
    struct Row {
        int floors;
        std::map<int, uint8_t> codes;
        int employees;
        QStringList top;  // from the rooftop down, as far as it is given
        QString rank;
    };
    const Row rows[] = {
        {3, {}, 10, {u"屋上"_qs, u"3階 空き室"_qs, u"2階 空き室"_qs, u"1階 ロビー"_qs}, u"F"_qs},
        // A code on the lobby or above the roof, which a save may hold, shows nowhere.
        {6, {{1, 1}, {2, 1}, {3, 2}, {4, 3}, {6, 3}, {8, 2}}, 120, {u"屋上"_qs, u"6階 会社"_qs, u"5階 空き室"_qs,
          u"4階 会社"_qs, u"3階 レストラン"_qs, u"2階 ホテル"_qs, u"1階 ロビー"_qs}, u"E"_qs},
        {1, {}, 10, {u"屋上"_qs, u"1階 ロビー"_qs}, u"F"_qs},
        {100, hundred, 2600, {u"屋上"_qs, u"100階 空き室"_qs, u"99階 会社"_qs, u"98階 レストラン"_qs,
          u"97階 ホテル"_qs}, u"S"_qs},
    };
    openFrame();
    EXPECT_FALSE(prog.main().Fgaikan.enabled);  // no game, no building
    for (const Row& r : rows) {
        SCOPED_TRACE(r.floors);
        load(saveOf(r.floors, r.codes, r.employees));
        EXPECT_TRUE(prog.main().Fgaikan.enabled);
        const QStringList all = named(g().storeys());
        ASSERT_EQ(all.size(), r.floors + 1);
        EXPECT_EQ(all.mid(0, r.top.size()), r.top);
        EXPECT_EQ(all.last(), QStringLiteral("1階 ロビー"));
        EXPECT_EQ(g().floorCount(), QString::number(r.floors) + QStringLiteral("階建て"));
        EXPECT_EQ(g().rank(), r.rank);
    }
    seams.expect(QStringLiteral("終了しますか？"), ui::Answer::Yes);  // the loaded game gives way
    newGame();  // to the new game's three empty floors
    EXPECT_TRUE(prog.main().Fgaikan.enabled);
    EXPECT_EQ(named(g().storeys()), (QStringList{u"屋上"_qs, u"3階 空き室"_qs, u"2階 空き室"_qs, u"1階 ロビー"_qs}));
}

// A storey, the lobby and the rooftop open in 階数ごと just as a floor label of
// the building window opens them: the same floor, picture and picked floor;
// the picture is read by its sign's words, as 外観 names the storey.
TEST_F(GaikanTest, AStoreyOpensItsFloorAsTheBuildingWindowsFloorLabelDoes) {
    openFrame();
    load(saveOf(12, {{12, 1}, {5, 2}}));
    auto opened = [&] {
        building::Choiwin& c = prog.choiwin();
        const QString picture = QFileInfo(c.Naisou.file).fileName();
        const QStringList seen{c.Dansu.text(), c.Tr.text(), picture, building::floorPictureWords(picture),
                               prog.state.CF, QString::number(c.visible)};
        act([&] { prog.choiwin.unload(); });
        return seen;
    };
    struct Row {
        int floor;                 // 0: the rooftop
        int block, label;          // the same floor in the building window
        QStringList expected;
    };
    const Row rows[] = {
        {12, 1, 1, {u"12"_qs, u"階"_qs, u"hotel.bmp"_qs, u"ホテル"_qs, u"12"_qs, u"1"_qs}},
        {5, 0, 4, {u"5"_qs, u"階"_qs, u"restaurant.bmp"_qs, u"レストラン"_qs, u"5"_qs, u"1"_qs}},
        {3, 0, 2, {u"3"_qs, u"階"_qs, u"mu.bmp"_qs, u"空き室"_qs, u"3"_qs, u"1"_qs}},
        {1, 0, 0, {u"1"_qs, u"階"_qs, u"robey.bmp"_qs, u"ロビー"_qs, u"1"_qs, u"1"_qs}},
        {0, 2, 0, {QString(), u"屋上"_qs, u"oku.bmp"_qs, u"屋上"_qs, u"屋上"_qs, u"1"_qs}},
    };
    act([&] { prog.kivora().gotFocus(); });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.floor);
        act([&] { g().storeyClick(r.floor); });
        EXPECT_EQ(opened(), r.expected);
        act([&] { prog.kivora().label1Click(r.block); });
        act([&] { prog.kivora().label2Click(r.label); });
        EXPECT_EQ(opened(), r.expected);
    }
    // A storey above the roof (the building was smaller since) opens nothing.
    act([&] { g().storeyClick(13); });
    EXPECT_FALSE(prog.choiwin.exists());
}
