// The speed setting, the two lists and the help viewer as real Qt windows,
// offscreen: found by their names, showing their controls, closing as they should.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "ViewFactory.h"
#include "building/Kivora.h"
#include "settings/Help1View.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "support/ViewSupport.h"
#include "ui/qt/QtSeams.h"

namespace {

class WindowViews : public ::testing::Test {
protected:
    FolderSeams seams;
    Program program{seams};
    QWidget* frame = nullptr;

    WindowViews() { app::wire(seams, program); }

    void openFrame() {
        program.startUp();
        QTest::mouseClick(find<QPushButton>(topLevel(QStringLiteral("Start")), "Command1"), Qt::LeftButton);
        frame = topLevel(QStringLiteral("Main"));
        ASSERT_NE(frame, nullptr);
    }
    // A game through the name dialog, paused at once so that no week turns.
    void startGame() {
        openFrame();
        withModal("Namer", [](QWidget* namer) {
            QTest::keyClicks(find<QLineEdit>(namer, "Text1"), QStringLiteral("Yamada"));
            QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
        }, [this] { frame->findChild<QAction*>(QStringLiteral("FSta"))->trigger(); });
        QTest::mouseClick(find<QPushButton>(frame, "Command4"), Qt::LeftButton);
    }
};

}  // namespace

TEST_F(WindowViews, SpeedSettingSliderSecondsAndOk) {
    openFrame();
    withModal("SetS", [this](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("環境設定"));
        EXPECT_EQ(find<QLabel>(d, "Label1")->text(), QStringLiteral("速度設定"));
        EXPECT_EQ(find<QLabel>(d, "Label2")->text(), QStringLiteral("現在の速度は　　秒で1週進みます"));
        auto* slider = find<QSlider>(d, "Slider1");
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 8);
        EXPECT_EQ(slider->value(), 5);
        EXPECT_EQ(find<QLabel>(d, "Speed")->text(), QStringLiteral("5"));
        // The player moving the slider reaches the form and its seconds.
        slider->setValue(8);
        EXPECT_EQ(find<QLabel>(d, "Speed")->text(), QStringLiteral("2"));
        QTest::keyClick(slider, Qt::Key_Left);
        EXPECT_EQ(find<QLabel>(d, "Speed")->text(), QStringLiteral("3"));
        EXPECT_EQ(find<QPushButton>(d, "Command2")->text(), QStringLiteral("キャンセル"));
        QTest::mouseClick(find<QPushButton>(d, "Command1"), Qt::LeftButton);
    }, [this] { QTest::mouseClick(find<QPushButton>(frame, "Command7"), Qt::LeftButton); });
    EXPECT_EQ(program.state.Spe, 30);
    EXPECT_EQ(program.kivora().Timer1.interval(), 0);  // no game yet
    EXPECT_EQ(topLevel(QStringLiteral("SetS")), nullptr);

    // The menu entry opens it too; the tip set after the last closing shows,
    // a click on the slider clears it, and the close box changes nothing.
    withModal("SetS", [this](QWidget* d) {
        auto* slider = find<QSlider>(d, "Slider1");
        EXPECT_EQ(slider->value(), 7);
        EXPECT_EQ(slider->toolTip(), QStringLiteral("速度変更"));
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(4, slider->height() / 2));
        EXPECT_EQ(slider->toolTip(), QString());
        EXPECT_EQ(find<QLabel>(d, "Speed")->text(), QString::number(10 - slider->value()));
        d->close();
    }, [this] { frame->findChild<QAction*>(QStringLiteral("Fset"))->trigger(); });
    EXPECT_EQ(program.state.Spe, 30);
}

TEST_F(WindowViews, TenantCountsAndFacilitiesFromThePanelLinks) {
    startGame();
    program.state.setCkai(2, QStringLiteral("3"));
    program.state.setCkai(3, QStringLiteral("1"));
    frame->findChild<QAction*>(QStringLiteral("Command1"))->trigger();  // "情報"
    auto* counts = find<QLabel>(frame, "Label9");
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(counts->text(), QStringLiteral("詳細"));
    QTest::mouseClick(counts, Qt::LeftButton);

    // Not modal: a window of its own over the frame, the frame still usable.
    QWidget* k = topLevel(QStringLiteral("Kaisyamei"));
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->windowTitle(), QStringLiteral("詳細"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(k->parentWidget(), frame);
    EXPECT_EQ(find<QLabel>(k, "Label1")->text(), QStringLiteral("ホテル"));
    EXPECT_EQ(find<QLabel>(k, "HO")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<QLabel>(k, "RE")->text(), QStringLiteral("0"));
    EXPECT_EQ(find<QLabel>(k, "KA")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<QLabel>(k, "Label6")->text(), QStringLiteral("社"));
    EXPECT_EQ(program.kivora().Timer1.interval(), 0);
    QTest::mouseClick(find<QPushButton>(k, "Command1"), Qt::LeftButton);
    EXPECT_EQ(topLevel(QStringLiteral("Kaisyamei")), nullptr);
    EXPECT_EQ(program.kivora().Timer1.interval(), 50);

    withModal("Shisetu", [this](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("施設"));
        EXPECT_EQ(find<QListWidget>(d, "List1")->count(), 0);
        EXPECT_EQ(program.kivora().Timer1.interval(), 0);
        QTest::mouseClick(find<QPushButton>(d, "Command1"), Qt::LeftButton);
    }, [this] { QTest::mouseClick(find<QLabel>(frame, "Label10"), Qt::LeftButton); });
    EXPECT_EQ(program.kivora().Timer1.interval(), 50);
}

TEST_F(WindowViews, HelpShowsThePageReadAgainAtEachOpeningAndKeepsItsMargins) {
    using settings::Help1View;
    openFrame();
    auto help = [this](std::function<void(QWidget*, QTextBrowser*)> inside) {
        withModal("Help1", [inside](QWidget* d) {
            auto* tesk = find<QTextBrowser>(d, "Tesk");
            ASSERT_NE(tesk, nullptr);
            inside(d, tesk);
            d->close();
        }, [this] { frame->findChild<QAction*>(QStringLiteral("Fhelp"))->trigger(); });
    };

    // No page at all: an empty viewer, and the program goes on.
    help([](QWidget* d, QTextBrowser* tesk) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Form1"));
        EXPECT_TRUE(tesk->toPlainText().isEmpty());
    });
    EXPECT_EQ(topLevel(QStringLiteral("Help1")), nullptr);

    seams.writeHelp("<html><body><h1>はじめに</h1><p>ビルを建てよう</p></body></html>");
    help([](QWidget* d, QTextBrowser* tesk) {
        EXPECT_TRUE(tesk->toPlainText().contains(QStringLiteral("ビルを建てよう")));
        // 120 twips from the corner; the window less 800 by 300 twips.
        const int t = Help1View::kTwipsPerPixel;
        auto expect = [&](int w, int h) {
            d->resize(w, h);
            QCoreApplication::processEvents();
            EXPECT_EQ(tesk->geometry(), QRect(120 / t, 120 / t, std::max(0, (w * t - 800) / t),
                                              std::max(0, (h * t - 300) / t)))
                << w << "x" << h;
        };
        expect(d->width(), d->height());
        expect(900, 700);
        expect(967, 767);  // 1000 twips more each way
        expect(40, 10);     // smaller than the margins
    });

    seams.writeHelp("<html><body><p>新しいページ</p></body></html>");
    help([](QWidget*, QTextBrowser* tesk) {
        EXPECT_TRUE(tesk->toPlainText().contains(QStringLiteral("新しいページ")));
    });

    // A page that cannot be read (here a folder by that name) shows nothing.
    QFile::remove(seams.dir.filePath(QStringLiteral("Help.html")));
    ASSERT_TRUE(QDir(seams.dir.path()).mkdir(QStringLiteral("Help.html")));
    help([](QWidget*, QTextBrowser* tesk) { EXPECT_TRUE(tesk->toPlainText().isEmpty()); });
}

// The page the build puts beside the program opens in the viewer.
TEST(HelpPageView, TheShippedPageShowsInTheViewer) {
    ui::qt::QtSeams seams;
    Program program(seams);
    app::wire(seams, program);
    QWidget* frame = openRealFrame(program);
    ASSERT_NE(frame, nullptr);
    withModal("Help1", [](QWidget* d) {
        const QString text = find<QTextBrowser>(d, "Tesk")->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("首都"))) << text.left(200).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Kivora.teskdata")));
        d->close();
    }, [frame] { frame->findChild<QAction*>(QStringLiteral("Fhelp"))->trigger(); });
}
