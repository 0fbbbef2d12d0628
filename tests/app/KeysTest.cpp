// Each key where it is handled, through the real windows (offscreen): the
// dialogs' first focus, Escape and the way back, the buttons' Enter, and the
// focus frames.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "ViewFactory.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "support/KeySupport.h"
#include "ui/qt/Binder.h"

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
        auto named = whenModal("Namer", [](QWidget*) {
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QStringLiteral("Keys"));
            press(Qt::Key_Return);
        });
        p.dispatch([&] { p.main().fstaClick(); });
        ASSERT_TRUE(*named);
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

}  // namespace

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
    focusOn("Command9");
    pressInto("Kakudai", Qt::Key_Return, [](QWidget* d) {
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

// A control with the keyboard's focus shows a frame, and the frame leaves its
// words as they were.
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
    auto* other = new QPushButton(QStringLiteral("OK"));
    for (QWidget* x : {static_cast<QWidget*>(label), static_cast<QWidget*>(slider), static_cast<QWidget*>(list), static_cast<QWidget*>(other)})
        lay->addWidget(x);
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    struct Row {
        const char* kind;
        QWidget* control;
        QRect words;  // where its words are drawn
    };
    const Row rows[] = {
        {"label", label, label->rect().adjusted(4, 4, -4, -4)},
        {"slider", slider, QRect()},
        {"list", list, list->viewport()->geometry().adjusted(3, 3, -3, -3)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.kind);
        ui::qt::focusByKey(other);
        QCoreApplication::processEvents();
        const QImage without = r.control->grab().toImage();
        ui::qt::focusByKey(r.control);
        QCoreApplication::processEvents();
        ASSERT_TRUE(r.control->hasFocus());
        const QImage with = r.control->grab().toImage();
        EXPECT_NE(with, without);
        if (!r.words.isNull()) EXPECT_EQ(with.copy(r.words), without.copy(r.words));
    }
}
