// The real Qt views, offscreen: widgets carry their control names, show their
// controls and forward clicks to the forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "ViewFactory.h"
#include "building/Kivora.h"
#include "finance/Bank.h"
#include "finance/Houkoku.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "support/ViewSupport.h"
#include "ui/Number.h"
#include "ui/qt/QtSeams.h"

namespace {

}  // namespace

TEST(Views, TitleFrameNameDialogAndBuildingWindow) {
    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    program.startUp();

    QWidget* start = topLevel(QStringLiteral("Start"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(find<QLabel>(start, "Label1")->text(), QStringLiteral("ルーミエ"));
    QTest::mouseClick(find<QPushButton>(start, "Command1"), Qt::LeftButton);

    QWidget* frame = topLevel(QStringLiteral("Main"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("0"));
    EXPECT_FALSE(find<QPushButton>(frame, "Command3")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(frame, "Command6")->isEnabled());
    EXPECT_EQ(find<QLabel>(frame, "Simo")->text(), QStringLiteral("円"));
    EXPECT_TRUE(find<QLabel>(frame, "Okane")->isHidden());

    // The name dialog runs its own loop: type a name and press "スタート" in it.
    QTimer::singleShot(0, [] {
        QWidget* namer = QApplication::activeModalWidget();
        ASSERT_NE(namer, nullptr);
        EXPECT_EQ(namer->objectName(), QStringLiteral("Namer"));
        QTest::keyClicks(find<QLineEdit>(namer, "Text1"), QStringLiteral("Yamada"));
        QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
    });
    frame->findChild<QAction*>(QStringLiteral("FSta"))->trigger();

    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Yamada社長 - 行動中"));
    EXPECT_EQ(find<QLabel>(frame, "OkaneH")->text(), QStringLiteral("100"));
    EXPECT_EQ(find<QLabel>(frame, "Simo")->text(), QStringLiteral(",000,000円"));
    EXPECT_TRUE(find<QPushButton>(frame, "Command4")->isEnabled());
    QLabel* block = find<QLabel>(frame, "Label1_0");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->text(), QStringLiteral("1～10階"));
    EXPECT_EQ(find<QLabel>(frame, "Ye")->text(), QStringLiteral("1"));

    // A click on a block lists its floors; the pause button pauses.
    QTest::mouseClick(block, Qt::LeftButton);
    EXPECT_EQ(find<QLabel>(frame, "Label2_2")->text(), QStringLiteral("3階"));
    QTest::mouseClick(find<QPushButton>(frame, "Command4"), Qt::LeftButton);
    EXPECT_EQ(find<QPushButton>(frame, "Command4")->text(), QStringLiteral("開始"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Yamada社長 - 停止中"));
    EXPECT_FALSE(program.kivora().Timer1.enabled());

    // A floor opens the browser with its picture.
    QTest::mouseClick(find<QLabel>(frame, "Label2_1"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>(frame, "Dansu")->text(), QStringLiteral("2"));
    EXPECT_NE(find<QWidget>(frame, "Naisou"), nullptr);
    EXPECT_NE(find<QPushButton>(frame, "追加"), nullptr);
}

TEST(Views, BankWindowLendsAndClosesWithOk) {
    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    QWidget* frame = openRealFrame(program);
    ASSERT_NE(frame, nullptr);
    QTimer::singleShot(0, [] {
        QWidget* namer = QApplication::activeModalWidget();
        QTest::keyClicks(find<QLineEdit>(namer, "Text1"), QStringLiteral("Sato"));
        QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
    });
    frame->findChild<QAction*>(QStringLiteral("FSta"))->trigger();

    bool checked = false;
    QTimer::singleShot(0, [&] {
        QWidget* bank = QApplication::activeModalWidget();
        ASSERT_NE(bank, nullptr);
        EXPECT_EQ(bank->objectName(), QStringLiteral("Bank"));
        EXPECT_EQ(bank->windowTitle(), QStringLiteral("銀行　-　期限は守りましょう"));
        EXPECT_EQ(find<QLabel>(bank, "Label1")->text(), QStringLiteral("銀行で融資を受けましょう"));
        EXPECT_EQ(find<QLabel>(bank, "Label2")->text(), QStringLiteral("状態"));
        for (int n = 1; n <= 5; ++n) {
            const QByteArray button = "Command" + QByteArray::number(n);
            const QByteArray status = "Label" + QByteArray::number(n + 2);
            const QByteArray due = "as" + QByteArray::number(n);
            ASSERT_NE(find<QPushButton>(bank, button.constData()), nullptr) << button.constData();
            EXPECT_EQ(find<QPushButton>(bank, button.constData())->text(), QStringLiteral("窓口%1").arg(n));
            EXPECT_EQ(find<QLabel>(bank, status.constData())->text(), QStringLiteral("借りれます"));
            EXPECT_EQ(find<QLabel>(bank, due.constData())->text(), QString());
        }
        EXPECT_EQ(program.kivora().Timer1.interval(), 0);
        // Window 3 asks; Yes in the question box lends.
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QStringLiteral("融資3億円受けますか？返済は3年後に4.5億円です"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            box->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(find<QPushButton>(bank, "Command3"), Qt::LeftButton);
        EXPECT_EQ(find<QLabel>(bank, "Label5")->text(), QStringLiteral("借りています"));
        EXPECT_EQ(find<QLabel>(bank, "as3")->text(), QStringLiteral("返済は4年の4月です"));
        EXPECT_EQ(find<QPushButton>(bank, "Command6")->text(), QStringLiteral("OK"));
        checked = true;
        QTest::mouseClick(find<QPushButton>(bank, "Command6"), Qt::LeftButton);
    });
    QTest::mouseClick(find<QPushButton>(frame, "Command8"), Qt::LeftButton);

    EXPECT_TRUE(checked);
    EXPECT_EQ(topLevel(QStringLiteral("Bank")), nullptr);
    EXPECT_FALSE(program.bank.exists());
    EXPECT_EQ(program.kivora().Timer1.interval(), 50);
    EXPECT_EQ(find<QLabel>(frame, "OkaneH")->text(), QStringLiteral("400"));
}

// "推移" opens over a running game, draws the month ends in a table the keys
// move through and takes each new month end as it comes; the clock runs on.
TEST(Views, HistoryWindowFollowsTheMonthEndsWithTheClockRunning) {
    FolderSeams seams;
    Program program(seams);
    app::wire(seams, program);
    QWidget* frame = openRealFrame(program);
    ASSERT_NE(frame, nullptr);
    QAction* entry = frame->findChild<QAction*>(QStringLiteral("Fsuii"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("推移"));
    EXPECT_FALSE(entry->isEnabled());
    QTimer::singleShot(0, [] {
        QWidget* namer = QApplication::activeModalWidget();
        QTest::keyClicks(find<QLineEdit>(namer, "Text1"), QStringLiteral("Sato"));
        QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
    });
    frame->findChild<QAction*>(QStringLiteral("FSta"))->trigger();
    EXPECT_TRUE(entry->isEnabled());
    // A clock too slow to tick by itself: the test's ticks are the only ones.
    program.state.Spe = 1000000;
    program.restartClock();

    QString result;  // the 合計 of the last report
    auto monthEnd = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* report = QApplication::activeModalWidget();
            ASSERT_NE(report, nullptr);
            result = find<QLabel>(report, "Gou")->text();
            program.dispatch([&] { program.houkoku().frame1Click(); });
        });
        const QString month = program.kivora().Mon.text();
        while (program.kivora().Mon.text() == month)
            program.dispatch([&] { program.kivora().Timer1.fire(); });
    };
    monthEnd();

    entry->trigger();
    auto* window = frame->findChild<QMdiSubWindow*>(QStringLiteral("Suii"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("推移"));
    EXPECT_EQ(program.kivora().Timer1.interval(), 1000000);
    EXPECT_TRUE(program.kivora().Timer1.enabled());
    EXPECT_NE(find<QWidget>(window, "Chart1"), nullptr);
    EXPECT_NE(find<QWidget>(window, "Chart2"), nullptr);
    auto* table = find<QTableView>(window, "Table");
    ASSERT_NE(table, nullptr);
    QAbstractItemModel* rows = table->model();
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_EQ(rows->headerData(1, Qt::Horizontal).toString(), QStringLiteral("所持金"));
    EXPECT_EQ(rows->index(0, 0).data().toString(), QStringLiteral("1年目5月"));
    EXPECT_EQ(rows->index(0, 1).data().toString(),
              find<QLabel>(frame, "OkaneH")->text() + find<QLabel>(frame, "Simo")->text());
    EXPECT_EQ(rows->index(0, 2).data().toString(), result);
    // Its charts draw again at a month end, not at every tick of the clock.
    Paints paints;
    find<QWidget>(window, "Chart1")->installEventFilter(&paints);
    for (int i = 0; i < 2; ++i) QCoreApplication::processEvents();  // the window just opened, drawn
    paints.n = 0;
    for (int i = 0; i < 50; ++i) program.dispatch([&] { program.kivora().Timer1.fire(); });
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.n, 0);

    // Open, it takes the next month end; the keys reach the newest row.
    monthEnd();
    QCoreApplication::processEvents();
    EXPECT_GT(paints.n, 0);
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->index(1, 0).data().toString(), QStringLiteral("1年目6月"));
    EXPECT_EQ(rows->index(1, 2).data().toString(), result);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(program.kivora().Timer1.interval(), 1000000);

    // The turn of the year's second report adds to the January row drawn.
    QTimer reports;  // answers each report as it comes
    QObject::connect(&reports, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->objectName() == QStringLiteral("Houkoku")) program.dispatch([&] { program.houkoku().frame1Click(); });
    });
    reports.start(0);
    program.dispatch([&] { program.kivora().Mon.setText(QStringLiteral("12")); });
    for (int i = 0; i < 404; ++i) program.dispatch([&] { program.kivora().Timer1.fire(); });
    reports.stop();
    ASSERT_EQ(program.kivora().Mon.text(), QStringLiteral("1"));
    ASSERT_EQ(size_t(rows->rowCount()), program.history.rows().size());
    EXPECT_EQ(rows->index(rows->rowCount() - 1, 2).data().toString(),
              ui::numberText(double(program.history.rows().back().result)));
}
