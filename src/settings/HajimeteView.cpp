#include "settings/HajimeteView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "settings/Hajimete.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace settings {

namespace {
constexpr int kWidth = 400;
constexpr int kStep = 20;  // the places tried along each edge, this far apart
}

namespace {
// Runs `f` whenever the watched widget changes size.
class ResizeWatch : public QObject {
public:
    ResizeWatch(QWidget* w, std::function<void()> f) : QObject(w), f_(std::move(f)) { w->installEventFilter(this); }
protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) f_();
        return false;
    }
private:
    std::function<void()> f_;
};
}  // namespace

HajimeteView::HajimeteView(Program& p, QMdiArea* area) : MdiView(p, p.hajimete(), area), f_(p.hajimete()) {
    Hajimete& h = f_;
    // A frame grown or shrunk (by the player, or for the text size), or its
    // work area scrolled, leaves the guide in sight: moved back in where it
    // is no longer whole.
    if (area) {
        const auto inSight = [this] {
            if (sub_ && sub_->isVisible() && !ui::qt::visibleRoom(sub_->mdiArea()).contains(sub_->geometry())) place();
        };
        room_ = new ResizeWatch(area->viewport(), inSight);
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            QObject::connect(bar, &QScrollBar::valueChanged, room_, inSight);
    }
    auto* lay = new QVBoxLayout(body_);
    // The words scroll where even the widest guide the frame has room for is
    // too short for them; the buttons stay in sight below.
    page_ = new QWidget;
    auto* words = new QVBoxLayout(page_);
    words->setContentsMargins(0, 0, 0, 0);
    auto* scroll = words_ = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Words"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { border: none; }"));  // no field, whatever the look
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

HajimeteView::~HajimeteView() { delete room_; }

// Shown where it covers nothing it points at, without taking the keyboard
// from the window the player is in.
void HajimeteView::showView() {
    if (!sub_) return;
    QMdiArea* area = sub_->mdiArea();
    QMdiSubWindow* active = area ? area->activeSubWindow() : nullptr;
    sub_->show();  // the area makes a window it shows the active one
    if (active && active != sub_) area->setActiveSubWindow(active);
    place();
}

void HajimeteView::refresh() {
    MdiView::refresh();
    if (!sub_ || !sub_->isVisible()) return;
    // Moved when a window its step needs is under it: for a new step, or
    // when such a window came there (not when the player put it there).
    const QList<QRect> pointed = pointedAtNow();
    const bool onOne = covers(sub_->geometry(), pointed);
    if (onOne && (f_.step() != shownStep_ || pointed != pointedBefore_)) return place();
    // A new step's words where it is; moved only where they do not fit there.
    if (f_.step() != shownStep_ && !fitWords()) return place();
    pointedBefore_ = pointed;
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

bool HajimeteView::covers(const QRect& r, const QList<QRect>& pointed) const {
    return std::any_of(pointed.begin(), pointed.end(), [&](const QRect& p) { return r.intersects(p); });
}

int HajimeteView::heightAt(int width) const {
    // The title bar and edges are the child window's margins round its contents.
    const QMargins chrome = sub_->contentsMargins();
    const QMargins m = body_->layout()->contentsMargins();
    // Measured beside a scroll bar: a scroll area that had one keeps it while
    // the words fill it to the last pixel.
    const int bar = sub_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page_);
    const int frame = 2 * words_->frameWidth();
    const int inner = width - chrome.left() - chrome.right() - m.left() - m.right() - frame - bar;
    return chrome.top() + chrome.bottom() + m.top() + frame + page_->layout()->totalHeightForWidth(inner) +
           body_->layout()->spacing() + row_->sizeHint().height() + m.bottom();
}

QSize HajimeteView::least() const {
    const QMargins chrome = sub_->contentsMargins();
    const QMargins m = body_->layout()->contentsMargins();
    const int lines = 3 * words_->fontMetrics().lineSpacing() + 2 * words_->frameWidth();
    return {row_->sizeHint().width() + m.left() + m.right() + chrome.left() + chrome.right(),
            chrome.top() + chrome.bottom() + m.top() + lines + body_->layout()->spacing() + row_->sizeHint().height() +
                m.bottom()};
}

void HajimeteView::place() {
    QMdiArea* area = sub_->mdiArea();
    if (!area) return;
    words_->ensurePolished();
    shownStep_ = f_.step();
    pointedBefore_ = pointedAtNow();
    const QRect room = ui::qt::visibleRoom(area);
    const QRect now = sub_->geometry();
    const QSize small = least();
    sub_->setMinimumSize(small);  // the player cannot cut its buttons either
    // The parts of the room clear of every window the step points at: each
    // such window leaves the strips to its left, right, above and below.
    std::vector<QRect> clear{room};
    for (const QRect& p : pointedBefore_) {
        std::vector<QRect> left;
        for (const QRect& f : clear) {
            if (!f.intersects(p)) {
                left.push_back(f);
                continue;
            }
            for (const QRect& part : {QRect(f.topLeft(), QPoint(p.left() - 1, f.bottom())),
                                      QRect(QPoint(p.right() + 1, f.top()), f.bottomRight()),
                                      QRect(f.topLeft(), QPoint(f.right(), p.top() - 1)),
                                      QRect(QPoint(f.left(), p.bottom() + 1), f.bottomRight())})
                if (part.width() >= small.width() && part.height() >= small.height()) left.push_back(part);
        }
        clear = std::move(left);
    }
    const auto others = [&](const QRect& r) {
        qint64 under = 0;
        for (QMdiSubWindow* s : area->subWindowList())
            if (s != sub_ && s->isVisible() && !f_.pointsAt().contains(s->objectName())) {
                const QRect both = r.intersected(s->frameGeometry());
                under += qint64(both.width()) * both.height();
            }
        return under;
    };
    // In each: as wide as the text has grown, wider while the words do not
    // fit its height; in one of its corners, or where it is if that is in it.
    const int usual = std::min(ui::qt::px(kWidth), std::max(kWidth, room.width() / 2));
    struct Score {
        int hidden;    // its words' height out of sight
        qint64 under;  // the other windows it covers
        int moved;     // how far it moves
        auto operator<=>(const Score&) const = default;
    };
    std::optional<std::pair<Score, QRect>> best;
    for (const QRect& f : clear) {
        int w = std::min(usual, f.width());
        while (heightAt(w) > f.height() && w + kStep <= f.width()) w += kStep;
        const QSize size(w, std::min(heightAt(w), f.height()));
        for (const QPoint at : {QPoint(f.right() + 1 - w, f.bottom() + 1 - size.height()),
                                QPoint(f.right() + 1 - w, f.top()), QPoint(f.left(), f.bottom() + 1 - size.height()),
                                f.topLeft(), placed_ ? now.topLeft() : f.topLeft()}) {
            const QRect r(at, size);
            if (!f.contains(r)) continue;
            // From where it was; the first time, from the room's lower right.
            const int moved = placed_ ? (at - now.topLeft()).manhattanLength()
                                      : (room.bottomRight() - r.bottomRight()).manhattanLength();
            const Score score{heightAt(w) - size.height(), others(r), moved};
            if (!best || score < best->first) best = {score, r};
        }
    }
    // No room clear of them: along the room's edges, where it covers the
    // least of them, as small as it gets if that covers less.
    if (!best) {
        qint64 fewest = -1;
        for (const QSize size : {QSize(usual, std::min(heightAt(usual), room.height())), small}) {
            const int right = std::max(room.left(), room.right() + 1 - size.width());
            const int bottom = std::max(room.top(), room.bottom() + 1 - size.height());
            for (int x = right; x >= room.left(); x -= kStep)
                for (int y : {bottom, room.top()}) {
                    qint64 under = 0;
                    for (const QRect& p : pointedBefore_) {
                        const QRect both = QRect(QPoint(x, y), size).intersected(p);
                        under += qint64(both.width()) * both.height();
                    }
                    if (fewest < 0 || under < fewest) {
                        fewest = under;
                        best = {Score{}, QRect(QPoint(x, y), size)};
                    }
                }
        }
    }
    sub_->setGeometry(best->second);
    keepInside();
    sub_->raise();
    placed_ = true;
}

bool HajimeteView::fitWords() {
    shownStep_ = f_.step();
    QMdiArea* area = sub_->mdiArea();
    if (!area) return true;
    const QRect room = ui::qt::visibleRoom(area);
    const QRect g = sub_->geometry();
    const int want = std::max(heightAt(g.width()), least().height());
    // Its bottom edge kept, with its buttons; down from the room's top where
    // there is not that much above it.
    QRect r(QPoint(g.left(), g.bottom() + 1 - want), g.bottomRight());
    if (r.top() < room.top()) r.moveTop(room.top());
    if (!room.contains(r) || covers(r, pointedAtNow())) return false;
    sub_->setGeometry(r);
    return true;
}

}  // namespace settings
