#include "ui/qt/QtSeams.h"
#include "ui/qt/Views.h"
#include "ui/qt/Language.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTime>
#include <unistd.h>

namespace ui::qt {

void QtSeams::attach(ui::Runtime* runtime, ViewFactory views) {
    runtime_ = runtime;
    views_ = std::move(views);
    actOnceOnHeldKeys();
}

QString filesFolder() {
    static const QString folder = [] {
        const QString program = QCoreApplication::applicationDirPath();
        const QString installed = QDir::cleanPath(program + QStringLiteral("/" RUMIE_DATA_FROM_PROGRAM));
        return QFileInfo::exists(installed + QStringLiteral("/installed")) ? installed : program;
    }();
    return folder;
}

bool installedCopy() { return filesFolder() != QCoreApplication::applicationDirPath(); }

QWidget* QtSeams::activeWindow() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
    return nullptr;
}

ui::Answer QtSeams::ask(const ui::Prompt& prompt) {
    FocusReturn back;
    back.take();
    QMessageBox box(activeWindow());
    if (back.keyboardInUse()) showFocusFromTheStart(&box);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(shown(prompt.title.isEmpty() ? QStringLiteral("ルーミエ") : prompt.title));
    box.setText(shown(prompt.text));
    box.setIcon(prompt.icon == ui::Prompt::Icon::Warning    ? QMessageBox::Warning
                : prompt.icon == ui::Prompt::Icon::Question ? QMessageBox::Question
                                                            : QMessageBox::NoIcon);
    ui::Answer answer = ui::Answer::Ok;
    if (prompt.buttons == ui::Prompt::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        answer = box.exec() == QMessageBox::Yes ? ui::Answer::Yes : ui::Answer::No;
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
    // Answered, the keyboard is back where it was, whatever the window
    // manager would give the focus to.
    back.give();
    return answer;
}

std::unique_ptr<ui::View> QtSeams::createView(ui::Form& form) {
    return views_ ? views_(form) : nullptr;
}

void QtSeams::runModal(ui::Form& form, ui::View* view) {
    auto* dialog = dynamic_cast<DialogView*>(view);
    if (!dialog) {
        // Nothing to show: treat it as closed at once rather than hang.
        form.closeBox();
        return;
    }
    dialog->exec();
}

int QtSeams::wallSecond() { return QTime::currentTime().second(); }

QString QtSeams::programFolder() { return filesFolder(); }

QString QtSeams::dataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

// ~/.config/rumie/rumie.conf on Linux, where the desktop keeps its programs' settings.
QString QtSeams::settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/rumie/rumie.conf");
}

void QtSeams::endNow() { ::_exit(0); }

void QtSeams::quit() { QCoreApplication::quit(); }

void QtSeams::timerChanged(ui::Timer& t) {
    QTimer*& q = timers_[&t];
    if (!q) {
        q = new QTimer;
        q->setTimerType(Qt::PreciseTimer);
        ui::Timer* timer = &t;
        QObject::connect(q, &QTimer::timeout, [this, timer] {
            if (runtime_) runtime_->dispatch([timer] { timer->fire(); });
        });
    }
    if (!t.running()) q->stop();
    else if (!q->isActive() || q->interval() != t.interval()) q->start(t.interval());
}

void QtSeams::timerGone(ui::Timer& t) {
    auto it = timers_.find(&t);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

}  // namespace ui::qt
