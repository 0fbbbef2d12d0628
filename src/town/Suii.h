#pragma once
// The history window "推移": the month ends since the game began, as a chart
// and a table. It only reads the rows the month end appends.
#include "shell/Program.h"

namespace town {

class Suii : public ui::Form {
public:
    explicit Suii(Program& p);
    const char* name() const override { return "Suii"; }

    ui::Label Tab1{QStringLiteral("所持金と収支")};
    ui::Label Tab2{QStringLiteral("人口・従業員・階数")};
    // Series and axis titles, in the game's units.
    ui::Label Money{QStringLiteral("所持金（百万円）")};
    ui::Label Result{QStringLiteral("合計（万円）")};
    ui::Label People{QStringLiteral("人口（人）")};
    ui::Label Staff{QStringLiteral("従業員（人）")};
    ui::Label Floors{QStringLiteral("階数（階）")};
    // Column captions of the table, left to right.
    std::array<ui::Label, 6> Column;

    static constexpr int kColumns = 6;
    const std::vector<state::MonthRow>& rows() const;
    int resets() const;
    int changes() const;
    // The table's text of row r, column c: the month as the date line names
    // it, the money as the frame shows it, the other figures in their units.
    QString cell(int r, int c) const { return cell(rows().at(size_t(r)), c); }
    static QString cell(const state::MonthRow& row, int c);
    static QString monthText(const state::MonthRow& row);

private:
    Program& p;
};

}  // namespace town
