#pragma once
// The window "はじめてのかたへ": a small child window at an edge of the frame,
// away from the windows its step points at. It never takes the keyboard by
// itself (F6 brings the keyboard to it); each new step is said once.
#include <QScrollArea>

#include "shell/Program.h"
#include "ui/qt/Views.h"

namespace settings {

class Hajimete;

class HajimeteView : public ui::qt::MdiView {
public:
    HajimeteView(Program& p, QMdiArea* area);
    void showView() override;
    void refresh() override;

private:
    // To the first corner of the frame's area where it covers none of the
    // windows its step points at (else where it covers the least of them).
    void place();
    QRect pointedAt(const QString& window) const;
    QList<QRect> pointedAtNow() const;
    Hajimete& f_;
    QScrollArea* words_ = nullptr;  // the step's words, inside it
    QWidget* page_ = nullptr;
    QLayout* row_ = nullptr;  // its buttons
    int shownStep_ = 0;
    QList<QRect> placedAgainst_;  // where the windows it points at were when it was placed
};

}  // namespace settings
