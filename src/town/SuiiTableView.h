#pragma once
// 推移's table: the month ends as rows a keyboard and a screen reader can
// read. It keeps its own copy of the rows and of its columns' words, so it
// draws the same whether or not its form is still there.
#include <QAbstractTableModel>
#include <QSet>
#include <QTableView>
#include <array>
#include <functional>
#include <vector>

#include "town/Suii.h"

namespace town {

class SuiiModel : public QAbstractTableModel {
public:
    SuiiModel(const Suii& form, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    // The rows to draw: the rows drawn and more are added, others replace
    // them. Gives the first row that is new (0: all are).
    int show(const std::vector<state::MonthRow>& rows);
    // A cell as the table shows it.
    QString text(int row, int column) const;

private:
    QStringList headers_;   // the columns' captions as shown
    QStringList captions_;  // and as heard, without their units
    QStringList units_;
    std::vector<state::MonthRow> rows_;
};

// Every column as wide as its widest cell in all the rows, not only those in
// sight, measured again when the type or the look changes; every cell of a
// row on one line.
class SuiiTable : public QTableView {
public:
    explicit SuiiTable(SuiiModel* model);
    // Measures the rows from `from` on (all of them from 0).
    void fit(int from);
    // The width that shows every column, with room for the scroll bar.
    int need() const;
    std::function<void()> fitted;  // after the columns were measured

protected:
    void changeEvent(QEvent* e) override;

private:
    SuiiModel* model_;
    std::array<QSet<QString>, Suii::kColumns> shapes_;  // each column's texts measured, by shape
    std::array<int, Suii::kColumns> widest_{};
};

}  // namespace town
