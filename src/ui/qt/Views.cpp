#include "ui/qt/Views.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <cmath>
#include <algorithm>

#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace ui::qt {

QMargins decoration(const QWidget* window) {
    const auto around = [](const QWidget* w) {
        const QRect outer = w->frameGeometry(), inner = w->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    if (window->isVisible()) return around(window);
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(top) && top->isVisible()) return around(top);
    return QMargins(8, 32, 8, 8);
}

QRect freeArea(const QWidget* window) {
    const QScreen* screen = window->isVisible() || !window->parentWidget() ? window->screen()
                                                                           : window->parentWidget()->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), window->size());
}

QRect visibleRoom(const QMdiArea* area) {
    const QRect all = area->viewport()->rect();
    const QRect free = freeArea(area->window());
    const QRect shown = all & QRect(area->viewport()->mapFromGlobal(free.topLeft()), free.size());
    return shown.isEmpty() ? all : shown;
}

PlaceKeeper::PlaceKeeper(ui::Runtime& rt, QWidget* window, QString name)
    : QObject(window), rt_(rt), window_(window), name_(std::move(name)), factor_(textFactor()), later_(new QTimer(this)) {
    // A drag moves a window many times a second: the place is written once it rests.
    later_->setSingleShot(true);
    later_->setInterval(500);
    QObject::connect(later_, &QTimer::timeout, this, [this] { keepNow(); });
    window->installEventFilter(this);
}

std::optional<QRect> PlaceKeeper::kept() const {
    const auto k = rt_.keptPlace(name_);
    if (!k) return std::nullopt;
    return QRect(k->topLeft(), QSize(int(std::lround(k->width() * factor_)), int(std::lround(k->height() * factor_))));
}

void PlaceKeeper::keepNow() {
    later_->stop();
    if (window_->isMinimized()) return;
    const QRect g = window_->geometry();
    rt_.keepPlace(name_, QRect(g.topLeft(), QSize(int(std::lround(g.width() / factor_)),
                                                  int(std::lround(g.height() / factor_)))));
}

bool PlaceKeeper::eventFilter(QObject* o, QEvent* e) {
    if (o != window_) return false;
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && window_->isVisible()) later_->start();
    // Hidden, it is not yet marked hidden: its last place is still its own.
    else if (e->type() == QEvent::Hide && !e->spontaneous()) keepNow();
    return false;
}

DialogWidget::DialogWidget(ui::Runtime& rt, ui::Form& form, QWidget* parent)
    : QDialog(parent), rt_(rt), form_(form) {
    setObjectName(QString::fromUtf8(form.name()));
}

void DialogWidget::closeEvent(QCloseEvent* e) {
    e->ignore();  // the form decides
    rt_.dispatch([this] { form_.closeBox(); });
}

void DialogWidget::reject() {
    rt_.dispatch([this] { form_.closeBox(); });
}

DialogView::DialogView(ui::Runtime& rt, ui::Form& form, QWidget* parent)
    : bind(rt), w_(new DialogWidget(rt, form, parent)), form_(form),
      place_(new PlaceKeeper(rt, w_, QString::fromUtf8(form.name()))) {
    w_->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

DialogView::~DialogView() {
    forgetNews(w_);
    w_->hide();
    w_->deleteLater();
}

void DialogView::opening() {
    const auto k = place_->kept();
    const QScreen* screen = k ? QGuiApplication::screenAt(k->center()) : nullptr;
    // The screen's free area less the title bar and borders the window
    // manager draws round the window: the whole window is on the screen.
    const QRect room = (screen ? screen->availableGeometry() : freeArea(w_)).marginsRemoved(decoration(w_));
    // No larger than that: a window the text has grown past it shrinks to
    // it, and its contents lay out anew or scroll.
    const QSize size = w_->testAttribute(Qt::WA_Resized) ? w_->size() : w_->sizeHint();
    if (size.width() > room.width() || size.height() > room.height()) {
        if (w_->minimumSize() == w_->maximumSize()) w_->setFixedSize(size.boundedTo(room.size()));
        else w_->resize(size.boundedTo(room.size()));
    }
    // Where the player left it, on the screen: a place kept on a screen
    // that is gone, or hand-written far off, comes back inside this one.
    if (k) {
        QRect g(k->topLeft(), k->size().expandedTo(w_->minimumSizeHint()));
        g.setSize(g.size().boundedTo(room.size()).expandedTo(w_->minimumSize()));
        g.moveLeft(std::clamp(g.left(), room.left(), std::max(room.left(), room.right() + 1 - g.width())));
        g.moveTop(std::clamp(g.top(), room.top(), std::max(room.top(), room.bottom() + 1 - g.height())));
        w_->setGeometry(g);
    }
    back_.take();
    if (back_.keyboardInUse()) showFocusFromTheStart(w_);
    if (first_) first_->setFocus(Qt::OtherFocusReason);
}

void DialogView::showView() {
    if (!w_->isVisible()) opening();
    w_->show();
    w_->raise();
    w_->activateWindow();
}

void DialogView::hideView() {
    if (w_->waiting) w_->done(0);
    w_->hide();
    back_.give(quietly_);
}

void DialogView::refresh() {
    const QString title = shown(form_.caption);
    if (w_->windowTitle() != title) w_->setWindowTitle(title);
    bind.refresh();
}

void DialogView::exec() {
    if (!form_.visible) return;
    opening();
    w_->waiting = true;
    w_->setWindowModality(Qt::ApplicationModal);
    w_->exec();
    w_->waiting = false;
    back_.give(quietly_);
}

SubWindow::SubWindow(ui::Runtime& rt, ui::Form& form) : rt_(rt), form_(form) {
    setObjectName(QString::fromUtf8(form.name()));
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void SubWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    rt_.dispatch([this] { form_.closeBox(); });
}

MdiView::MdiView(ui::Runtime& rt, ui::Form& form, QMdiArea* area)
    : bind(rt), form_(form), sub_(new SubWindow(rt, form)), body_(new QWidget),
      place_(new PlaceKeeper(rt, sub_, QString::fromUtf8(form.name()))) {
    sub_->setWidget(body_);
    sub_->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMinimizeButtonHint);
    if (area) area->addSubWindow(sub_);
    // Ctrl+F4 closes a child window on every desktop: the toolkit's own close
    // key of the window menu is Ctrl+W where no desktop names another.
    if (QMenu* menu = sub_->systemMenu()) {
        const QList<QKeySequence> close = QKeySequence::keyBindings(QKeySequence::Close);
        const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
        for (QAction* a : menu->actions())
            if (!close.isEmpty() && a->shortcuts() == close && !close.contains(ctrlF4))
                a->setShortcuts(QList<QKeySequence>{ctrlF4} + close);
    }
    // A window the player activates gets its focus handler; windows shown by
    // the game itself ran it already.
    ui::Runtime* r = &rt;
    ui::Form* f = &form;
    QMdiSubWindow* mine = sub_;
    if (area)
        focus_ = QObject::connect(area, &QMdiArea::subWindowActivated, [r, f, mine](QMdiSubWindow* w) {
            if (w == mine && r->depth() == 0) r->dispatch([f] { f->gotFocus(); });
        });
}

MdiView::~MdiView() {
    QObject::disconnect(focus_);
    if (sub_) {
        forgetNews(sub_);
        sub_->hide();
        sub_->deleteLater();
    }
}

void MdiView::keepInside() {
    QMdiArea* area = sub_->mdiArea();
    if (!area) return;
    QRect room = visibleRoom(area);
    if (room.isEmpty()) return;
    QRect g = sub_->geometry();
    // Taller than the room, it brings the scroll bar beside it, which takes
    // its width from the room (and the other way round).
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    if (g.height() > room.height() && !area->verticalScrollBar()->isVisible()) room.setWidth(room.width() - bar);
    if (g.width() > room.width() && !area->horizontalScrollBar()->isVisible()) room.setHeight(room.height() - bar);
    g.setWidth(std::max(std::min(g.width(), room.width()), sub_->minimumWidth()));
    g.setHeight(std::max(std::min(g.height(), room.height()), sub_->minimumHeight()));
    g.moveLeft(std::clamp(g.left(), room.left(), std::max(room.left(), room.right() + 1 - g.width())));
    g.moveTop(std::clamp(g.top(), room.top(), std::max(room.top(), room.bottom() + 1 - g.height())));
    if (g != sub_->geometry()) sub_->setGeometry(g);
}

void MdiView::showView() {
    if (!sub_) return;
    const bool opening = !sub_->isVisible();
    if (opening)
        if (const auto k = place_->kept()) {
            // Never smaller than its contents and title bar, to never cut its text.
            const QSize least = sub_->minimumSizeHint() + (body_ ? body_->minimumSizeHint() : QSize());
            sub_->setGeometry(QRect(k->topLeft(), k->size().expandedTo(least)));
        }
    sub_->show();
    if (opening) keepInside();
    if (sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
    sub_->raise();
}

void MdiView::hideView() {
    if (!sub_) return;
    const bool hadKeyboard = sub_->isAncestorOf(QApplication::focusWidget());
    sub_->hide();
    // The keyboard goes on to the frontmost window left, never nowhere (the
    // area may remember windows that were drawn afresh since).
    QMdiArea* area = sub_->mdiArea();
    if (!hadKeyboard || !area || !area->isVisible() ||
        (QApplication::focusWidget() && QApplication::focusWidget()->isVisible()))
        return;
    const QList<QMdiSubWindow*> order = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if ((*it)->isVisible()) {
            area->setActiveSubWindow(*it);
            break;
        }
}

void MdiView::refresh() {
    if (!sub_) return;
    const QString title = shown(form_.caption);
    if (sub_->windowTitle() != title) sub_->setWindowTitle(title);
    bind.refresh();
}

}  // namespace ui::qt
