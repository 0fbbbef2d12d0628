// Each key where it is handled, through the real windows (offscreen): the
// frame's shortcuts and panes, the picker's arrows, the dialogs' first focus,
// Escape and the way back, the buttons' Enter, and the focus frames.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <memory>

#include "ViewFactory.h"
#include "building/GaikanView.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "support/KeySupport.h"
#include "ui/qt/Binder.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/TextSize.h"

namespace {

class Keys : public ::testing::Test {
protected:
    KeySeams seams;
    Program p{seams};

    Keys() {
        seams.copyPictures();
        app::wire(seams, p);
        p.startUp();
        press(Qt::Key_Return);  // 閉じる
    }
    ~Keys() override {
        if (p.main.view()) p.main.view()->hideView();
    }
    void newGame() {
        press(Qt::Key_F, Qt::AltModifier);
        pressInto("Namer", Qt::Key_Return, [](QWidget*) {
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Keys"));
            press(Qt::Key_Return);
        });
    }
    QWidget* w(const char* name) { return find<QWidget>(frame(), name); }
    // The keyboard on the control `name`, or on the first control of a child window.
    void focusOn(const char* name) {
        QWidget* x = w(name);
        ASSERT_NE(x, nullptr) << name;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(x)) x = ui::qt::firstKeyFocus(sub);
        ui::qt::focusByKey(x);
        QCoreApplication::processEvents();
    }
    bool focusIn(const char* name) {
        QWidget* f = focus();
        QWidget* x = w(name);
        return f && x && (f == x || x->isAncestorOf(f));
    }
};

struct Shortcut {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    const char* button;
    const char* opens;  // the modal window, or none: the pause
};
const Shortcut kShortcuts[] = {
    {"Ctrl+S", Qt::Key_S, Qt::ControlModifier, "Command3", "MsgBox"},  // the question; Escape is いいえ
    {"Ctrl+O", Qt::Key_O, Qt::ControlModifier, "Command6", "MsgBox"},  // no save yet
    {"Ctrl+E", Qt::Key_E, Qt::ControlModifier, "Command9", "Kakudai"},
    {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, "Command8", "Bank"},
    {"Ctrl+P", Qt::Key_P, Qt::ControlModifier, "Command4", nullptr},
    {"Pause", Qt::Key_Pause, Qt::NoModifier, "Command4", nullptr},
};

}  // namespace

TEST_F(Keys, ShortcutsDoWhatTheirButtonsDoAndNothingWhileTheyAreDisabled) {
    // Before a game Tab goes round the two buttons that can be pressed.
    for (auto [from, to] : {std::pair{"Command6", "Command7"}, {"Command7", "Command6"}}) {
        focusOn(from);
        press(Qt::Key_Tab);
        EXPECT_EQ(focusName(), to);
    }
    for (const Shortcut& s : kShortcuts) {
        SCOPED_TRACE(s.name);
        auto* b = find<QPushButton>(frame(), s.button);
        EXPECT_TRUE(b->toolTip().split(QStringLiteral(", ")).contains(QString::fromUtf8(s.name))) << b->toolTip().toStdString();
        if (b->isEnabled()) continue;
        auto opened = whenModal(s.opens ? s.opens : "MsgBox", [](QWidget*) { press(Qt::Key_Escape); });
        press(s.key, s.mods);
        QCoreApplication::processEvents();
        EXPECT_FALSE(*opened);
        *opened = true;  // stop looking
        EXPECT_EQ(frame()->windowTitle(), QStringLiteral("0"));
    }

    newGame();
    focusOn("Kivora");
    const std::string there = focusName();
    for (const Shortcut& s : kShortcuts) {
        SCOPED_TRACE(s.name);
        const QString title = frame()->windowTitle();
        if (s.opens) {
            pressInto(s.opens, s.key, s.mods, [](QWidget*) { press(Qt::Key_Escape); });
            EXPECT_EQ(frame()->windowTitle(), title);
            EXPECT_FALSE(seams.ended);
            EXPECT_EQ(focusName(), there);  // the keyboard is back where it was
            EXPECT_EQ(QApplication::activeWindow(), frame());
        } else {
            press(s.key, s.mods);
            EXPECT_NE(frame()->windowTitle(), title);
            EXPECT_EQ(p.kivora().Timer1.enabled(), title.endsWith(QStringLiteral("停止中")));
        }
    }
}

TEST_F(Keys, PaneKeysMoveBetweenTheToolRowAndTheChildWindows) {
    newGame();
    p.dispatch([&] { p.main().command1Click(); });  // 情報
    p.dispatch([&] { p.kivora().label1Click(0); });
    p.dispatch([&] { p.kivora().label2Click(0); });  // the browser on floor 1
    struct Row {
        const char* from;
        int key;
        Qt::KeyboardModifiers mods;
        const char* to;
    };
    // The panes in order: the tool row, the building window, the guide, the panel, the browser.
    const Row rows[] = {
        {"Command3", Qt::Key_F6, Qt::NoModifier, "Kivora"},
        {"Kivora", Qt::Key_F6, Qt::NoModifier, "Hajimete"},
        {"Tugi", Qt::Key_F6, Qt::NoModifier, "Game"},
        {"Choiwin", Qt::Key_F6, Qt::NoModifier, "Command3"},
        {"Command3", Qt::Key_F6, Qt::ShiftModifier, "Choiwin"},
        {"Kivora", Qt::Key_F6, Qt::ShiftModifier, "Command3"},
        {"Kivora", Qt::Key_Tab, Qt::ControlModifier, "Hajimete"},
        {"Choiwin", Qt::Key_Tab, Qt::ControlModifier, "Kivora"},
        {"Command3", Qt::Key_Tab, Qt::ControlModifier, "Hajimete"},  // the window after the active one
        {"Kivora", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "Choiwin"},
        {"Command3", Qt::Key_Right, Qt::NoModifier, "Command6"},
        {"Command3", Qt::Key_Left, Qt::NoModifier, "Command8"},
        {"Command8", Qt::Key_Tab, Qt::NoModifier, "Command3"},
        {"Command3", Qt::Key_Backtab, Qt::ShiftModifier, "Command8"},
    };
    auto play = [&](const Row& r) {
        SCOPED_TRACE(std::string(r.from) + " → " + r.to);
        if (std::string(r.from) == "Command3") focusOn("Kivora");  // the active child before the row
        if (*r.from) focusOn(r.from);
        else if (QWidget* f = focus()) f->clearFocus();  // the keyboard in no pane
        press(r.key, r.mods);
        EXPECT_TRUE(focusIn(r.to)) << focusName();
        // The window the keyboard enters comes in front of the others, and
        // stays there as the weeks pass.
        p.dispatch([] {});
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w(r.to))) {
            EXPECT_EQ(sub->mdiArea()->subWindowList(QMdiArea::StackingOrder).constLast(), sub);
        }
    };
    for (const Row& r : rows) play(r);
    play({"", Qt::Key_F6, Qt::NoModifier, "Command3"});
    play({"", Qt::Key_Tab, Qt::ControlModifier, "Kivora"});
    // F6 back into a window lands where the keyboard was in it.
    focusOn("Label1_1");
    press(Qt::Key_F6, Qt::ShiftModifier);
    press(Qt::Key_F6);
    EXPECT_EQ(focusName(), "Label1_1");
    // A child window closed by its close box is no stop any more.
    find<QMdiSubWindow>(frame(), "Game")->close();
    play({"Tugi", Qt::Key_F6, Qt::NoModifier, "Choiwin"});
    play({"Tugi", Qt::Key_Tab, Qt::ControlModifier, "Choiwin"});
    play({"Choiwin", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "Hajimete"});

    // The text grows, shrinks and comes back to 標準 in every window at once,
    // from the desktop's font, a report waiting for the player too; the
    // keyboard stays in its pane, the clock runs on, the size is kept.
    // The frame grows with the text to the free area of its screen, no further.
    const QFont desktop = QApplication::font();
    QFont nine = desktop;
    nine.setPointSizeF(9);
    QApplication::setFont(nine);
    frame()->resize(640, 420);
    const QRect free = frame()->screen()->availableGeometry();
    const struct {
        Qt::Key key;
        int step;
        double points;
        bool inReport = false;
    } sizes[] = {{Qt::Key_Plus, 1, 13.5}, {Qt::Key_Equal, 2, 18},  {Qt::Key_Equal, 2, 18}, {Qt::Key_Minus, 1, 13.5},
                 {Qt::Key_0, 0, 9},       {Qt::Key_Minus, 0, 9},  {Qt::Key_Plus, 1, 13.5, true}, {Qt::Key_0, 0, 9, true}};
    for (const auto& r : sizes) {
        SCOPED_TRACE(r.step);
        focusOn("Kivora");
        const int interval = p.kivora().Timer1.interval();
        if (r.inReport) {
            // Read again at the new size, the keyboard in it.
            auto again = std::make_shared<std::shared_ptr<bool>>();
            auto first = whenModal("Houkoku", [&](QWidget*) {
                press(r.key, Qt::ControlModifier);
                *again = whenModal("Houkoku", [&](QWidget* report) {
                    EXPECT_EQ(report->font().pointSizeF(), r.points);
                    EXPECT_TRUE(report->isAncestorOf(focus())) << focusName();
                    press(Qt::Key_Return);
                });
            });
            p.dispatch([&] { p.kivora().Mon.setText(QString::number(p.state.Mon1 % 12 + 1)); });
            EXPECT_TRUE(*first);
            EXPECT_TRUE(*again && **again);
            EXPECT_FALSE(p.houkoku.exists());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the windows drawn before
        } else {
            press(r.key, Qt::ControlModifier);
        }
        EXPECT_EQ(ui::qt::textStep(), r.step);
        EXPECT_EQ(p.prefs.textStep(), r.step);
        EXPECT_EQ(QApplication::font().pointSizeF(), r.points);
        // (As wide as its tool row at the least, which at 大 is wider than this screen.)
        EXPECT_EQ(frame()->frameGeometry().top(), free.top());
        EXPECT_EQ(frame()->frameGeometry().left(), free.left());
        if (r.step > 0) {
            EXPECT_EQ(frame()->frameGeometry().height(), free.height());
        }
        EXPECT_EQ(find<QLabel>(frame(), "OkaneH")->font().pointSize(), ui::qt::pt(14));
        EXPECT_TRUE(w("Kivora")->isVisible());
        EXPECT_TRUE(focusIn("Kivora")) << focusName();
        EXPECT_EQ(p.kivora().Timer1.interval(), interval);
        EXPECT_TRUE(p.kivora().Timer1.enabled());
    }
    QApplication::setFont(desktop);
    p.dispatch([&] { p.main().command1Click(); });

    // The menus open with their first entry chosen; Escape closes them.
    for (auto [key, menu] : {std::pair{Qt::Key_F, "File"}, {Qt::Key_V, "Open"}, {Qt::Key_H, "Help"}}) {
        SCOPED_TRACE(menu);
        press(key, Qt::AltModifier);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->objectName(), QString::fromUtf8(menu));
        EXPECT_NE(popup->activeAction(), nullptr);
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    pressInto("Help1", Qt::Key_F1, [](QWidget*) { press(Qt::Key_Escape); });

    // Ctrl+F4 closes a child window as its close box; Escape closes the browser.
    for (auto [key, mods, window] : {std::tuple{Qt::Key_F4, Qt::ControlModifier, "Game"},
                                     {Qt::Key_Escape, Qt::NoModifier, "Choiwin"}}) {
        SCOPED_TRACE(window);
        focusOn(window);
        press(key, mods);
        QWidget* left = w(window);
        EXPECT_TRUE(!left || !left->isVisible());
        ASSERT_NE(focus(), nullptr);
        EXPECT_EQ(focus()->window(), frame());
    }
    EXPECT_FALSE(p.choiwin.exists());
}

// 25 floors: three blocks and the rooftop; the second block is chosen.
TEST_F(Keys, TheArrowsWalkThePickersLabelsThatShowText) {
    newGame();
    p.state.Kai = 25;
    p.dispatch([&] { p.kivora().gotFocus(); });
    p.dispatch([&] { p.kivora().label1Click(1); });
    EXPECT_EQ(w("Label1_4")->focusPolicy(), Qt::NoFocus);  // blank: no stop for the keyboard
    struct Row {
        const char* from;
        int key;
        const char* to;
        Qt::KeyboardModifiers mods = Qt::NoModifier;  // the keypad's arrows with Num Lock off
    };
    const Row rows[] = {
        {"Label1_0", Qt::Key_Down, "Label1_1"}, {"Label1_1", Qt::Key_Up, "Label1_0"},
        {"Label1_0", Qt::Key_Down, "Label1_1", Qt::KeypadModifier}, {"Label1_1", Qt::Key_Up, "Label1_0", Qt::KeypadModifier},
        {"Label1_2", Qt::Key_Right, "Label2_0", Qt::KeypadModifier}, {"Label2_4", Qt::Key_Left, "Label1_1", Qt::KeypadModifier},
        {"Label2_0", Qt::Key_End, "Label2_9", Qt::KeypadModifier},
        {"Label1_0", Qt::Key_Up, "Label1_0"},   {"Label1_3", Qt::Key_Down, "Label2_0"},
        {"Label1_2", Qt::Key_Home, "Label1_0"}, {"Label1_0", Qt::Key_End, "Label1_3"},
        {"Label1_2", Qt::Key_Right, "Label2_0"}, {"Label2_4", Qt::Key_Left, "Label1_1"},
        {"Label2_0", Qt::Key_Right, "Label2_0"}, {"Label1_1", Qt::Key_Left, "Label1_1"},
        {"Label2_0", Qt::Key_Up, "Label1_3"},  // the floors follow the blocks, as they are read
        {"Label2_8", Qt::Key_Down, "Label2_9"}, {"Label2_9", Qt::Key_Down, "Label2_9"},
        {"Label2_0", Qt::Key_End, "Label2_9"},  {"Label2_9", Qt::Key_Home, "Label2_0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.from) + " → " + r.to);
        focusOn(r.from);
        press(r.key, r.mods);
        EXPECT_EQ(focusName(), r.to);
    }
    // The last block lists five floors: the blank ones are skipped.
    focusOn("Label1_2");
    press(Qt::Key_Space);
    EXPECT_EQ(w("Label2_5")->focusPolicy(), Qt::NoFocus);
    focusOn("Label2_0");
    press(Qt::Key_End);
    EXPECT_EQ(focusName(), "Label2_4");
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), "Label2_4");
}

// No dialog opens on a button that commits money or a choice; Escape closes
// each as its close box does, and the keyboard is back on the control that
// opened it, in the frame.
TEST_F(Keys, EachDialogOpensOnASafeControlAndEscapeGivesTheFocusBack) {
    newGame();
    p.dispatch([&] { p.main().command1Click(); });  // 情報, for its 詳細 links
    p.dispatch([&] { p.kivora().label1Click(0); });
    p.dispatch([&] { p.kivora().label2Click(1); });  // the browser on floor 2
    struct Row {
        const char* opener;
        int key;
        Qt::KeyboardModifiers mods;
        const char* dialog;
        const char* first;
    };
    const Row rows[] = {
        {"Command9", Qt::Key_Return, Qt::NoModifier, "Kakudai", "Command1"},  // ▲, not OK
        {"Command8", Qt::Key_Return, Qt::NoModifier, "Bank", "Command6"},     // OK, no window
        {"Command7", Qt::Key_Return, Qt::NoModifier, "SetS", "Slider1"},
        {"追加", Qt::Key_Return, Qt::NoModifier, "Choic", "Na"},
        {"Label10", Qt::Key_Return, Qt::NoModifier, "Shisetu", "List1"},
        {"Label1_0", Qt::Key_F1, Qt::NoModifier, "Help1", "Tesk"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dialog);
        focusOn(r.opener);
        const std::string opener = focusName();
        pressInto(r.dialog, r.key, r.mods, [&](QWidget*) {
            EXPECT_EQ(focusName(), r.first);
            press(Qt::Key_Escape);
        });
        EXPECT_EQ(topLevel(QString::fromUtf8(r.dialog)), nullptr);
        EXPECT_EQ(focusName(), opener);
        EXPECT_EQ(QApplication::activeWindow(), frame());
    }
    EXPECT_EQ(p.state.Kai, 3);
    EXPECT_EQ(p.state.Ckai(2), QStringLiteral("0"));

    // The version screen, from the ヘルプ menu, past はじめてのかたへ.
    focusOn("Label1_0");
    press(Qt::Key_H, Qt::AltModifier);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    pressInto("Start", Qt::Key_Return, [](QWidget*) {
        EXPECT_EQ(focusName(), "Command1");
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(focusName(), "Label1_0");

    // The tenant counts are not modal: Escape closes them too.
    focusOn("Label9");
    press(Qt::Key_Return);
    QWidget* counts = topLevel(QStringLiteral("Kaisyamei"));
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), counts);
    press(Qt::Key_Escape);
    EXPECT_EQ(topLevel(QStringLiteral("Kaisyamei")), nullptr);
    EXPECT_EQ(focusName(), "Label9");

    // The month's report, which the clock opens: its frame has the focus.
    focusOn("Label1_0");
    auto reported = whenModal("Houkoku", [](QWidget*) {
        EXPECT_EQ(focusName(), "Frame1");
        press(Qt::Key_Escape);
    });
    for (int i = 0; i < 500 && !*reported; ++i) p.dispatch([&] { p.kivora().Timer1.fire(); });
    EXPECT_TRUE(*reported);
    EXPECT_FALSE(p.houkoku.exists());
    EXPECT_EQ(focusName(), "Label1_0");
}

// Enter, Return, keypad Enter and Space press the button with the focus, also
// in a dialog whose default button is another.
TEST_F(Keys, TheClickKeysPressTheFocusedButton) {
    newGame();
    focusOn("Command3");
    pressInto("Kakudai", Qt::Key_E, Qt::ControlModifier, [](QWidget* d) {
        auto* target = find<QLabel>(d, "Zou");
        int expected = 4;
        for (auto [key, mods] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers()},
                                 {Qt::Key_Enter, Qt::KeypadModifier},
                                 {Qt::Key_Space, Qt::KeyboardModifiers()}}) {
            press(key, mods);
            EXPECT_EQ(target->text(), QString::number(++expected));
        }
        EXPECT_EQ(focusName(), "Command1");
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(p.state.Kai, 3);
}

// A held key acts once: the keyboard's repeats neither press again nor answer
// the question the first press opened (Yes is every question's default).
TEST_F(Keys, AHeldKeyActsOnce) {
    newGame();
    // Repeats as the toolkit marks them, and as the keyboard sends them: a
    // release and a press of the same moment, unmarked.
    auto repeats = [](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
        for (int i = 0; i < 6; ++i) {
            QWidget* to = focus();
            ASSERT_NE(to, nullptr);
            const bool marked = i < 3;
            for (const auto type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent k(type, key, mods, text, marked);
                k.setTimestamp(marked ? 0 : 5000 + 40 * i);
                QApplication::sendEvent(to, &k);
            }
        }
        QCoreApplication::processEvents();
    };
    struct Row {
        const char* opener;  // the control with the focus
        int key;
        Qt::KeyboardModifiers mods;
        const char* opens;  // the window the first press opens, or none
    };
    const Row rows[] = {
        {"Command4", Qt::Key_Return, Qt::NoModifier, nullptr},  // 停止: the pause flips once
        {"Command4", Qt::Key_Space, Qt::NoModifier, nullptr},
        {"Command3", Qt::Key_P, Qt::ControlModifier, nullptr},  // its shortcut
        {"Command3", Qt::Key_Return, Qt::NoModifier, "MsgBox"},  // 保存して終了しますか
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.opener) + " " + std::to_string(r.key));
        focusOn(r.opener);
        const bool running = p.kivora().Timer1.enabled();
        if (r.opens) {
            pressInto(r.opens, r.key, r.mods, [&](QWidget*) {
                repeats(r.key, r.mods);
                EXPECT_NE(topLevel(QString::fromUtf8(r.opens)), nullptr) << "answered by a repeat";
                press(Qt::Key_Escape);
            });
            EXPECT_FALSE(seams.ended);
        } else {
            press(r.key, r.mods);
            repeats(r.key, r.mods);
            EXPECT_NE(p.kivora().Timer1.enabled(), running);
        }
    }

    // 窓口1's question, and ▲ in the extension: one loan asked, one floor.
    focusOn("Command3");
    pressInto("Bank", Qt::Key_B, Qt::ControlModifier, [&](QWidget* bank) {
        ui::qt::focusByKey(find<QWidget>(bank, "Command1"));
        pressInto("MsgBox", Qt::Key_Return, [&](QWidget*) {
            repeats(Qt::Key_Return);
            EXPECT_NE(topLevel(QStringLiteral("MsgBox")), nullptr);
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(p.state.M1mo, 0);
    pressInto("Kakudai", Qt::Key_E, Qt::ControlModifier, [&](QWidget* d) {
        press(Qt::Key_Return);
        repeats(Qt::Key_Return);
        EXPECT_EQ(find<QLabel>(d, "Zou")->text(), QStringLiteral("5"));
        press(Qt::Key_Escape);
    });
}

// Keys as the window system brings them: to the window first, then on to
// the control with the focus (or the open menu). `ms` is their time.
struct Stroke {
    QEvent::Type type;
    int ms;
    bool marked = false;  // marked by the toolkit as a repeat
};
void throughTheWindow(int key, const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) {
        QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : focus();
        ASSERT_NE(to, nullptr);
        QKeyEvent k(s.type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), s.marked);
        k.setTimestamp(s.ms);
        QApplication::sendEvent(to->window()->windowHandle(), &k);
    }
    QCoreApplication::processEvents();
}
constexpr auto P = QEvent::KeyPress;
constexpr auto R = QEvent::KeyRelease;
// Held: the press, two repeats marked and two not, the release: five acts.
const std::vector<Stroke> kHeld = {{P, 1000},       {R, 1500, true}, {P, 1500, true}, {R, 1530, true},
                                   {P, 1530, true}, {R, 1560},       {P, 1560},       {R, 1590},
                                   {P, 1590},       {R, 1600}};
// Two quick taps: the second pressed in the moment the short first one ended.
const std::vector<Stroke> kTwoTaps = {{P, 1000}, {R, 1004}, {P, 1004}, {R, 1080}};

// 表示 → ハイコントラスト, or its key, switches every window at once and is
// kept for the next run; the clock and the game go on untouched. A screen
// reader hears the entry as a switch, on or off.
TEST_F(Keys, HighContrastSwitchesAtOnceAndIsKept) {
    newGame();
    auto* entry = frame()->findChild<QAction*>(QStringLiteral("Fcontrast"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(find<QMenu>(frame(), "Open"));
    QAccessibleInterface* item = nullptr;
    for (int i = 0; menu && i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name) == u"ハイコントラスト") item = menu->child(i);
    ASSERT_NE(item, nullptr);
    const QString money = p.main().Okane.text(), week = p.kivora().We.text();
    for (bool on : {true, false}) {
        SCOPED_TRACE(on);
        press(Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(ui::qt::highContrast(), on);
        EXPECT_EQ(QApplication::palette().color(QPalette::Window) == QColor(Qt::black), on);
        EXPECT_TRUE(item->state().checkable);
        EXPECT_EQ(bool(item->state().checked), on);
        EXPECT_EQ(settings::Preferences(seams.settingsFile()).highContrastChoice(), on);
        EXPECT_TRUE(p.kivora().Timer1.running());
        EXPECT_EQ(p.main().Okane.text(), money);
        EXPECT_EQ(p.kivora().We.text(), week);
    }
}

// Only a click key's repeats are swallowed: held Space types on in a text
// field, a held arrow walks on, and two quick taps of a click key both press.
TEST_F(Keys, RepeatsThatActAndTapsThatAreNoRepeat) {
    press(Qt::Key_F, Qt::AltModifier);
    pressInto("Namer", Qt::Key_Return, [](QWidget* namer) {
        throughTheWindow(Qt::Key_Space, kHeld);
        EXPECT_EQ(find<QLineEdit>(namer, "Text1")->text(), QStringLiteral("     "));
        find<QLineEdit>(namer, "Text1")->clear();
        QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Keys"));
        press(Qt::Key_Return);
    });
    p.state.Kai = 5;  // five storeys and the roof
    press(Qt::Key_G, Qt::ControlModifier);
    auto* storeys = find<building::Storeys>(frame(), "Storeys");
    ASSERT_EQ(focus(), storeys);
    press(Qt::Key_Home);
    throughTheWindow(Qt::Key_Down, kHeld);
    EXPECT_EQ(storeys->current(), 5);
    pressInto("Kakudai", Qt::Key_E, Qt::ControlModifier, [](QWidget* d) {
        throughTheWindow(Qt::Key_Return, kTwoTaps);
        EXPECT_EQ(find<QLabel>(d, "Zou")->text(), QStringLiteral("8"));  // from 6
        press(Qt::Key_Escape);
    });
}

// The toolkit's bridge to a screen reader, as it treats keys: each key from
// the window system waits until the screen reader has heard it, and comes
// back as a copy posted to the same window, with no time. A shortcut has
// acted already as the key came.
struct ScreenReaderBridge : QObject {
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> waiting;
    ScreenReaderBridge() { qApp->installEventFilter(this); }
    ~ScreenReaderBridge() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!e->spontaneous() || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        waiting.emplace_back(o, std::make_unique<QKeyEvent>(k->type(), k->key(), k->modifiers(), k->text()));
        return true;
    }
    void heard() {
        for (auto& [to, k] : std::exchange(waiting, {}))
            if (to) QCoreApplication::sendEvent(to, k.get());
        QCoreApplication::processEvents();
    }
};

// With a screen reader the keys come back late: the Alt of Alt+F may come
// after the F has opened the menu, and does not close it; an Alt pressed in
// the open menu still does.
TEST_F(Keys, UnderAScreenReaderAltFOpensTheMenuHoweverLateTheKeysComeBack) {
    ScreenReaderBridge bridge;
    const auto alt = Qt::AltModifier;
    enum { Press, Release, Heard };
    struct Step {
        int what, key = 0;
        Qt::KeyboardModifiers mods = {};
    };
    const std::vector<Step> altF_down_slowly = {{Press, Qt::Key_Alt, alt}, {Press, Qt::Key_F, alt}, {Heard},
                                                {Release, Qt::Key_F, alt}, {Release, Qt::Key_Alt, alt}, {Heard},
                                                {Press, Qt::Key_Down}, {Release, Qt::Key_Down}, {Heard}};
    const std::vector<Step> altF_down_quickly = {{Press, Qt::Key_Alt, alt}, {Heard}, {Press, Qt::Key_F, alt},
                                                 {Release, Qt::Key_F, alt}, {Heard}, {Release, Qt::Key_Alt, alt},
                                                 {Heard}, {Press, Qt::Key_Down}, {Release, Qt::Key_Down}, {Heard}};
    std::vector<Step> thenAlt = altF_down_slowly;
    thenAlt.insert(thenAlt.end(), {{Press, Qt::Key_Alt, alt}, {Release, Qt::Key_Alt, alt}, {Heard}});
    const struct {
        const char* name;
        std::vector<Step> steps;
        const char* chosen;  // in the open menu, or none
    } rows[] = {
        {"the Alt heard before the F", altF_down_quickly, "Fcon"},
        {"the Alt heard after the F", altF_down_slowly, "Fcon"},
        {"an Alt in the open menu", thenAlt, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        focusOn("Command6");
        for (const Step& s : r.steps) {
            if (s.what == Heard) bridge.heard();
            else  // one key as the window system brings it: its shortcut, then the key
                qt_handleKeyEvent(frame()->windowHandle(), s.what == Press ? QEvent::KeyPress : QEvent::KeyRelease, s.key,
                                  s.mods);
        }
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_EQ(menu && menu->activeAction() ? menu->activeAction()->objectName().toStdString() : "(no menu)",
                  r.chosen ? r.chosen : "(no menu)");
        while (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
    }
}

// A control with the keyboard's focus shows a frame, and the frame leaves its
// words as they were; in high contrast the frame is at least 2 px thick on
// every kind of control, buttons and fields too.
TEST(FocusFrames, LabelsSlidersAndListsShowTheKeyboardsFocus) {
    QWidget window;
    auto* lay = new QVBoxLayout(&window);
    auto* label = new ui::qt::ClickLabel;
    label->setText(QStringLiteral("11～20階"));
    label->followText();
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(160, 40);
    auto* slider = new ui::qt::ClickSlider(Qt::Horizontal);
    auto* list = new ui::qt::ListBoxWidget;
    list->addItems({QStringLiteral("ホテル"), QStringLiteral("レストラン"), QStringLiteral("会社")});
    auto* button = new QPushButton(QStringLiteral("保存"));
    auto* field = new QLineEdit;
    auto* other = new QPushButton(QStringLiteral("OK"));
    for (QWidget* x : std::initializer_list<QWidget*>{label, slider, list, button, field, other}) lay->addWidget(x);
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    struct Row {
        const char* kind;
        QWidget* control;
        std::function<QRect()> words;  // where its words are drawn, in the mode in use
        bool highOnly = false;  // the toolkit's own mark, thin in the normal look
    };
    const Row rows[] = {
        {"label", label, [label] { return label->rect().adjusted(4, 4, -4, -4); }},
        {"slider", slider, {}},
        {"list", list, [list] { return list->viewport()->geometry().adjusted(3, 3, -3, -3); }},
        {"button", button, {}, true},
        {"field", field, {}, true},
    };
    for (bool high : {false, true}) {
        ui::qt::useHighContrast(*qApp, high);
        QCoreApplication::processEvents();
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.kind) + (high ? " (high contrast)" : ""));
            if (r.highOnly && !high) continue;
            ui::qt::focusByKey(other);
            QCoreApplication::processEvents();
            const QImage without = r.control->grab().toImage();
            ui::qt::focusByKey(r.control);
            QCoreApplication::processEvents();
            ASSERT_TRUE(r.control->hasFocus());
            const QImage with = r.control->grab().toImage();
            EXPECT_NE(with, without);
            if (r.words) {
                EXPECT_EQ(with.copy(r.words()), without.copy(r.words()));
            }
            if (!high) continue;
            // Across the middle, from the left: the first changed pixels, side by side.
            const int y = with.height() / 2;
            int x = 0, thick = 0;
            while (x < with.width() && with.pixel(x, y) == without.pixel(x, y)) ++x;
            while (x < with.width() && with.pixel(x, y) != without.pixel(x, y)) ++x, ++thick;
            EXPECT_GE(thick, 2);
        }
    }
    ui::qt::useHighContrast(*qApp, false);
}
