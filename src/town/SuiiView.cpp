#include "town/SuiiView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTabWidget>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "town/Ladders.h"
#include "town/Suii.h"
#include "town/SuiiTableView.h"
#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/ScreenReader.h"
#include "ui/qt/TextSize.h"

namespace town {

namespace {

// The chart's words in the window's own type, which grows with the text
// size: the charts' theme would keep them at its own few pixels.
void inWindowsType(QAbstractAxis* a) {
    a->setLabelsFont(QApplication::font());
    a->setTitleFont(QApplication::font());
}

QValueAxis* valueAxis(QChart* chart, const QString& title, Qt::Alignment side) {
    auto* a = new QValueAxis;
    inWindowsType(a);
    a->setTitleText(title);
    a->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(a, side);
    return a;
}

QLineSeries* series(QChart* chart, const QString& name, QAbstractAxis* x, QAbstractAxis* y) {
    auto* s = new QLineSeries;
    s->setName(name);
    chart->addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
    return s;
}

// Never so low that a side axis's name is cut to "…": the chart asks for the
// height its names need above what its legend and months take.
void keepAxisNamesWhole(QChartView* view) {
    QChart* c = view->chart();
    QObject::connect(c, &QChart::plotAreaChanged, view, [view, c](const QRectF& plot) {
        int names = 0;
        for (QAbstractAxis* a : c->axes(Qt::Vertical))
            if (a->isTitleVisible()) names = std::max(names, QFontMetrics(a->titleFont()).horizontalAdvance(a->titleText()));
        const int need = int(std::ceil(c->size().height() - plot.height())) + names;
        if (names <= plot.height() || view->minimumHeight() >= need) return;
        view->setMinimumHeight(need);
        // A window left smaller than that grows to hold it.
        for (QWidget* w = view->parentWidget(); w; w = w->parentWidget())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
                sub->resize(sub->size().expandedTo(sub->minimumSizeHint()));
                break;
            }
    });
}

QChart* chart(QCategoryAxis** months) {
    auto* c = new QChart;
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setFont(QApplication::font());
    c->setMargins(QMargins(4, 4, 4, 4));
    *months = new QCategoryAxis;
    (*months)->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    inWindowsType(*months);
    c->addAxis(*months, Qt::AlignBottom);
    return c;
}

// At most five month names along the bottom, the first month always among them:
// more would not fit and be cut short.
void nameMonths(QCategoryAxis* axis, const std::vector<state::MonthRow>& rows) {
    for (const QString& l : axis->categoriesLabels()) axis->remove(l);
    const int n = int(rows.size());
    const int step = std::max(1, (n + 4) / 5);
    for (int i = 0; i < n; i += step) axis->append(ui::qt::shown(Suii::monthText(rows[size_t(i)])), i);
    axis->setRange(0, std::max(1, n - 1));
}

// A range from 0 (or the lowest figure below it) to the highest, in round
// numbers, with room above and below: a figure on the plot's border is lost.
void fit(QValueAxis* axis, const QLineSeries* s, double least) {
    double lo = 0, hi = 0;
    bool onZero = false;
    for (const QPointF& p : s->points()) {
        lo = std::min(lo, p.y());
        hi = std::max(hi, p.y());
        onZero = onZero || p.y() == 0;
    }
    const double room = std::max(hi - lo, least) * 0.08;
    hi = std::max(hi + room, least);
    if (lo < 0 || onZero) lo -= room;
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
}

// The town's grades on the population axis: a line where each grade begins,
// named "町～" and so on; one too close to the line below it to be read is left out.
void markGrades(QCategoryAxis* grades, const QValueAxis* people) {
    for (const QString& l : grades->categoriesLabels()) grades->remove(l);
    const double lo = people->min(), hi = people->max();
    grades->setRange(lo, hi);
    grades->setStartValue(lo);
    const double close = (hi - lo) * 0.06;
    double last = lo;
    for (size_t i = 0; i + 1 < kGrades.size(); ++i) {
        const double from = kGrades[i].upTo;  // where the next grade begins
        if (from <= lo) continue;
        if (from >= hi) break;
        if (from - last < close) continue;
        grades->append(ui::qt::shown(QString::fromUtf16(kGrades[i + 1].word) + u'～'), from);
        last = from;
    }
}

// What the money chart shows, in one line a screen reader says: the months
// it spans and the highest and lowest money, in the table's own words.
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

}  // namespace

SuiiView::SuiiView(Program& p, QMdiArea* area) : MdiView(p, p.suii(), area), f_(p.suii()) {
    auto* lay = new QHBoxLayout(body_);
    lay->setContentsMargins(4, 4, 4, 4);
    auto* split = new QSplitter(Qt::Horizontal);
    split->setObjectName(QStringLiteral("Split"));
    lay->addWidget(split);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("Tabs"));
    QChart* money = chart(&months1_);
    moneyAxis_ = valueAxis(money, ui::qt::shown(f_.Money.text()), Qt::AlignLeft);
    resultAxis_ = valueAxis(money, ui::qt::shown(f_.Result.text()), Qt::AlignRight);
    money_ = series(money, ui::qt::shown(f_.Money.text()), months1_, moneyAxis_);
    result_ = series(money, ui::qt::shown(f_.Result.text()), months1_, resultAxis_);
    auto* view1 = new QChartView(money);
    view1->setObjectName(QStringLiteral("Chart1"));
    view1->setRenderHint(QPainter::Antialiasing);
    // A chart is a picture to a screen reader, named by its tab; the money's
    // is described by what it shows.
    ui::qt::hear(view1, {ui::qt::Acts::Picture, {}, {}});
    view1->setAccessibleName(ui::qt::shown(f_.Tab1.text()));
    keepAxisNamesWhole(view1);
    chart1_ = view1;
    tabs->addTab(view1, ui::qt::shown(f_.Tab1.text()));

    QChart* town = chart(&months2_);
    grades_ = new QCategoryAxis;
    grades_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    inWindowsType(grades_);
    town->addAxis(grades_, Qt::AlignLeft);
    peopleAxis_ = valueAxis(town, ui::qt::shown(f_.People.text()), Qt::AlignLeft);
    peopleAxis_->setGridLineVisible(false);  // the grade boundaries are the lines here
    staffAxis_ = valueAxis(town, ui::qt::shown(f_.Staff.text()), Qt::AlignRight);
    floorsAxis_ = valueAxis(town, ui::qt::shown(f_.Floors.text()), Qt::AlignRight);
    staffAxis_->setGridLineVisible(false);
    floorsAxis_->setGridLineVisible(false);
    people_ = series(town, ui::qt::shown(f_.People.text()), months2_, peopleAxis_);
    people_->attachAxis(grades_);
    staff_ = series(town, ui::qt::shown(f_.Staff.text()), months2_, staffAxis_);
    floors_ = series(town, ui::qt::shown(f_.Floors.text()), months2_, floorsAxis_);
    auto* view2 = new QChartView(town);
    view2->setObjectName(QStringLiteral("Chart2"));
    keepAxisNamesWhole(view2);
    view2->setRenderHint(QPainter::Antialiasing);
    ui::qt::hear(view2, {ui::qt::Acts::Picture, {}, {}});
    view2->setAccessibleName(ui::qt::shown(f_.Tab2.text()));
    tabs->addTab(view2, ui::qt::shown(f_.Tab2.text()));
    split->addWidget(tabs);

    model_ = new SuiiModel(f_, body_);
    table_ = new SuiiTable(model_);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setAccessibleName(ui::qt::shown(f_.caption));  // read as the window's own table
    split->addWidget(table_);
    // A narrow frame takes its room from the chart: the table keeps every column.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setCollapsible(0, false);
    split->setCollapsible(1, false);
    split->setSizes({ui::qt::px(660), ui::qt::px(420)});
    // Where the frame leaves the chart too little room beside the table (a
    // larger text on a small screen), the chart goes above the table, its
    // axes' figures whole.
    struct Stack : QObject {
        QSplitter* split;
        SuiiTable* table;
        Stack(QSplitter* s, SuiiTable* t) : QObject(s), split(s), table(t) {
            s->installEventFilter(this);
            t->installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Resize || e->type() == QEvent::Show) arrange();
            return false;
        }
        void arrange() {
            const int need = table->need();
            const bool stacked = split->width() - need < ui::qt::px(480);
            const auto o = stacked ? Qt::Vertical : Qt::Horizontal;
            if (split->orientation() == o && table->minimumWidth() == need) return;
            split->setOrientation(o);
            // Beside the chart the table is as wide as its columns; under
            // it, as wide as the window, never less than its columns.
            table->setMinimumWidth(need);
            table->setMaximumWidth(stacked ? QWIDGETSIZE_MAX : need);
            if (stacked) split->setSizes({split->height() * 3 / 5, split->height() * 2 / 5});
        }
    };
    auto* stack = new Stack(split, table_);
    arrange_ = [stack] { stack->arrange(); };
    table_->fitted = arrange_;
    // The keyboard starts in the table when the window is chosen: its cells
    // are the figures a screen reader reads; Tab goes on to the charts.
    table_->setFocus();

    sub_->resize(ui::qt::px(QSize(1090, 540)));
    sub_->move(0, 0);
}

// The charts in the contrast in use: in high contrast on black, with white
// words and lines lightened to be seen there. Lines are told apart by their
// strokes as well as their colours, in the legend too.
void SuiiView::dress() {
    const bool high = ui::qt::highContrast();
    dressed_ = high;
    const QColor ground = high ? QColor(Qt::black) : QColor(Qt::white);
    for (QWidget* view : {chart1_, body_->findChild<QWidget*>(QStringLiteral("Chart2"))}) {
        QChart* c = static_cast<QChartView*>(view)->chart();
        c->setTheme(high ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
        if (high) {
            c->setBackgroundBrush(ground);
            c->legend()->setLabelColor(Qt::white);
            for (QAbstractAxis* a : c->axes()) {
                a->setLabelsColor(Qt::white);
                a->setTitleBrush(Qt::white);
                a->setLinePenColor(Qt::white);
                a->setGridLineColor(QColor(0x70, 0x70, 0x70));
            }
        }
        const Qt::PenStyle strokes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
        int i = 0;
        for (QAbstractSeries* s : c->series()) {
            auto* line = static_cast<QLineSeries*>(s);
            QPen pen = line->pen();
            pen.setColor(ui::qt::readableOn(pen.color().rgb(), ground, high));
            pen.setStyle(strokes[i++ % 3]);
            line->setPen(pen);
        }
    }
    const QColor grade = ui::qt::readableOn(0xC06000, ground, high);
    grades_->setGridLinePen(QPen(grade, 1, Qt::DashLine));
    grades_->setLabelsColor(high ? QColor(Qt::white) : grades_->labelsColor());
}

void SuiiView::refresh() {
    if (!sub_) return;  // the frame took the window with it
    MdiView::refresh();
    if (dressed_ != int(ui::qt::highContrast())) dress();
    // Called after every event: only a new month end or another game redraws;
    // a month end adds a row, the turn of the year may also add to the last.
    if (f_.changes() == changes_) return;
    changes_ = f_.changes();
    const auto& rows = f_.rows();
    size_t same = 0;
    if (f_.resets() == resets_)
        while (same < rows.size() && same < drawn_.size() && rows[same] == drawn_[same]) ++same;
    resets_ = f_.resets();
    redraw(same < drawn_.size() ? 0 : same);
}

void SuiiView::redraw(size_t from) {
    const auto& rows = f_.rows();
    const bool atEnd = !table_->currentIndex().isValid() ||
                       table_->currentIndex().row() == model_->rowCount() - 1;
    if (from == 0) {
        QList<QPointF> m, r, pe, st, fl;
        for (size_t i = 0; i < rows.size(); ++i) {
            const double x = double(i);
            m << QPointF(x, rows[i].money);
            r << QPointF(x, rows[i].result);
            pe << QPointF(x, rows[i].population);
            st << QPointF(x, rows[i].employees);
            fl << QPointF(x, rows[i].floors);
        }
        money_->replace(m);
        result_->replace(r);
        people_->replace(pe);
        staff_->replace(st);
        floors_->replace(fl);
    } else {
        for (size_t i = from; i < rows.size(); ++i) {
            const double x = double(i);
            money_->append(x, rows[i].money);
            result_->append(x, rows[i].result);
            people_->append(x, rows[i].population);
            staff_->append(x, rows[i].employees);
            floors_->append(x, rows[i].floors);
        }
    }
    table_->fit(model_->show(rows));
    drawn_ = rows;
    // A line of one month is a point.
    for (QLineSeries* s : {money_, result_, people_, staff_, floors_}) s->setPointsVisible(rows.size() == 1);
    fitAxes();
    chart1_->setAccessibleDescription(moneySummary(f_));
    // A reader at the newest month stays there as months are added.
    if (atEnd && !rows.empty()) table_->scrollToBottom();
}

void SuiiView::fitAxes() {
    nameMonths(months1_, f_.rows());
    nameMonths(months2_, f_.rows());
    fit(moneyAxis_, money_, 10);  // an empty chart reads 0 to 10, not 0, 0, 0, 1, 1
    fit(resultAxis_, result_, 10);
    fit(peopleAxis_, people_, 10);
    fit(staffAxis_, staff_, 10);
    fit(floorsAxis_, floors_, 10);
    markGrades(grades_, peopleAxis_);
}

}  // namespace town
