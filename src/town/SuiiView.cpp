#include "town/SuiiView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTabWidget>
#include <algorithm>

#include "town/Suii.h"
#include "town/SuiiChartsView.h"
#include "town/SuiiTableView.h"
#include "ui/qt/Language.h"
#include "ui/qt/ScreenReader.h"
#include "ui/qt/TextSize.h"

namespace town {

namespace {

// Where the frame leaves the charts too little room beside the table (a
// larger text on a small screen), the charts go above the table.
struct Stack : QObject {
    QSplitter* split;
    QWidget* charts;
    SuiiTable* table;
    Stack(QSplitter* s, QWidget* c, SuiiTable* t) : QObject(s), split(s), charts(c), table(t) {
        s->installEventFilter(this);
        t->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize || e->type() == QEvent::Show) arrange();
        return false;
    }
    void arrange() {
        const int need = table->need();
        const bool stacked = split->width() - need < std::max(ui::qt::px(480), charts->minimumSizeHint().width());
        const auto o = stacked ? Qt::Vertical : Qt::Horizontal;
        if (split->orientation() == o && table->minimumWidth() == need) return;
        split->setOrientation(o);
        // Beside the charts the table is as wide as its columns; under
        // them, as wide as the window, never less than its columns.
        table->setMinimumWidth(need);
        table->setMaximumWidth(stacked ? QWIDGETSIZE_MAX : need);
        if (stacked) split->setSizes({split->height() * 3 / 5, split->height() * 2 / 5});
    }
};

// A chart is a picture to a screen reader, named by its tab.
void asPicture(QWidget* chart, const char* name, const QString& tab) {
    chart->setObjectName(QLatin1String(name));
    ui::qt::hear(chart, {ui::qt::Acts::Picture, {}, {}});
    chart->setAccessibleName(tab);
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
    money_ = moneyChart(f_);
    asPicture(money_, "Chart1", ui::qt::shown(f_.Tab1.text()));
    tabs->addTab(money_, ui::qt::shown(f_.Tab1.text()));
    town_ = townChart(f_);
    asPicture(town_, "Chart2", ui::qt::shown(f_.Tab2.text()));
    tabs->addTab(town_, ui::qt::shown(f_.Tab2.text()));
    split->addWidget(tabs);

    model_ = new SuiiModel(f_, body_);
    table_ = new SuiiTable(model_);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setAccessibleName(ui::qt::shown(f_.caption));  // read as the window's own table
    split->addWidget(table_);
    // A narrow frame takes its room from the charts: the table keeps every column.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setCollapsible(0, false);
    split->setCollapsible(1, false);
    split->setSizes({ui::qt::px(660), ui::qt::px(420)});
    auto* stack = new Stack(split, tabs, table_);
    arrange_ = [stack] { stack->arrange(); };
    table_->fitted = arrange_;
    // The keyboard starts in the table when the window is chosen: its cells
    // are the figures a screen reader reads; Tab goes on to the charts.
    table_->setFocus();

    sub_->resize(ui::qt::px(QSize(1090, 540)));
    sub_->move(0, 0);
}

void SuiiView::refresh() {
    if (!sub_) return;  // the frame took the window with it
    MdiView::refresh();
    // Called after every event: only a new month end or another game draws
    // again; a month end adds a row, the turn of the year may also add to the last.
    if (f_.changes() == changes_ && f_.resets() == resets_) return;
    changes_ = f_.changes();
    resets_ = f_.resets();
    const auto& rows = f_.rows();
    const bool atEnd = !table_->currentIndex().isValid() || table_->currentIndex().row() == model_->rowCount() - 1;
    drawRows(money_, town_, rows);
    table_->fit(model_->show(rows));  // and the charts beside the table or above it
    money_->setAccessibleDescription(moneySummary(f_));
    // A reader at the newest month stays there as months are added.
    if (atEnd && !rows.empty()) table_->scrollToBottom();
}

}  // namespace town
