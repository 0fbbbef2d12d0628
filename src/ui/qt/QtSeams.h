#pragma once
// The seams as the player meets them: message boxes, Qt windows, a QTimer,
// the real clock, the executable's folder, and the process ending.
#include <QTimer>
#include <functional>
#include <map>

#include "ui/Runtime.h"

namespace ui::qt {

class QtSeams : public ui::Seams, public ui::Timer::Driver {
public:
    // Which view draws a form is the program's business, not the runtime's.
    using ViewFactory = std::function<std::unique_ptr<ui::View>(ui::Form&)>;
    void attach(ui::Runtime* runtime, ViewFactory views);

    ui::Answer ask(const ui::Prompt& prompt) override;
    std::unique_ptr<ui::View> createView(ui::Form& form) override;
    void runModal(ui::Form& form, ui::View* view) override;
    ui::Timer::Driver* clockDriver() override { return this; }
    int wallSecond() override;
    QString programFolder() override;
    QString dataFolder() override;
    void endNow() override;
    void quit() override;

    void timerChanged(ui::Timer& t) override;
    void timerGone(ui::Timer& t) override;

private:
    QWidget* activeWindow() const;
    ui::Runtime* runtime_ = nullptr;
    ViewFactory views_;
    std::map<ui::Timer*, QTimer*> timers_;
};

}  // namespace ui::qt
