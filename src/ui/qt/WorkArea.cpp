#include "ui/qt/WorkArea.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "ui/qt/Views.h"

namespace ui::qt {

void fitOnScreen(QWidget* window, QSize usual, QSize& given) {
    if (window->isMaximized() || window->isFullScreen()) return;
    const QRect free = freeArea(window);
    const QMargins edges = decoration(window);
    const QSize players = window->isVisible() && window->size() != given ? window->size() : QSize();
    given = usual.expandedTo(players).boundedTo(free.marginsRemoved(edges).size());
    window->resize(given);
    if (!window->isVisible()) return;
    const QSize outer = window->size().grownBy(edges);
    QPoint at = window->pos();
    at.setX(std::clamp(at.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
    if (at != window->pos()) window->move(at);
}

namespace {
void scrollTo(QMdiArea* area, const QWidget* now) {
    if (!now || !area->viewport()->isAncestorOf(now)) return;
    const QRect room = area->viewport()->rect();
    const QRect r(now->mapTo(area->viewport(), QPoint(0, 0)), now->size());
    // Its far edge in sight, and its near edge too where both cannot be.
    int dx = std::max(0, r.right() - room.right()), dy = std::max(0, r.bottom() - room.bottom());
    if (r.left() - dx < room.left()) dx = r.left() - room.left();
    if (r.top() - dy < room.top()) dy = r.top() - room.top();
    if (dx) area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->value() + dx);
    if (dy) area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + dy);
}
}  // namespace

void followKeyboard(QMdiArea* area) {
    auto* later = new QTimer(area);
    later->setSingleShot(true);
    later->setInterval(0);
    QObject::connect(later, &QTimer::timeout, area, [area] { scrollTo(area, QApplication::focusWidget()); });
    QObject::connect(qApp, &QApplication::focusChanged, later, [later] { later->start(); });
}

}  // namespace ui::qt
