#pragma once
// For tests that play the real windows (offscreen) with the keyboard alone:
// every key goes where a player's key would go, to the open menu or the
// control with the focus, and modal windows are played as they come up.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "support/ViewSupport.h"


// The real windows and message boxes over a folder of the test's own; the
// clock ticks only when the test says, and the end of the program is noted.
class KeySeams : public FolderSeams {
public:
    QString folder;  // another test's folder, to read its save
    bool ended = false;
    ui::Timer::Driver* clockDriver() override { return nullptr; }
    int wallSecond() override { return 0; }
    QString programFolder() override { return folder.isEmpty() ? dir.path() : folder; }
    QString dataFolder() override { return programFolder(); }
    void endNow() override { ended = true; }
    void quit() override {}
};

// The control the keyboard is on: a window's activation reaches it as an event.
inline QWidget* focus() {
    QCoreApplication::processEvents();
    return QApplication::focusWidget();
}

inline std::string focusName() {
    QWidget* f = focus();
    return f ? f->objectName().toStdString() : "(nowhere)";
}

// A key, where the player's key goes: the open menu, or the focused control.
inline void send(int key, Qt::KeyboardModifiers mods) {
    ASSERT_TRUE(QApplication::activePopupWidget() || QApplication::focusWidget() || QApplication::activeWindow())
        << "the keyboard is nowhere";
    QTest::keyClick(static_cast<QWidget*>(nullptr), static_cast<Qt::Key>(key), mods);
}
inline void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QCoreApplication::processEvents();
    send(key, mods);
}

// Runs `inside` once the modal window `name` is up. It looks again at each
// turn of the event loop: a menu that closes runs a short loop of its own
// before its entry opens the window.
inline void armModal(const QString& name, const QString& text, std::function<void(QWidget*)> inside,
              std::shared_ptr<bool> seen, int turns) {
    QTimer::singleShot(0, [=] {
        QWidget* w = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!w || w->objectName() != name || (box && !text.isEmpty() && box->text() != text)) {
            if (turns > 0 && !*seen) armModal(name, text, inside, seen, turns - 1);
            return;
        }
        *seen = true;
        QPointer<QWidget> window = w;
        QCoreApplication::processEvents();
        inside(w);
        QCoreApplication::processEvents();
        // A window left open by a failure is closed, so the test ends.
        if (window && window->isVisible()) {
            ADD_FAILURE() << name.toStdString() << " left open";
            if (auto* d = qobject_cast<QDialog*>(window.data())) d->reject();
        }
    });
}
// True once it was seen. A message box is told by its text.
inline std::shared_ptr<bool> whenModal(const char* name, std::function<void(QWidget*)> inside, const QString& text = {}) {
    auto seen = std::make_shared<bool>(false);
    armModal(QString::fromUtf8(name), text, std::move(inside), seen, 2000);
    return seen;
}

// Presses `key`, which opens the modal window `name`; `inside` plays in it.
inline void pressInto(const char* name, int key, Qt::KeyboardModifiers mods, std::function<void(QWidget*)> inside) {
    QCoreApplication::processEvents();
    auto seen = whenModal(name, std::move(inside));
    send(key, mods);
    EXPECT_TRUE(*seen) << name << " did not open";
}
inline void pressInto(const char* name, int key, std::function<void(QWidget*)> inside) {
    pressInto(name, key, Qt::NoModifier, std::move(inside));
}

// Answers the question the key asks with another key.
inline void answer(int key, Qt::KeyboardModifiers mods, int reply) {
    pressInto("MsgBox", key, mods, [reply](QWidget*) { press(reply); });
}

inline QWidget* frame() { return topLevel(QStringLiteral("Main")); }

