#include "town/SuiiChartsView.h"

#include <algorithm>

#include "town/Ladders.h"
#include "town/Suii.h"
#include "ui/qt/Language.h"
#include "ui/qt/ScreenReader.h"

namespace town {

namespace {

using Chart = ui::qt::Chart;

// Each chart's lines in the same order of colours, strokes and markers: a
// line is told by more than its colour, in the legend too.
constexpr uint32_t kColours[] = {0x209FDF, 0x99CA53, 0xF6A625};
constexpr Qt::PenStyle kStrokes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
constexpr Chart::Marker kMarkers[] = {Chart::Marker::Circle, Chart::Marker::Square, Chart::Marker::Triangle};

Chart::Line line(const ui::Label& name, int i) {
    return {ui::qt::shown(name.text()), i, kColours[i], kStrokes[i], kMarkers[i]};
}

// The town's grades: a line where each begins, named "町～" and so on.
std::vector<std::pair<double, QString>> grades(double, double) {
    std::vector<std::pair<double, QString>> marks;
    for (size_t i = 0; i + 1 < kGrades.size(); ++i)
        marks.emplace_back(kGrades[i].upTo, ui::qt::shown(QString::fromUtf16(kGrades[i + 1].word) + u'～'));
    return marks;
}

}  // namespace

Chart* moneyChart(const Suii& f) {
    return new Chart({{ui::qt::shown(f.Money.text()), Chart::Side::Left, true},
                      {ui::qt::shown(f.Result.text()), Chart::Side::Right}},
                     {line(f.Money, 0), line(f.Result, 1)});
}

Chart* townChart(const Suii& f) {
    // The grade boundaries are the lines across this one.
    return new Chart({{ui::qt::shown(f.People.text()), Chart::Side::Left, false, grades, 0xC06000},
                      {ui::qt::shown(f.Staff.text()), Chart::Side::Right},
                      {ui::qt::shown(f.Floors.text()), Chart::Side::Right}},
                     {line(f.People, 0), line(f.Staff, 1), line(f.Floors, 2)});
}

void drawRows(Chart* money, Chart* town, const std::vector<state::MonthRow>& rows) {
    QStringList months;
    std::vector<std::vector<double>> m(2), t(3);
    for (const state::MonthRow& r : rows) {
        months << ui::qt::shown(Suii::monthText(r));
        m[0].push_back(r.money);
        m[1].push_back(double(r.result));
        t[0].push_back(r.population);
        t[1].push_back(r.employees);
        t[2].push_back(r.floors);
    }
    money->setFigures(months, std::move(m));
    town->setFigures(std::move(months), std::move(t));
}

QString moneySummary(const Suii& f) {
    const auto& rows = f.rows();
    if (rows.empty()) return {};
    const auto [low, high] = std::minmax_element(rows.begin(), rows.end(),
                                                 [](const auto& a, const auto& b) { return a.money < b.money; });
    const auto money = [](auto it) { return ui::qt::shown(Suii::cell(*it, 1)); };
    const QString months = rows.size() == 1 ? Suii::monthText(rows.front())
                                            : Suii::monthText(rows.front()) + u'～' + Suii::monthText(rows.back());
    return ui::qt::spokenList({ui::qt::shown(months),
                               ui::qt::figureWords({ui::qt::shown(f.Column[1].text()), ui::qt::shown(QStringLiteral("最高"))},
                                                   money(high), {}),
                               ui::qt::figureWords({ui::qt::shown(QStringLiteral("最低"))}, money(low), {})});
}

}  // namespace town
