#include "ui/qt/QtSeams.h"

#include <QApplication>
#include <QMessageBox>
#include <QTime>
#include <unistd.h>

#include "building/ChoicView.h"
#include "building/ChoiwinView.h"
#include "building/KakudaiView.h"
#include "building/KivoraView.h"
#include "finance/HoukokuView.h"
#include "shell/MainView.h"
#include "shell/NamerView.h"
#include "shell/StartView.h"
#include "town/GameView.h"

namespace ui::qt {

QWidget* QtSeams::activeWindow() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    if (program_ && program_->main.view())
        return static_cast<shell::MainView*>(program_->main.view())->widget();
    return nullptr;
}

ui::Answer QtSeams::ask(const ui::Prompt& prompt) {
    QMessageBox box(activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(prompt.title.isEmpty() ? QStringLiteral("ルーミエ") : prompt.title);
    box.setText(prompt.text);
    box.setIcon(prompt.icon == ui::Prompt::Icon::Warning    ? QMessageBox::Warning
                : prompt.icon == ui::Prompt::Icon::Question ? QMessageBox::Question
                                                            : QMessageBox::NoIcon);
    if (prompt.buttons == ui::Prompt::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? ui::Answer::Yes : ui::Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return ui::Answer::Ok;
}

std::unique_ptr<ui::View> QtSeams::createView(ui::Form& form) {
    Program& p = *program_;
    const QByteArray name = form.name();
    auto* mainView = static_cast<shell::MainView*>(p.main.view());
    QWidget* owner = mainView ? mainView->widget() : nullptr;
    QMdiArea* area = mainView ? mainView->area() : nullptr;
    if (name == "Main") return std::make_unique<shell::MainView>(p);
    if (name == "Start") return std::make_unique<shell::StartView>(p, owner);
    if (name == "Namer") return std::make_unique<shell::NamerView>(p, owner);
    if (name == "Kivora") return std::make_unique<building::KivoraView>(p, area);
    if (name == "Game") return std::make_unique<town::GameView>(p, area);
    if (name == "Choiwin") return std::make_unique<building::ChoiwinView>(p, area);
    if (name == "Houkoku") return std::make_unique<finance::HoukokuView>(p, owner);
    if (name == "Choic") return std::make_unique<building::ChoicView>(p, owner);
    if (name == "Kakudai") return std::make_unique<building::KakudaiView>(p, owner);
    return nullptr;
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

QString QtSeams::programFolder() { return QCoreApplication::applicationDirPath(); }

void QtSeams::endNow() { ::_exit(0); }

void QtSeams::quit() { QCoreApplication::quit(); }

void QtSeams::timerChanged(ui::Timer& t) {
    QTimer*& q = timers_[&t];
    if (!q) {
        q = new QTimer;
        q->setTimerType(Qt::PreciseTimer);
        ui::Timer* timer = &t;
        QObject::connect(q, &QTimer::timeout, [this, timer] {
            if (program_) program_->dispatch([timer] { timer->fire(); });
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
