#pragma once
// What every window does with the keyboard the same way: where the focus
// goes and how it is shown, and the way back after a window closes.
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QKeyEvent;

namespace ui::qt {

// Enter, Return (also on the keypad) and Space: the keys that act like a click.
bool isClickKey(const QKeyEvent* e);

// A held key acts once, as a click does: the repeats of a click key that the
// keyboard sends while it is held go nowhere, so a question opened by the
// first press cannot be answered by the next. Typing in a text field keeps
// its repeated spaces. A key a screen reader hands back late does not reach a
// menu that opened after it went down. Installed once for the whole program.
void actOnceOnHeldKeys();

// Enter, Return and keypad Enter press the button while it has the focus, as
// Space does; a dialog's default button takes Enter only from controls that
// are not buttons.
void pressOnEnter(QAbstractButton* b);

// Gives `w` the focus as a key does, with the focus frame showing.
void focusByKey(QWidget* w);

// The window about to open shows its focus frame from the start, as the one
// the keyboard opened it from does.
void showFocusFromTheStart(QWidget* window);

// Can the keyboard move the focus to `w` (shown, enabled, takes Tab)?
bool takesKeyFocus(const QWidget* w);

// The first control of `pane` that takes the focus, in Tab order; null if none.
QWidget* firstKeyFocus(QWidget* pane);

// The control that had the focus when a window opened, and its window. When
// that window closes they get the focus back: the program keeps the keyboard
// whatever the window manager would choose.
class FocusReturn {
public:
    // Remembers the focus of now; a second call while holding keeps the first.
    void take();
    // Back to the control, or its window, or else the frame. Once. Quietly:
    // a screen reader is not told of the return (ScreenReader.h).
    void give(bool quietly = false);
    bool holding() const { return held_; }
    // Was the keyboard moving the focus where the window was opened? Its
    // focus frames then show in the new window from the start.
    bool keyboardInUse() const { return keyboard_; }

private:
    QPointer<QWidget> control_;
    QPointer<QWidget> window_;
    bool held_ = false;
    bool keyboard_ = false;
};

}  // namespace ui::qt
