// The real views, offscreen, for what a player sees and does beyond the rules:
// keyboard choices, fixed windows, missing pictures, Japanese buttons.
#include <gtest/gtest.h>

#include <QAccessible>
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
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <set>

#include "ViewFactory.h"
#include "building/Choic.h"
#include "building/Choiwin.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Namer.h"
#include "shell/Program.h"
#include "shell/Start.h"
#include "ui/qt/Binder.h"
#include "ui/qt/Contrast.h"
#include "support/Drawn.h"
#include "ui/qt/Keyboard.h"
#include "support/ViewSupport.h"
#include "ui/qt/Language.h"
#include "ui/qt/QtSeams.h"
#include "ui/qt/TextSize.h"

namespace {

// The real seams over a program folder of the test's own, answering Yes/OK.
class AnsweringSeams : public FolderSeams {
public:
    ui::Answer ask(const ui::Prompt& p) override {
        return p.buttons == ui::Prompt::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
};

class LookTest : public ::testing::Test {
protected:
    AnsweringSeams seams;
    Program p{seams};
    LookTest() {
        seams.copyPictures();
        app::wire(seams, p);
        p.startUp();
        p.dispatch([&] { p.start().command1Click(); });
    }
    ~LookTest() override { p.main.view()->hideView(); }
    QWidget* mainWidget() { return topLevel(QStringLiteral("Main")); }
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
        EXPECT_EQ(list->currentRow(), 0);              // the keyboard is on the first row, unchosen
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
    QFile::remove(seams.dir.filePath(QStringLiteral("mu.bmp")));
    QFile broken(seams.dir.filePath(QStringLiteral("robey.bmp")));
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

// The frame opens no larger than its screen (offscreen: 800×600), and on a
// 1024×768 screen the whole tool row stays in sight: every button and the
// widest money figure, whole.
TEST_F(LookTest, TheFrameFitsItsScreenAndKeepsTheWholeToolRowAt1024By768) {
    newGame();
    QWidget* frame = mainWidget();
    const QRect screen = frame->screen()->availableGeometry();
    EXPECT_LE(frame->width(), screen.width());
    EXPECT_LE(frame->height(), screen.height());
    p.dispatch([&] { p.main().Okane.setText(QStringLiteral("999999999999999")); });  // over the cap
    frame->resize(1024, 768 - 40);  // the screen less a title bar
    QApplication::processEvents();
    ASSERT_EQ(frame->width(), 1024);
    for (const char* name : {"Command3", "Command6", "Command7", "Command4", "Command9", "Command8", "OkaneH", "Simo"}) {
        SCOPED_TRACE(name);
        QWidget* w = find<QWidget>(frame, name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(frame->rect().contains(QRect(w->mapTo(frame, QPoint(0, 0)), w->size())));
        EXPECT_GE(w->width(), w->sizeHint().width());
    }
    EXPECT_EQ(find<QLabel>(frame, "Simo")->text(), QStringLiteral(",999,999円"));
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

// Everything a mouse does in the building window, by keyboard: Tab reaches
// the block and floor labels, Space and Enter act as a click.
TEST_F(LookTest, TheFloorPickerAndTheLinksWorkFromTheKeyboard) {
    newGame();
    QWidget* frame = mainWidget();
    auto* block = find<QLabel>(frame, "Label1_0");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    block->setFocus();
    QTest::keyClick(block, Qt::Key_Space);
    EXPECT_EQ(find<QLabel>(frame, "Label2_1")->text(), QStringLiteral("2階"));
    // Tab walks down the column to the floors.
    QWidget* w = block;
    for (int i = 0; i < 30 && w->objectName() != u"Label2_1"; ++i) w = w->nextInFocusChain();
    ASSERT_EQ(w->objectName(), QStringLiteral("Label2_1"));
    QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter, as Return
    EXPECT_EQ(p.choiwin().Dansu.text(), QStringLiteral("2"));
    // The panel's link to the tenant counts takes the focus too.
    p.dispatch([&] { p.main().command1Click(); });
    auto* link = find<QLabel>(frame, "Label9");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

// The report has no button: with the focus on its frame, Enter dismisses it.
TEST_F(LookTest, TheReportIsDismissedFromTheKeyboard) {
    newGame();
    QTimer::singleShot(0, [] {
        QWidget* report = QApplication::activeModalWidget();
        ASSERT_NE(report, nullptr);
        QWidget* frame1 = find<QWidget>(report, "Frame1");
        for (const char* name : {"Frame1", "Frame2"})  // setFocus() alone would take a NoFocus widget too
            EXPECT_EQ(find<QWidget>(report, name)->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << name;
        frame1->setFocus();
        QTest::keyClick(frame1, Qt::Key_Enter);
    });
    p.dispatch([&] { p.kivora().Mon.setText(QStringLiteral("5")); });
    EXPECT_FALSE(p.houkoku.exists());
    EXPECT_EQ(p.main().Okane.text(), QStringLiteral("104"));
}

// Escape does what the close box does; Enter presses the default button.
TEST_F(LookTest, EscapeClosesAndEnterConfirmsTheExtension) {
    newGame();
    QTimer::singleShot(0, [] {
        QWidget* kakudai = QApplication::activeModalWidget();
        ASSERT_NE(kakudai, nullptr);
        QTest::keyClick(kakudai, Qt::Key_Escape);
    });
    p.dispatch([&] { p.main().command9Click(); });
    EXPECT_EQ(p.state.Kai, 3);
    EXPECT_EQ(p.kivora().Timer1.interval(), 50);
    QTimer::singleShot(0, [] {
        QWidget* kakudai = QApplication::activeModalWidget();
        ASSERT_NE(kakudai, nullptr);
        QTest::keyClick(kakudai, Qt::Key_Return);
    });
    p.dispatch([&] { p.main().command9Click(); });
    EXPECT_EQ(p.state.Kai, 4);
}

// A screen reader reads the controls the keyboard reaches by their own words.
TEST_F(LookTest, AssistiveToolsReadTheVisibleText) {
    newGame();
    p.dispatch([&] { p.main().command1Click(); });
    QWidget* frame = mainWidget();
    auto name = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    };
    for (const char* control : {"Label1_0", "Label1_1", "Label9", "Label10"}) {
        auto* w = find<QLabel>(frame, control);
        ASSERT_NE(w, nullptr) << control;
        EXPECT_EQ(name(w), w->text()) << control;
    }
    EXPECT_EQ(name(find<QPushButton>(frame, "Command8")), QStringLiteral("銀行"));
}

// On a 1024×768 screen every child window opens wholly inside the frame's
// work area, where its own place fits kept there, and the history's table
// shows all its columns: in Japanese and in English. A window taller than a
// low frame's work area opens shortened to fit (外観); one that cannot be
// shortened so far (the building window's two columns) is scrolled to, and
// the work area follows the keyboard in it.
TEST_F(LookTest, ChildWindowsOpenInsideTheFrameAt1024By768) {
    const struct {
        QSize frame;
        ui::qt::Language language;
        const char* only;  // the one window to check, or every one
        int textStep = 0;
    } rows[] = {
        {{1024 - 16, 768 - 48}, ui::qt::Language::Japanese, nullptr},  // the frame on that screen, less a panel
        {{1024 - 16, 768 - 48}, ui::qt::Language::English, nullptr},
        {{800, 500}, ui::qt::Language::Japanese, "Gaikan"},
        {{}, ui::qt::Language::Japanese, nullptr, 2},  // the frame as large as the screen lets it grow
    };
    for (const auto& [size, language, only, textStep] : rows) {
        ui::qt::useLanguage(*qApp, language);
        newGame();  // a new frame: its size is set after
        if (textStep) mainWidget()->findChild<QAction*>(QStringLiteral("TextSize%1").arg(textStep))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the windows drawn before
        if (size.isValid()) mainWidget()->resize(size);
        QApplication::processEvents();
        auto* area = mainWidget()->findChild<QMdiArea*>();
        const QRect room = area->viewport()->rect();
        const auto scroll = [area] {
            return QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value());
        };
        const QPoint start = scroll();
        // Each window where it opened, before the work area scrolls to the
        // keyboard in it: inside, or at the room's edge where it is larger.
        const auto opens = [&](const char* name, const std::function<void()>& open) {
            open();
            if (only && qstrcmp(name, only) != 0) return QApplication::processEvents();
            SCOPED_TRACE(std::string(name) + (language == ui::qt::Language::English ? " en " : " ja ") +
                         std::to_string(size.height()) + " step " + std::to_string(textStep));
            const QRect g = find<QMdiSubWindow>(mainWidget(), name)->geometry();
            QApplication::processEvents();
            EXPECT_TRUE(g.left() >= room.left() && g.top() >= room.top() &&
                        (g.right() <= room.right() || (g.width() > room.width() && g.left() == room.left())) &&
                        (g.bottom() <= room.bottom() || (g.height() > room.height() && g.top() == room.top())))
                << "left " << g.left() << ", right " << g.right() << " of " << room.right() << ", top " << g.top()
                << ", bottom " << g.bottom() << " of " << room.bottom();
        };
        opens("Kivora", [] {});
        opens("Hajimete", [] {});
        opens("Game", [&] { p.dispatch([&] { p.main().command1Click(); }); });
        opens("Choiwin", [&] { openFloor(2); });
        opens("Suii", [&] { p.dispatch([&] { p.main().fsuiiClick(); }); });
        opens("Gaikan", [&] { p.dispatch([&] { p.main().fgaikanClick(); }); });
        opens("Mokuhyou", [&] { p.dispatch([&] { p.main().fmokuhyouClick(); }); });
        ASSERT_EQ(area->subWindowList().size(), 7);  // with the first game's guide
        // Its place fits: kept.
        EXPECT_EQ(find<QWidget>(mainWidget(), "Kivora")->pos() + scroll() - start, QPoint(0, 0));
        // Tab by Tab down the building window, the work area follows the keyboard.
        ui::qt::focusByKey(ui::qt::firstKeyFocus(find<QMdiSubWindow>(mainWidget(), "Kivora")));
        for (int tab = 0; tab < 12; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents();
            const QWidget* f = QApplication::focusWidget();
            EXPECT_TRUE(room.contains(QRect(f->mapTo(area->viewport(), QPoint(0, 0)), f->size())))
                << f->objectName().toStdString() << " after " << tab + 1 << " Tabs";
        }
        auto* table = find<QTableView>(mainWidget(), "Table");
        const QHeaderView* head = table->horizontalHeader();
        const int last = head->count() - 1;
        EXPECT_LE(head->sectionViewportPosition(last) + head->sectionSize(last), table->viewport()->width());
    }
    ui::qt::useLanguage(*qApp, ui::qt::Language::Japanese);
    ui::qt::setTextStep(0);
}

// Wherever a colour means something, something besides the colour says it
// too, in the normal look and in high contrast.
TEST_F(LookTest, NothingIsToldByColourAlone) {
    newGame();
    p.dispatch([&] { p.main().command1Click(); });
    openFloor(2);
    p.dispatch([&] { p.main().fsuiiClick(); });
    p.dispatch([&] { p.main().fgaikanClick(); });
    QWidget* frame = mainWidget();
    const auto label = [frame](const char* name) { return find<QLabel>(frame, name); };
    // How many colours a legend plate shows: a pattern shows two.
    const auto colours = [frame](const char* plate) {
        const QImage face = find<QWidget>(frame, plate)->grab().toImage();
        std::set<QRgb> seen;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) seen.insert(face.pixel(x, y));
        return seen.size();
    };
    const struct {
        const char* place;
        std::function<bool()> said;
    } rows[] = {
        {"the chosen block (red, framed) is bold, the others not",
         [&] { return label("Label1_0")->font().bold() && !label("Label1_1")->font().bold(); }},
        {"the floor labels (blue, clickable) are underlined", [&] { return label("Label2_1")->font().underline(); }},
        {"the panel's links (blue) are underlined", [&] { return label("Label9")->font().underline(); }},
        {"a company's plate has a pattern, the rooftop's (both blue) none",
         [&] { return colours("Plate_3") > 1 && colours("Plate_0") == 1; }},
        {"the hotel's and the restaurant's plates (both red) have patterns of their own",
         [&] { return colours("Plate_1") > 1 && colours("Plate_2") > 1; }},
        {"the history's lines have strokes of their own, in the legend too", [&] {
             std::set<Qt::PenStyle> strokes;
             for (const char* chart : {"Chart1", "Chart2"}) {
                 const Drawn d(find<QWidget>(frame, chart));
                 for (const QPen& pen : d.pens)
                     if (pen.widthF() >= 2) strokes.insert(pen.style());
             }
             return strokes == std::set<Qt::PenStyle>{Qt::SolidLine, Qt::DashLine, Qt::DotLine};
         }},
    };
    for (bool high : {false, true}) {
        ui::qt::useHighContrast(*qApp, high);
        p.refreshViews();
        for (const auto& r : rows) EXPECT_TRUE(r.said()) << r.place << (high ? " (high contrast)" : "");
    }
    ui::qt::useHighContrast(*qApp, false);
}
