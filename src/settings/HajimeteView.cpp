#include "settings/HajimeteView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "settings/Hajimete.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace settings {

namespace {
constexpr int kWidth = 400;
constexpr int kStep = 20;  // the places tried along each edge, this far apart
}

HajimeteView::HajimeteView(Program& p, QMdiArea* area) : MdiView(p, p.hajimete(), area), f_(p.hajimete()) {
    Hajimete& h = f_;
    auto* lay = new QVBoxLayout(body_);
    // The words scroll where even the widest guide the frame has room for is
    // too short for them; the buttons stay in sight below.
    page_ = new QWidget;
    auto* words = new QVBoxLayout(page_);
    words->setContentsMargins(0, 0, 0, 0);
    auto* scroll = words_ = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Words"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // each step is said whole already
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page_);
    lay->addWidget(scroll, 1);
    QLabel* number = bind.label(new QLabel, h.Bangou, "Bangou");
    QLabel* what = bind.label(new QLabel, h.Setumei, "Setumei");
    QFont bold = what->font();
    bold.setBold(true);
    what->setFont(bold);
    QLabel* means = bind.label(new QLabel, h.Hosoku, "Hosoku");
    QLabel* bill = bind.label(new QLabel, h.Kessan, "Kessan");
    QLabel* keys = bind.label(new QLabel, h.Kii, "Kii");
    for (QLabel* l : {number, what, means, bill, keys}) {
        l->setWordWrap(true);
        words->addWidget(l);
    }
    words->addStretch(1);
    auto* row = new QHBoxLayout;
    row_ = row;
    row->addStretch(1);
    row->addWidget(bind.button(new QPushButton, h.Tugi, "Tugi", [&h] { h.tugiClick(); }));
    row->addWidget(bind.button(new QPushButton, h.Toziru, "Toziru", [&h] { h.toziruClick(); }));
    lay->addLayout(row);
    // Each step is said whole, once, as it shows.
    bind.news(
        body_, [&h] { return QString::number(h.step()); },
        [number, what, means, bill, keys] {
            QStringList words{number->text(), what->text(), means->text(), bill->text(), keys->text()};
            words.removeAll(QString());
            return words.join(u' ').replace(u'\n', u' ');
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
    // Placed afresh for a new step, or when a window it points at comes onto
    // it; where no place is clear, once for each new arrangement (and not
    // under the hand of a player who moved it there).
    const QList<QRect> pointed = pointedAtNow();
    const QRect mine = sub_->frameGeometry();
    const bool covers = std::any_of(pointed.begin(), pointed.end(), [&](const QRect& r) { return mine.intersects(r); });
    if (f_.step() != shownStep_ || (covers && pointed != placedAgainst_)) place();
    // Above the other windows, which it may have to overlap where the frame
    // has no free corner: the window the player works in never hides it.
    if (sub_->mdiArea() && sub_->mdiArea()->subWindowList(QMdiArea::StackingOrder).constLast() != sub_) sub_->raise();
}

QList<QRect> HajimeteView::pointedAtNow() const {
    QList<QRect> rects;
    for (const QString& w : f_.pointsAt()) rects << pointedAt(w);
    return rects;
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
    placedAgainst_ = pointedAtNow();
    // The part of the area on the screen: a frame larger than a small screen
    // runs past its edge.
    QRect room = area->viewport()->rect();
    if (const QScreen* screen = area->screen()) {
        const QRect free = screen->availableGeometry();
        room &= QRect(area->viewport()->mapFromGlobal(free.topLeft()), free.size());
        if (room.isEmpty()) room = area->viewport()->rect();
    }
    // Its height at a width: the title bar and edges, the words and the buttons.
    const QMargins m = body_->layout()->contentsMargins();
    const int edges = sub_->width() - body_->width(), chrome = sub_->height() - body_->height();
    // Measured beside a scroll bar: a scroll area that had one keeps it while
    // the words fill it to the last pixel.
    const int bar = sub_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page_);
    words_->ensurePolished();
    const int frame = 2 * words_->frameWidth();
    const auto heightAt = [&](int width) {
        return chrome + m.top() + frame +
               page_->layout()->totalHeightForWidth(width - edges - m.left() - m.right() - frame - bar) +
               body_->layout()->spacing() + row_->sizeHint().height() + m.bottom();
    };
    // As wide as the text has grown, and wider still while the words would
    // not fit the area's height.
    int width = std::min(ui::qt::px(kWidth), std::max(kWidth, room.width() / 2));
    while (heightAt(width) > room.height() && width + kStep <= room.width()) width += kStep;
    const QSize size(width, std::min(heightAt(width), std::max(room.height(), 1)));
    const int left = room.left(), top = room.top();
    const int right = std::max(left, room.right() + 1 - size.width());
    const int bottom = std::max(top, room.bottom() + 1 - size.height());
    std::vector<QPoint> places;
    for (int x = right; x > left; x -= kStep) places.insert(places.end(), {QPoint(x, bottom), QPoint(x, top)});
    for (int y = bottom; y > top; y -= kStep) places.insert(places.end(), {QPoint(right, y), QPoint(left, y)});
    places.insert(places.end(), {QPoint(left, bottom), QPoint(left, top)});
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
