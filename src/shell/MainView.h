#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace ui::qt { class SizeMenu; }

namespace shell {

class ToolRow;

// The frame: menu bar, tool row with the money, and the document area. It
// owns the keys that reach across its panes: the menus, F6 between the tool
// row and the child windows, Ctrl+Tab between the child windows, and the
// tool row's shortcuts.
class MainView : public ui::View {
public:
    explicit MainView(Program& p);
    ~MainView() override;
    void showView() override;
    void hideView() override;
    void refresh() override;
    QMainWindow* widget() const { return w_; }
    QMdiArea* area() const { return area_; }

private:
    void keys();
    QSize given_;  // the size the frame was given last, to tell the player's own
    // The panes in F6 order: the tool row, then each visible child window.
    std::vector<QWidget*> panes() const;
    // The pane the keyboard is in, or null.
    QWidget* paneWithFocus() const;
    void enterPane(QWidget* pane);
    // Moves `step` panes on; children only for Ctrl+Tab.
    void nextPane(int step, bool childrenOnly);
    // The text at `step` (0 標準, 1 大, 2 特大) in every window at once, and kept.
    void textSize(int step);

    Program& p_;
    ui::qt::Binder bind;
    QMainWindow* w_;
    QMdiArea* area_;
    ToolRow* row_ = nullptr;
    ui::qt::SizeMenu* sizes_ = nullptr;
    QMetaObject::Connection focus_;
    QString lastPane_;  // the child window the keyboard was in last, or none: the tool row
    std::vector<QLabel*> money_;  // the money's figures, in a type of their own
};

}  // namespace shell
