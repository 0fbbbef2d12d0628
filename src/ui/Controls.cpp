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

}  // namespace ui
