#pragma once
// 推移's two charts: what each shows (its axes named with their units, its
// lines with their colours, strokes and markers, the town's grades on the
// population's axis), and the one line a screen reader hears of the money's.
#include <vector>

#include "state/History.h"
#include "ui/qt/Chart.h"

namespace town {

class Suii;

// The money after each month end and the report's 合計.
ui::qt::Chart* moneyChart(const Suii& f);
// The population, the employees and the floors.
ui::qt::Chart* townChart(const Suii& f);
// Both drawn with these rows.
void drawRows(ui::qt::Chart* money, ui::qt::Chart* town, const std::vector<state::MonthRow>& rows);
// What the money chart shows, in one line: the months it spans and the
// highest and lowest money, in the table's own words.
QString moneySummary(const Suii& f);

}  // namespace town
