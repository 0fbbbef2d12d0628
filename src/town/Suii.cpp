#include "town/Suii.h"

#include "finance/Money.h"

namespace town {

Suii::Suii(Program& p) : ui::Form(p), p(p) {
    caption = QStringLiteral("推移");
    const char16_t* const captions[kColumns] = {u"月", u"所持金", u"合計（万円）", u"人口", u"従業員", u"階数"};
    for (int c = 0; c < kColumns; ++c) Column[c].setText(QString::fromUtf16(captions[c]));
}

const std::vector<state::MonthRow>& Suii::rows() const { return p.history.rows(); }
int Suii::resets() const { return p.history.resets(); }
int Suii::changes() const { return p.history.changes(); }

QString Suii::monthText(const state::MonthRow& row) {
    return state::monthWords(row.year, row.month);
}

QString Suii::cell(const state::MonthRow& row, int c) {
    switch (c) {
        case 0: return monthText(row);
        // The frame's own digits and suffix: the money in millions, rounded.
        case 1: return finance::grouped(row.money) + QStringLiteral(",000,000円");
        case 2: return ui::numberText(row.result);
        case 3: return ui::numberText(row.population) + QStringLiteral("人");
        case 4: return ui::numberText(row.employees) + QStringLiteral("人");
        case 5: return ui::numberText(row.floors) + QStringLiteral("階");
    }
    return {};
}

}  // namespace town
