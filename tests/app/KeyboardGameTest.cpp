// A whole game with the keyboard alone, through the real windows (offscreen):
// title, new game, pause, an extension, a floor and its tenant, the bank, the
// speed, help, a month's report, 保存, then 続きから and ロード.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>

#include "ViewFactory.h"
#include "building/Choiwin.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "support/KeySupport.h"

// From the title to 保存 and back by 続きから, as a player with no mouse.
TEST(KeyboardGame, AWholeGameFromTheTitleToSavingAndBack) {
    KeySeams seams;
    seams.copyPictures();
    auto program = std::make_unique<Program>(seams);
    Program& p = *program;
    app::wire(seams, p);
    p.startUp();
    EXPECT_EQ(focusName(), "Command1");
    press(Qt::Key_Return);  // 閉じる
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(QApplication::activeWindow(), frame());

    // ファイル → 始める, a name, スタート.
    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("File"));
    pressInto("Namer", Qt::Key_Return, [](QWidget*) {
        EXPECT_EQ(focusName(), "Text1");
        QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Yamada"));
        press(Qt::Key_Return);
    });
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Yamada社長 - 行動中"));
    EXPECT_EQ(QApplication::activeWindow(), frame());

    // F6 to the first game's guide, again to the tool row; pause and resume.
    press(Qt::Key_F6);
    EXPECT_EQ(focusName(), "Tugi");
    press(Qt::Key_F6);
    EXPECT_EQ(focusName(), "Command3");
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Yamada社長 - 停止中"));
    press(Qt::Key_Pause);
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Yamada社長 - 行動中"));

    // An extension to 5 floors: ▲, then Tab to OK.
    pressInto("Kakudai", Qt::Key_E, Qt::ControlModifier, [](QWidget* d) {
        EXPECT_EQ(focusName(), "Command1");
        EXPECT_TRUE(d->testAttribute(Qt::WA_KeyboardFocusChange));  // its focus shows from the start
        press(Qt::Key_Return);
        EXPECT_EQ(find<QLabel>(d, "Zou")->text(), QStringLiteral("5"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        EXPECT_EQ(focusName(), "Command3");
        press(Qt::Key_Space);
    });
    EXPECT_EQ(p.state.Kai, 5);
    EXPECT_EQ(focusName(), "Command3");
    EXPECT_EQ(QApplication::activeWindow(), frame());

    // Floor 2 from the building window: its first block, then the floors.
    press(Qt::Key_F6);
    EXPECT_EQ(focusName(), "Label1_0");  // the first block, never a prompt
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    EXPECT_EQ(focusName(), "Label2_0");
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), "Label2_1");
    press(Qt::Key_Return);
    EXPECT_EQ(p.choiwin().Dansu.text(), QStringLiteral("2"));

    // A hotel on it, from the browser.
    EXPECT_EQ(focusName(), "Up");
    for (int i = 0; i < 5 && focusName() != "追加"; ++i) press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "追加");
    pressInto("Choic", Qt::Key_Return, [](QWidget* d) {
        EXPECT_EQ(focusName(), "Na");
        press(Qt::Key_Down);
        EXPECT_EQ(find<QLabel>(d, "価格")->text(), QStringLiteral("2"));
        answer(Qt::Key_Return, Qt::NoModifier, Qt::Key_Return);  // OK, はい
    });
    EXPECT_EQ(p.state.Ckai(2), QStringLiteral("1"));
    EXPECT_EQ(focusName(), "追加");
    EXPECT_EQ(QApplication::activeWindow(), frame());

    // The bank: back from OK to 窓口5, borrow, and Escape.
    pressInto("Bank", Qt::Key_B, Qt::ControlModifier, [](QWidget* d) {
        EXPECT_EQ(focusName(), "Command6");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), "Command5");
        answer(Qt::Key_Space, Qt::NoModifier, Qt::Key_Return);
        EXPECT_EQ(find<QLabel>(d, "Label7")->text(), QStringLiteral("借りています"));
        EXPECT_EQ(focusName(), "Command5");
        press(Qt::Key_Escape);
    });
    EXPECT_FALSE(p.bank.exists());
    EXPECT_EQ(p.main().Okane.text(), QStringLiteral("400"));
    EXPECT_EQ(focusName(), "追加");

    // The speed, from the tool row's 設定: one step faster, Enter for OK.
    press(Qt::Key_F6);
    EXPECT_EQ(focusName(), "Command3");
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(focusName(), "Command7");
    pressInto("SetS", Qt::Key_Return, [](QWidget*) {
        EXPECT_EQ(focusName(), "Slider1");
        press(Qt::Key_Right);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(p.state.Spe, 40);

    // Help, and Escape.
    pressInto("Help1", Qt::Key_F1, [](QWidget*) { press(Qt::Key_Escape); });
    EXPECT_FALSE(p.help1.exists());

    // A month's report, closed with Enter on its frame.
    QCoreApplication::processEvents();
    auto reported = whenModal("Houkoku", [](QWidget*) {
        EXPECT_EQ(focusName(), "Frame1");
        press(Qt::Key_Return);
    });
    for (int i = 0; i < 500 && !*reported; ++i) p.dispatch([&] { p.kivora().Timer1.fire(); });
    EXPECT_TRUE(*reported);
    EXPECT_EQ(p.kivora().Mon.text(), QStringLiteral("5"));
    EXPECT_EQ(focusName(), "Command7");
    const QString money = p.main().Okane.text();

    // 保存, はい: the game is written and the program ends.
    std::shared_ptr<bool> told;
    pressInto("MsgBox", Qt::Key_S, Qt::ControlModifier, [&told](QWidget* box) {
        EXPECT_EQ(static_cast<QMessageBox*>(box)->text(), QStringLiteral("保存して終了しますか"));
        told = whenModal("MsgBox", [](QWidget*) { press(Qt::Key_Return); }, QStringLiteral("保存終了"));
        press(Qt::Key_Return);
    });
    ASSERT_TRUE(told && *told);
    ASSERT_TRUE(seams.ended);
    ASSERT_TRUE(QFile::exists(seams.dir.filePath(QStringLiteral("Kivora.teskdata"))));
    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Another start: 続きから brings the game back.
    KeySeams again;
    again.folder = seams.dir.path();
    again.copyPictures();
    Program q(again);
    app::wire(again, q);
    q.startUp();
    press(Qt::Key_Return);
    ASSERT_NE(frame(), nullptr);
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Yamada社長 - 行動中"));
    EXPECT_EQ(q.state.Kai, 5);
    EXPECT_EQ(q.state.Ckai(2), QStringLiteral("1"));
    EXPECT_EQ(q.state.Spe, 40);
    EXPECT_EQ(q.main().Okane.text(), money);

    // One floor more, then ロード: the saved building again.
    press(Qt::Key_F6);
    pressInto("Kakudai", Qt::Key_E, Qt::ControlModifier, [](QWidget*) {
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(q.state.Kai, 6);
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(q.state.Kai, 5);
    EXPECT_EQ(QApplication::activeWindow(), frame());
    q.main.view()->hideView();
}
