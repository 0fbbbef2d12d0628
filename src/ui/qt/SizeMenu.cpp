#include "ui/qt/SizeMenu.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "ui/qt/Language.h"
#include "ui/qt/TextSize.h"

namespace ui::qt {

SizeMenu::SizeMenu(QMenu* into, std::function<void(int)> change) : QObject(into), change_(std::move(change)) {
    QMenu* sizes = into->addMenu(shown(QStringLiteral("文字の大きさ")));
    sizes->setObjectName(QStringLiteral("TextSize"));
    steps_ = new QActionGroup(sizes);
    for (const char16_t* step : {u"標準", u"大", u"特大"}) {
        const int n = int(steps_->actions().size());
        QAction* a = sizes->addAction(shown(QString::fromUtf16(step)));
        a->setObjectName(QStringLiteral("TextSize%1").arg(n));
        a->setCheckable(true);
        steps_->addAction(a);
        QObject::connect(a, &QAction::triggered, this, [this, n] { ask(n); });
    }
    follow();
    // The keys reach the application before any window: a modal one blocks
    // the frame's own shortcuts.
    qApp->installEventFilter(this);
}

void SizeMenu::follow() {
    if (QAction* a = steps_->actions().value(textStep())) a->setChecked(true);
}

void SizeMenu::ask(int step) {
    step = std::clamp(step, 0, kTextSteps - 1);
    if (step != textStep()) change_(step);
    follow();
}

bool SizeMenu::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !o->isWidgetType()) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    // Shift is how some keyboards type "+"; the keypad's keys count too.
    const Qt::KeyboardModifiers mods = k->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::ControlModifier) return false;
    int step;
    switch (k->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: step = textStep() + 1; break;
    case Qt::Key_Minus: step = textStep() - 1; break;
    case Qt::Key_0: step = 0; break;
    default: return false;
    }
    if (!k->isAutoRepeat()) ask(step);  // a held key acts once
    return true;
}

}  // namespace ui::qt
