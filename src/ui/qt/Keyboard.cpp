#include "ui/qt/Keyboard.h"

#include "ui/qt/ScreenReader.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui::qt {

bool isClickKey(const QKeyEvent* e) {
    return e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier
               ? e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space
               : false;
}

namespace {
// Qt's buttons take Enter only as a dialog's default, so in a dialog Enter on
// "▲" would press "OK". Space is theirs already.
class EnterPresses : public QObject {
public:
    using QObject::QObject;
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (!isClickKey(k) || k->key() == Qt::Key_Space) return false;
        auto* b = static_cast<QAbstractButton*>(o);
        if (b->isEnabled()) b->click();
        return true;
    }
};

// Qt clears a window's keyboard mark when it is shown: set it on the showing.
class MarkOnShow : public QObject {
public:
    using QObject::QObject;
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            static_cast<QWidget*>(o)->setAttribute(Qt::WA_KeyboardFocusChange);
            o->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

bool takesText(const QObject* o) {
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QAbstractSpinBox*>(o)) return true;
    if (auto* t = qobject_cast<const QTextEdit*>(o)) return !t->isReadOnly();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(o)) return !t->isReadOnly();
    return false;
}

// The keyboard repeats a held key as a release and a press of the same
// moment. The toolkit marks such pairs as repeats only when the press has
// already arrived as the release is read, so a pair is also told by its
// time: a release that came a while after its press (no tap is that long
// and that quick again), then a press of the same instant.
// A repeat sets off no shortcut, and a click key's repeat goes nowhere; a
// text field takes the repeats of Space. A key reaches the window before
// the control with the focus: what that control is decides, not where the
// key is at the moment.
//
// Under a screen reader the toolkit lends each key to it first and hands the
// program a copy once it has been heard: later, posted to the window, with no
// time. A shortcut still acts as the key comes, so Alt+F can open its menu
// before the copy of the Alt arrives, and Alt closes a menu. A key that went
// down before the open menu opened is not the menu's.
class HeldKeys : public QObject {
public:
    using QObject::QObject;
protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        const QEvent::Type type = e->type();
        if (type == QEvent::Show && qobject_cast<QMenu*>(o)) menuOpenedAt_ = keysDown_;
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (o->isWindowType() && type != QEvent::KeyRelease) {
            if (e->spontaneous()) wentDownAt_[k->key()] = ++keysDown_;
            else if (type == QEvent::KeyPress && QApplication::activePopupWidget() &&
                     wentDownAt_.value(k->key()) <= menuOpenedAt_)
                return true;  // a copy handed back late
        }
        const bool repeat =
            k->isAutoRepeat() || (type != QEvent::KeyRelease && held_ && k->key() == key_ && k->timestamp() == releasedAt_);
        if (type == QEvent::ShortcutOverride) {
            if (repeat) e->accept();  // taken by the widget: no shortcut
            return repeat;
        }
        if (type == QEvent::KeyRelease && !repeat) {
            held_ = k->key() == key_ && k->timestamp() >= pressedAt_ + 10;
            releasedAt_ = k->timestamp();
        } else if (type == QEvent::KeyPress) {
            key_ = k->key();
            pressedAt_ = k->timestamp();
            held_ = false;
        }
        if (!repeat || !isClickKey(k)) return false;
        const QWidget* to = QApplication::focusWidget();
        return k->key() != Qt::Key_Space || !takesText(to ? to : o);
    }
private:
    int key_ = 0;
    quint64 pressedAt_ = 0, releasedAt_ = 0;
    bool held_ = false;
    QHash<int, quint64> wentDownAt_;  // by key: when it last went down, counted in keys
    quint64 keysDown_ = 0, menuOpenedAt_ = 0;
};

QWidget* frameWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
    return nullptr;
}
}  // namespace

void actOnceOnHeldKeys() {
    static QObject* filter = nullptr;
    if (filter || !qApp) return;
    filter = new HeldKeys(qApp);
    qApp->installEventFilter(filter);
}

void pressOnEnter(QAbstractButton* b) { b->installEventFilter(new EnterPresses(b)); }

void focusByKey(QWidget* w) {
    if (!w) return;
    // The window shows focus frames once the keyboard has moved the focus.
    w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    w->setFocus(Qt::ShortcutFocusReason);
    w->update();
}

void showFocusFromTheStart(QWidget* window) { window->installEventFilter(new MarkOnShow(window)); }

bool takesKeyFocus(const QWidget* w) {
    return w && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled();
}

QWidget* firstKeyFocus(QWidget* pane) {
    if (!pane) return nullptr;
    QWidget* w = pane;
    // The Tab order runs through the whole window: keep to this pane.
    for (int guard = 0; guard < 10000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == pane) return nullptr;
        if (pane->isAncestorOf(w) && takesKeyFocus(w)) return w;
    }
    return nullptr;
}

void FocusReturn::take() {
    if (held_) return;
    held_ = true;
    control_ = QApplication::focusWidget();
    window_ = control_ ? control_->window() : QApplication::activeWindow();
    keyboard_ = window_ && window_->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusReturn::give(bool quietly) {
    if (!held_) return;
    held_ = false;
    QWidget* control = control_;
    QWidget* window = window_;
    control_ = nullptr;
    window_ = nullptr;
    if (control && !(control->isVisible() && control->isEnabled())) control = nullptr;
    if (control) window = control->window();
    if (!window || !window->isVisible()) window = frameWindow();
    if (!window) return;
    if (quietly) returnQuietly(window);
    window->activateWindow();
    if (control) control->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui::qt
