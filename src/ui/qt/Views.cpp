#include "ui/qt/Views.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "ui/qt/Contrast.h"
#include "ui/qt/Language.h"

namespace ui::qt {

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
    : bind(rt), w_(new DialogWidget(rt, form, parent)), form_(form) {
    w_->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

DialogView::~DialogView() {
    forgetNews(w_);
    w_->hide();
    w_->deleteLater();
}

void DialogView::opening() {
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
    : bind(rt), form_(form), sub_(new SubWindow(rt, form)), body_(new QWidget) {
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
    const QRect room = area->viewport()->rect();
    if (room.isEmpty()) return;
    QRect g = sub_->geometry();
    g.setWidth(std::max(std::min(g.width(), room.width()), sub_->minimumWidth()));
    g.setHeight(std::max(std::min(g.height(), room.height()), sub_->minimumHeight()));
    g.moveLeft(std::clamp(g.left(), 0, std::max(0, room.width() - g.width())));
    g.moveTop(std::clamp(g.top(), 0, std::max(0, room.height() - g.height())));
    if (g != sub_->geometry()) sub_->setGeometry(g);
}

void MdiView::showView() {
    if (!sub_) return;
    const bool opening = !sub_->isVisible();
    sub_->show();
    if (opening) keepInside();
    if (sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
    sub_->raise();
}

void MdiView::hideView() {
    if (sub_) sub_->hide();
}

void MdiView::refresh() {
    if (!sub_) return;
    const QString title = shown(form_.caption);
    if (sub_->windowTitle() != title) sub_->setWindowTitle(title);
    dressTitleBar(sub_, body_);
    bind.refresh();
}

}  // namespace ui::qt
