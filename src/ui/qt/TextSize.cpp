#include "ui/qt/TextSize.h"

#include <QApplication>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <optional>

namespace ui::qt {

namespace {
int step_ = 0;
constexpr double kFactors[kTextSteps] = {1.0, 1.5, 2.0};
// The desktop's own font, the 標準 every step grows from.
std::optional<QFont> desktopFont;
}  // namespace

int textStep() { return step_; }
double textFactor() { return kFactors[step_]; }

void setTextStep(int step) {
    step = std::clamp(step, 0, kTextSteps - 1);
    if (step == step_) return;  // every widget asked for its size anew: only for a change
    if (!desktopFont) desktopFont = QApplication::font();
    step_ = step;
    QFont f = *desktopFont;
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * textFactor());
    else f.setPixelSize(px(f.pixelSize()));
    QApplication::setFont(f);
}

int pt(int points) { return int(std::lround(points * textFactor())); }
int px(int pixels) { return int(std::lround(pixels * textFactor())); }
QSize px(QSize size) { return {px(size.width()), px(size.height())}; }

}  // namespace ui::qt
