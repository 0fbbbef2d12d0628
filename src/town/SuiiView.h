#pragma once
#include <functional>
// The history window: the chart of the month ends in two tabs, and beside it
// the same figures as a table a keyboard and a screen reader can read.
#include "shell/Program.h"
#include "ui/qt/Views.h"

class QCategoryAxis;
class QChart;
class QLineSeries;
class QValueAxis;

namespace town {

class Suii;
class SuiiModel;
class SuiiTable;

class SuiiView : public ui::qt::MdiView {
public:
    SuiiView(Program& p, QMdiArea* area);
    void refresh() override;

private:
    void redraw(size_t from);
    void fitAxes();
    void dress();
    Suii& f_;
    SuiiModel* model_;
    SuiiTable* table_;
    QWidget* chart1_;
    QLineSeries *money_, *result_, *people_, *staff_, *floors_;
    QValueAxis *moneyAxis_, *resultAxis_, *peopleAxis_, *staffAxis_, *floorsAxis_;
    QCategoryAxis *months1_, *months2_, *grades_;
    int resets_ = -1;   // the history's reset count drawn
    int changes_ = -1;  // and its change count
    int dressed_ = -1;  // the contrast the charts are drawn in
    std::vector<state::MonthRow> drawn_;  // the rows drawn
    std::function<void()> arrange_;       // the chart beside the table, or above it
};

}  // namespace town
