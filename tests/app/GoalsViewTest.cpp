// 目標 through the real windows (offscreen): its key only with a game, and its
// rows drawn again only when a figure in them changes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiSubWindow>

#include "ViewFactory.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "support/KeySupport.h"
#include "town/Game.h"

TEST(GoalsView, ItsKeyOpensItWithAGameAndOnlyAChangedFigureIsDrawnAgain) {
    KeySeams seams;
    Program p(seams);
    app::wire(seams, p);
    p.startUp();
    press(Qt::Key_Return);  // 閉じる
    press(Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(p.mokuhyou.exists()) << "no game, no goals";
    press(Qt::Key_F, Qt::AltModifier);  // ファイル → 始める, a name, スタート
    pressInto("Namer", Qt::Key_Return, [](QWidget*) {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Yamada"));
        press(Qt::Key_Return);
    });
    press(Qt::Key_T, Qt::ControlModifier);
    auto* window = frame()->findChild<QMdiSubWindow*>(QStringLiteral("Mokuhyou"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* rank = window->findChild<QLabel*>(QStringLiteral("Atai_4"));
    ASSERT_NE(rank, nullptr);
    EXPECT_EQ(rank->text(), QStringLiteral("91"));

    Paints paints;
    rank->installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.n = 0;
    for (int i = 0; i < 50; ++i) p.dispatch([&] { p.kivora().Timer1.fire(); });
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.n, 0) << "the clock's ticks redrew the rows";
    p.dispatch([&] { p.game().Zyuugyou.setText(QStringLiteral("60")); });
    QCoreApplication::processEvents();
    EXPECT_EQ(rank->text(), QStringLiteral("41"));
    EXPECT_GT(paints.n, 0);
}
