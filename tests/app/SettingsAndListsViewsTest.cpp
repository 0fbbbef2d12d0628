// The speed setting as a real Qt window, offscreen: found by its names,
// showing its controls, closing as it should.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ViewFactory.h"
#include "building/Kivora.h"
#include "shell/Main.h"
#include "shell/Program.h"
#include "ui/qt/QtSeams.h"

namespace {

// The real seams over a program folder of the test's own.
class FolderSeams : public ui::qt::QtSeams {
public:
    QTemporaryDir dir;
    QString programFolder() override { return dir.path(); }
};

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

template <typename T>
T* find(QWidget* in, const char* name) {
    return in ? in->findChild<T*>(QString::fromUtf8(name)) : nullptr;
}

// Runs `inside` once the modal window `name` is up, then lets `open` open it.
void withModal(const char* name, std::function<void(QWidget*)> inside, std::function<void()> open) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), QString::fromUtf8(name));
        seen = true;
        inside(w);
    });
    open();
    EXPECT_TRUE(seen) << name;
}

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
