// 外観 through the real windows (offscreen): its key, the storeys a screen
// reader walks, a storey opened by Enter and by a click, a new tenant drawn at
// once while the clock's ticks draw nothing, and Ctrl+F4.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QMdiSubWindow>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/GaikanView.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "state/SaveFile.h"
#include "support/KeySupport.h"

TEST(GaikanView, TheBuildingIsAListOfStoreysTheKeysAndTheMouseOpenAndItFollowsTheTenants) {
    KeySeams seams;
    seams.copyPictures();
    Program p(seams);
    app::wire(seams, p);
    p.startUp();
    press(Qt::Key_Return);  // 閉じる
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(p.gaikan.exists()) << "no game, no building";

    // The mixed building of the form's table: floors 2 to 6 let, 5 vacant.
    QFile f(QStringLiteral(RUMIE_TEST_DATA "/state/data/new_game.teskdata"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    std::optional<state::SaveGame> g = state::readSave(f.readAll());
    ASSERT_TRUE(g);
    g->figures[state::kFloors] = QStringLiteral("6");
    g->floors = {0, 1, 2, 3, 0, 3};
    QFile save(shell::saveFile(p));
    ASSERT_TRUE(save.open(QIODevice::WriteOnly));
    save.write(*state::writeSave(*g));
    save.close();
    p.dispatch([&] { p.main().fconClick(); });

    press(Qt::Key_G, Qt::ControlModifier);
    auto* window = frame()->findChild<QMdiSubWindow*>(QStringLiteral("Gaikan"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("外観"));
    auto* storeys = find<building::Storeys>(window, "Storeys");
    ASSERT_NE(storeys, nullptr);
    EXPECT_EQ(focus(), storeys) << focusName();

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(storeys);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        EXPECT_EQ(list->child(i)->role(), QAccessible::ListItem);
        EXPECT_EQ(list->child(i)->parent(), list);
        names << list->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(names, (QStringList{u"屋上"_qs, u"6階 会社"_qs, u"5階 空き室"_qs, u"4階 会社"_qs,
                                  u"3階 レストラン"_qs, u"2階 ホテル"_qs, u"1階 ロビー"_qs}));

    // The keys walk the building from the lobby, where it opens; the reader
    // finds the storey reached focused.
    struct Step {
        Qt::Key key;
        const char16_t* reached;
    };
    const Step steps[] = {
        {Qt::Key_Up, u"2階 ホテル"},
        {Qt::Key_End, u"1階 ロビー"},     {Qt::Key_Up, u"2階 ホテル"},   {Qt::Key_Up, u"3階 レストラン"},
        {Qt::Key_Home, u"屋上"},          {Qt::Key_Up, u"屋上"},         {Qt::Key_PageDown, u"1階 ロビー"},
        {Qt::Key_Down, u"1階 ロビー"},    {Qt::Key_PageUp, u"屋上"},     {Qt::Key_Down, u"6階 会社"},
    };
    for (const Step& s : steps) {
        press(s.key);
        const QString reached = QString::fromUtf16(s.reached);
        QAccessibleInterface* item = list->focusChild();
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), reached);
        EXPECT_TRUE(item->state().focused && item->state().selected);
        EXPECT_EQ(find<QLabel>(window, "Chosen")->text(), reached);
    }
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    ASSERT_TRUE(p.choiwin.exists());
    EXPECT_EQ(p.choiwin().Dansu.text(), QStringLiteral("4"));
    QTest::mouseClick(storeys, Qt::LeftButton, {}, storeys->storeyRect(1).center());
    EXPECT_EQ(p.choiwin().Dansu.text(), QStringLiteral("6"));

    // The clock's ticks draw nothing; a hotel on floor 5 is drawn at once.
    Paints paints;
    storeys->installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.n = 0;
    for (int i = 0; i < 50; ++i) p.dispatch([&] { p.kivora().Timer1.fire(); });
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.n, 0);
    p.dispatch([&] { p.choiwin().downClick(); });
    withModal("Choic", [&](QWidget*) {
        whenModal("MsgBox", [](QWidget* sure) { static_cast<QMessageBox*>(sure)->button(QMessageBox::Yes)->click(); });
        p.dispatch([&] {
            p.choic().Na.selected = 0;
            p.choic().naClick();
            p.choic().command1Click();
        });
    }, [&] { p.dispatch([&] { p.choiwin().追加Click(); }); });
    EXPECT_EQ(list->child(2)->text(QAccessible::Name), QStringLiteral("5階 ホテル"));
    QCoreApplication::processEvents();
    EXPECT_GT(paints.n, 0);  // counted before the grab below, which paints by itself
    const QRect fifth = storeys->storeyRect(2);
    EXPECT_EQ(storeys->grab().toImage().pixelColor(fifth.left() + 3, fifth.center().y()).rgb() & 0xFFFFFF,
              building::kTenantSigns[1].rgb);

    // Ctrl+F4 closes it, and the keyboard stays in the frame.
    ui::qt::focusByKey(storeys);
    press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_FALSE(p.gaikan.exists());
    ASSERT_NE(focus(), nullptr);
    EXPECT_EQ(focus()->window(), frame());
    if (p.main.view()) p.main.view()->hideView();
}
