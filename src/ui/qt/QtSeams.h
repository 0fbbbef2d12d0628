#pragma once
// The seams as the player meets them: message boxes, Qt windows, a QTimer,
// the real clock, the folder of the game's files, and the process ending.
#include <QTimer>
#include <functional>
#include <map>

#include "ui/Runtime.h"

namespace ui::qt {

// The folder of the game's own files (the pictures, the help pages, the
// icons) and of the save of a copy that is not installed: beside the
// program, where it was built or unpacked. An installed copy keeps the
// program alone in <prefix>/libexec/rumie and its files in
// <prefix>/share/rumie, which the install marks with the file "installed".
// Found once, when first asked.
QString filesFolder();
// Whether the game's files are an installed copy's, in <prefix>/share/rumie.
bool installedCopy();

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
    QString settingsFile() override { return settingsPath(); }
    // The one name of the settings file, read before the application exists too.
    static QString settingsPath();
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
