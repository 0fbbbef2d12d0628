#pragma once
// The text size as the player changes it: the 文字の大きさ submenu and its
// keys, as in a browser — Ctrl++ (or Ctrl+=) one step larger, Ctrl+− one
// smaller, Ctrl+0 back to 標準 — in every window the game shows, a report or
// a question waiting for the player too: the player who cannot read it is
// the one who needs them.
#include <QObject>
#include <functional>

class QActionGroup;
class QMenu;

namespace ui::qt {

class SizeMenu : public QObject {
public:
    // Adds the submenu to `into`; `change` gets each step asked for that
    // differs from the step in use.
    SizeMenu(QMenu* into, std::function<void(int step)> change);
    // Marks the step in use.
    void follow();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void ask(int step);
    QActionGroup* steps_;
    std::function<void(int)> change_;
};

}  // namespace ui::qt
