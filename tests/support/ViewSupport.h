#pragma once
// For tests of the real Qt windows, offscreen: finding widgets by their
// control names, and the real seams over a program folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "shell/Program.h"
#include "ui/qt/QtSeams.h"

// Counts the paint events of the widgets it watches: what was drawn again.
struct Paints : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

// The visible top-level window of that name, or null.
inline QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

template <typename T>
T* find(QWidget* in, const char* name) {
    return in ? in->findChild<T*>(QString::fromUtf8(name)) : nullptr;
}

// Runs `inside` once the modal window `name` is up, then lets `open` open it.
inline void withModal(const char* name, std::function<void(QWidget*)> inside, std::function<void()> open) {
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

// Starts the program on real seams and closes the title screen, as a player
// would: the frame it opens.
inline QWidget* openRealFrame(Program& program) {
    program.startUp();
    QTest::mouseClick(find<QPushButton>(topLevel(QStringLiteral("Start")), "Command1"), Qt::LeftButton);
    return topLevel(QStringLiteral("Main"));
}

// The real seams over a program folder of the test's own.
class FolderSeams : public ui::qt::QtSeams {
public:
    QTemporaryDir dir;
    QTemporaryDir config;  // the player's configuration folder, never the tester's own
    QString programFolder() override { return dir.path(); }
    QString settingsFile() override { return config.filePath(QStringLiteral("rumie.conf")); }
    // The real seams end the process with success: a test would pass unfinished.
    void endNow() override { ADD_FAILURE() << "the program ended"; }
    // The floor pictures the build drew, beside this program.
    void copyPictures() {
        for (const char* f : {"oku", "robey", "mu", "hotel", "restaurant", "office"})
            QFile::copy(QStringLiteral(RUMIE_BIN_DIR "/%1.bmp").arg(QLatin1String(f)),
                        dir.filePath(QStringLiteral("%1.bmp").arg(QLatin1String(f))));
    }
    void writeHelp(const QByteArray& html) {
        QFile f(dir.filePath(QStringLiteral("Help.html")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(html);
    }
};
