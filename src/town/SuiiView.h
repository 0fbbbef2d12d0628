#pragma once
#include <functional>
// The history window: the chart of the month ends in two tabs, and beside it
// the same figures as a table a keyboard and a screen reader can read.
#include <QAbstractTableModel>

#include "shell/Program.h"
#include "ui/qt/Views.h"

class QCategoryAxis;
class QChart;
class QLineSeries;
class QTableView;
class QValueAxis;

namespace town {

class Suii;

// The table's rows are the form's; the model only says how many are drawn.
class SuiiModel : public QAbstractTableModel {
public:
    explicit SuiiModel(Suii& form) : f_(form) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void resetTo(int rows);
    void growTo(int rows);

private:
    Suii& f_;
    int rows_ = 0;
};

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
    QTableView* table_;
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
