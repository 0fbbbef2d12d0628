#include "ui/Controls.h"

namespace ui {

void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Abandon&) {
        // A failed conversion ends this handler only; what it wrote stays.
    }
}

void Label::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) runGuarded(onChange);
}

void Slider::setValue(int value) {
    value = value < minimum_ ? minimum_ : value > maximum_ ? maximum_ : value;
    if (value == value_) return;
    value_ = value;
    if (onChange) runGuarded(onChange);
}

}  // namespace ui
