#pragma once
// Plain controls: what a window shows, as state, with no drawing.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "ui/Number.h"

namespace ui {

// Runs one handler; a conversion or bounds failure abandons just that handler.
void runGuarded(const std::function<void()>& handler);

using Handler = std::function<void()>;

class Label {
public:
    explicit Label(QString designText = {}) : text_(std::move(designText)) {}

    const QString& text() const { return text_; }
    // Runs the change handler at once, and only when the text really changes.
    void setText(const QString& text);
    void setNumber(double value) { setText(numberText(value)); }
    double number() const { return strictNumber(text_); }
    double leading() const { return leadingNumber(text_); }

    Handler onChange;
    QString tag;
    bool visible = true;
    uint32_t colour = 0x000000;
    bool border = false;
    int fontSize = 0;  // 0: the window's own type size

private:
    QString text_;
};

// Buttons and menu entries.
class Command {
public:
    explicit Command(QString caption = {}, bool enabled = true)
        : caption(std::move(caption)), enabled(enabled) {}
    QString caption;
    bool enabled;
    bool visible = true;
};

class ListBox {
public:
    explicit ListBox(QStringList items = {}) : items(std::move(items)) {}
    QStringList items;
    int selected = -1;
    QString text() const { return selected >= 0 && selected < items.size() ? items[selected] : QString(); }
};

// A picture area: a file to draw stretched, or the window's built-in picture.
class Picture {
public:
    QString file;         // full path; empty means the built-in picture (or nothing)
    bool builtin = true;  // the design-time picture is shown until a file is loaded
    int loads = 0;        // every load reads the file again, even the same one
    void load(const QString& path) { file = path; builtin = false; ++loads; }
    void clear() { file.clear(); builtin = false; ++loads; }
};

// A slider: a whole value inside its range, with a tip text. A value set
// outside the range lands on the nearer end, as the control itself would.
class Slider {
public:
    Slider(int minimum, int maximum) : minimum_(minimum), maximum_(maximum), value_(minimum) {}
    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Runs the change handler at once, and only when the value really changes.
    void setValue(int value);

    Handler onChange;
    QString tipText;
    bool enabled = true;

private:
    int minimum_, maximum_, value_;
};

// An embedded page view: the file it was last sent to and its place in the
// window, in twips.
class Browser {
public:
    Browser(int left, int top, int width, int height)
        : left(left), top(top), width(width), height(height) {}
    QString location;
    int navigations = 0;  // every navigation reads the page again, even the same one
    void navigate(const QString& path) { location = path; ++navigations; }
    int left, top, width, height;
};

// An interval timer: interval in ms (0 = no ticks) and an enabled switch.
// Whoever drives time (a QTimer in play, the test itself) watches it.
class Timer {
public:
    struct Driver {
        virtual ~Driver() = default;
        virtual void timerChanged(Timer& t) = 0;
        virtual void timerGone(Timer& t) = 0;
    };
    explicit Timer(Driver* driver = nullptr) : driver_(driver) { notify(); }
    ~Timer() { if (driver_) driver_->timerGone(*this); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    bool running() const { return interval_ > 0 && enabled_; }
    void setInterval(int ms) { interval_ = ms < 0 ? 0 : ms; notify(); }
    void setEnabled(bool on) { enabled_ = on; notify(); }
    // One timer event; it does nothing while the timer is stopped.
    void fire() { if (running() && onTick) onTick(); }

    Handler onTick;

private:
    void notify() { if (driver_) driver_->timerChanged(*this); }
    Driver* driver_;
    int interval_ = 0;
    bool enabled_ = true;
};

}  // namespace ui
