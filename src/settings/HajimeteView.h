#pragma once
// The window "はじめてのかたへ": a small child window at an edge of the frame,
// clear of the windows its step points at. It stays where it is while the
// player works, and moves only when a window its step needs would be under
// it; a window the player activates comes in front of it. Where the screen
// has little room it shrinks to a strip or a corner and its words scroll.
// It never takes the keyboard by itself (F6 brings the keyboard to it);
// each new step is said once.
#include <QScrollArea>

#include "shell/Program.h"
#include "ui/qt/Views.h"

namespace settings {

class Hajimete;

class HajimeteView : public ui::qt::MdiView {
public:
    HajimeteView(Program& p, QMdiArea* area);
    ~HajimeteView() override;
    void showView() override;
    void refresh() override;

private:
    // Its height at a width, with the whole of its words.
    int heightAt(int width) const;
    // The least it shrinks to: its buttons and three lines of its words.
    QSize least() const;
    // To the place where it covers none of the windows its step points at,
    // shows the most of its words and covers the least of the others.
    void place();
    // Grown or shrunk to a new step's words where it is, its buttons kept
    // where they were as far as the room allows; false where they do not
    // fit there.
    bool fitWords();
    bool covers(const QRect& r, const QList<QRect>& pointed) const;
    QRect pointedAt(const QString& window) const;
    QList<QRect> pointedAtNow() const;
    Hajimete& f_;
    QScrollArea* words_ = nullptr;  // the step's words, inside it
    QWidget* page_ = nullptr;
    QLayout* row_ = nullptr;  // its buttons
    int shownStep_ = 0;
    bool placed_ = false;
    QList<QRect> pointedBefore_;
    QPointer<QObject> room_;  // watches the work area's size  // where the windows it points at were at the last look
};

}  // namespace settings
