#include "settings/HajimeteView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "settings/Hajimete.h"
#include "ui/qt/Language.h"

namespace settings {

namespace {
constexpr int kWidth = 400;
constexpr int kStep = 20;  // the places tried along each edge, this far apart
}

HajimeteView::HajimeteView(Program& p, QMdiArea* area) : MdiView(p, p.hajimete(), area), f_(p.hajimete()) {
    Hajimete& h = f_;
    auto* lay = new QVBoxLayout(body_);
    QLabel* number = bind.label(new QLabel, h.Bangou, "Bangou");
    QLabel* what = bind.label(new QLabel, h.Setumei, "Setumei");
    QFont bold = what->font();
    bold.setBold(true);
    what->setFont(bold);
    QLabel* means = bind.label(new QLabel, h.Hosoku, "Hosoku");
    QLabel* keys = bind.label(new QLabel, h.Kii, "Kii");
    for (QLabel* l : {number, what, means, keys}) {
        l->setWordWrap(true);
        lay->addWidget(l);
    }
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(bind.button(new QPushButton, h.Tugi, "Tugi", [&h] { h.tugiClick(); }));
    row->addWidget(bind.button(new QPushButton, h.Toziru, "Toziru", [&h] { h.toziruClick(); }));
    lay->addLayout(row);
    // Each step is said whole, once, as it shows.
    bind.news(
        body_, [&h] { return QString::number(h.step()); },
        [number, what, means, keys] {
            return QStringList{number->text(), what->text(), means->text(), keys->text()}.join(u' ').replace(u'\n', u' ');
        },
        true);
}

// Shown where it covers nothing it points at, without taking the keyboard
// from the window the player is in.
void HajimeteView::showView() {
    if (!sub_) return;
    QMdiArea* area = sub_->mdiArea();
    QMdiSubWindow* active = area ? area->activeSubWindow() : nullptr;
    sub_->show();  // the area makes a window it shows the active one
    if (active && active != sub_) area->setActiveSubWindow(active);
    place();
    sub_->raise();
}

void HajimeteView::refresh() {
    MdiView::refresh();
    if (!sub_ || !sub_->isVisible()) return;
    bool covers = f_.step() != shownStep_;
    const QRect mine = sub_->frameGeometry();
    for (const QString& w : f_.pointsAt()) covers = covers || mine.intersects(pointedAt(w));
    if (covers) place();
}

// Where a window the step points at lies in the frame's area; nothing when
// it is not shown.
QRect HajimeteView::pointedAt(const QString& window) const {
    QMdiArea* area = sub_->mdiArea();
    if (!area) return {};
    for (QMdiSubWindow* s : area->subWindowList())
        if (s->objectName() == window && s->isVisible()) return s->frameGeometry();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == window && top->isVisible())
            return QRect(area->viewport()->mapFromGlobal(top->frameGeometry().topLeft()), top->frameGeometry().size());
    return {};
}

// Along the area's edges, the place that covers none of the windows the step
// points at and the least of the other open windows.
void HajimeteView::place() {
    QMdiArea* area = sub_->mdiArea();
    if (!area) return;
    shownStep_ = f_.step();
    const int chrome = sub_->height() - body_->height();
    const QSize size(kWidth, body_->layout()->totalHeightForWidth(kWidth - (sub_->width() - body_->width())) + chrome);
    const QRect room = area->viewport()->rect();
    const int right = std::max(0, room.width() - size.width()), bottom = std::max(0, room.height() - size.height());
    std::vector<QPoint> places;
    for (int x = right; x > 0; x -= kStep) places.insert(places.end(), {QPoint(x, bottom), QPoint(x, 0)});
    for (int y = bottom; y > 0; y -= kStep) places.insert(places.end(), {QPoint(right, y), QPoint(0, y)});
    places.insert(places.end(), {QPoint(0, bottom), QPoint(0, 0)});
    const QStringList targets = f_.pointsAt();
    const auto covered = [&](const QRect& r) {
        qint64 pointed = 0, other = 0;
        for (const QString& t : targets) {
            const QRect both = r.intersected(pointedAt(t));
            pointed += qint64(both.width()) * both.height();
        }
        for (QMdiSubWindow* s : area->subWindowList())
            if (s != sub_ && s->isVisible() && !targets.contains(s->objectName())) {
                const QRect both = r.intersected(s->frameGeometry());
                other += qint64(both.width()) * both.height();
            }
        return pointed * (qint64(room.width()) * room.height() + 1) + other;
    };
    QRect best(places.front(), size);
    qint64 least = covered(best);
    for (const QPoint& at : places)
        if (const qint64 c = covered(QRect(at, size)); c < least) {
            best = QRect(at, size);
            least = c;
        }
    sub_->setGeometry(best);
    keepInside();
    sub_->raise();
}

}  // namespace settings
