// The real views, offscreen, for what a player sees and does beyond the rules:
// keyboard choices, fixed windows, missing pictures, Japanese buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "ui/qt/Binder.h"
#include "ui/qt/QtSeams.h"

namespace {

template <typename T>
T* find(QWidget* in, const char* name) {
    return in ? in->findChild<T*>(QString::fromUtf8(name)) : nullptr;
}

// The real seams over a program folder of the test's own, answering Yes/OK.
class FolderSeams : public ui::qt::QtSeams {
public:
    QTemporaryDir folder;
    QString programFolder() override { return folder.path(); }
    ui::Answer ask(const ui::Prompt& p) override {
        return p.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
};

class LookTest : public ::testing::Test {
protected:
    FolderSeams seams;
    Program p{seams};
    LookTest() {
        for (const char* f : {"oku", "robey", "mu", "hotel", "restaurant", "office"})
            QFile::copy(QStringLiteral(RUMIE_BIN_DIR "/%1.bmp").arg(QLatin1String(f)),
                        seams.folder.filePath(QStringLiteral("%1.bmp").arg(QLatin1String(f))));
        app::wire(seams, p);
        p.startUp();
        p.dispatch([&] { p.start().command1Click(); });
    }
    ~LookTest() override { p.main.view()->hideView(); }
    QWidget* mainWidget() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Main" && w->isVisible()) return w;
        return nullptr;
    }
    // A name set into the field without a keystroke, as assistive tools do.
    void newGame() {
        QTimer::singleShot(0, [] {
            QWidget* namer = QApplication::activeModalWidget();
            ASSERT_NE(namer, nullptr);
            find<QLineEdit>(namer, "Text1")->setText(QStringLiteral("読み上げ"));
            QTest::mouseClick(find<QPushButton>(namer, "Command1"), Qt::LeftButton);
        });
        p.dispatch([&] { p.main().fstaClick(); });
    }
    void openFloor(int floor) {
        p.dispatch([&] { p.kivora().gotFocus(); });
        p.dispatch([&] { p.kivora().label1Click((floor - 1) / 10); });
        p.dispatch([&] { p.kivora().label2Click((floor - 1) % 10); });
    }
};

}  // namespace

TEST_F(LookTest, TextSetWithoutKeystrokesStartsTheGame) {
    newGame();
    EXPECT_EQ(mainWidget()->windowTitle(), QStringLiteral("読み上げ社長 - 行動中"));
}

TEST_F(LookTest, TheTenantListIsChosenWithTheKeyboardAndStartsUnselected) {
    newGame();
    openFloor(2);
    QTimer::singleShot(0, [] {
        QWidget* choic = QApplication::activeModalWidget();
        ASSERT_NE(choic, nullptr);
        auto* list = find<QListWidget>(choic, "Na");
        list->setFocus();
        EXPECT_TRUE(list->selectedItems().isEmpty());  // nothing chosen at opening
        EXPECT_EQ(list->currentRow(), -1);             // and nothing looks chosen
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(find<QLabel>(choic, "価格")->text(), QStringLiteral("2"));
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(find<QLabel>(choic, "価格")->text(), QStringLiteral("0.5"));
        QTest::mouseClick(find<QPushButton>(choic, "Command1"), Qt::LeftButton);  // asks, then places
    });
    p.dispatch([&] { p.choiwin().追加Click(); });
    EXPECT_EQ(p.state.Ckai(2), QStringLiteral("2"));
    EXPECT_EQ(p.kivora().コスト, 50);
}

TEST_F(LookTest, WindowsOfFixedSizeCannotBeResized) {
    newGame();
    openFloor(1);
    auto* browser = qobject_cast<QMdiSubWindow*>(find<QWidget>(mainWidget(), "Choiwin"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->minimumSize(), browser->maximumSize());
    QTimer::singleShot(0, [] {
        QWidget* kakudai = QApplication::activeModalWidget();
        ASSERT_NE(kakudai, nullptr);
        EXPECT_EQ(kakudai->minimumSize(), kakudai->maximumSize());
        QTest::mouseClick(find<QPushButton>(kakudai, "Command4"), Qt::LeftButton);
    });
    p.dispatch([&] { p.main().command9Click(); });
}

TEST_F(LookTest, MissingOrBrokenPicturesLeaveTheAreaEmptyAndTheAreaKeepsItsSize) {
    QFile::remove(seams.folder.filePath(QStringLiteral("mu.bmp")));
    QFile broken(seams.folder.filePath(QStringLiteral("robey.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    newGame();
    openFloor(2);
    auto* area = find<ui::qt::PictureBox>(mainWidget(), "Naisou");
    ASSERT_NE(area, nullptr);
    const QSize size = area->size();
    EXPECT_FALSE(area->showsBuiltin());
    EXPECT_FALSE(area->showsFile());  // mu.bmp is gone
    p.dispatch([&] { p.choiwin().downClick(); });
    EXPECT_FALSE(area->showsFile());  // robey.bmp is no picture
    p.dispatch([&] { p.kivora().label1Click(1); });  // the rooftop
    p.dispatch([&] { p.kivora().label2Click(0); });
    EXPECT_TRUE(area->showsFile());
    EXPECT_EQ(area->size(), size);
}

TEST(Dress, JapaneseButtonsAndTheGamesIcon) {
    app::dressApplication(*qApp);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("いいえ")));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}
