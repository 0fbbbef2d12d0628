#pragma once
// The history window: the charts of the month ends in two tabs, and beside
// them (or under them, where the window is narrow) the same figures as a
// table a keyboard and a screen reader can read.
#include <functional>

#include "shell/Program.h"
#include "ui/qt/Views.h"

namespace ui::qt {
class Chart;
}

namespace town {

class Suii;
class SuiiModel;
class SuiiTable;

class SuiiView : public ui::qt::MdiView {
public:
    SuiiView(Program& p, QMdiArea* area);
    void refresh() override;

private:
    Suii& f_;
    SuiiModel* model_;
    SuiiTable* table_;
    ui::qt::Chart* money_;
    ui::qt::Chart* town_;
    int resets_ = -1;   // the history's reset count drawn
    int changes_ = -1;  // and its change count
    std::function<void()> arrange_;  // the charts beside the table, or above it
};

}  // namespace town
