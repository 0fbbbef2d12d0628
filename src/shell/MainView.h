#pragma once
#include "ui/qt/Views.h"
#include "shell/Program.h"

namespace shell {

// The frame: menu bar, tool row with the money, and the document area.
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
    Program& p_;
    ui::qt::Binder bind;
    QMainWindow* w_;
    QMdiArea* area_;
};

}  // namespace shell
