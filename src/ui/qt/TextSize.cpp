#include "ui/qt/TextSize.h"

#include <QApplication>
#include <QFont>
#include <QTextFormat>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/qt/Contrast.h"
#include "ui/qt/GameStyle.h"
#include "ui/qt/Page.h"

namespace ui::qt {

namespace {
int step_ = 0;
constexpr double kFactors[kTextSteps] = {1.0, 1.5, 2.0};
// The desktop's own font, the 標準 every step grows from: the font in use
// whenever the text is at 標準.
std::optional<QFont> desktopFont;
}  // namespace

int textStep() { return step_; }
double textFactor() { return kFactors[step_]; }

void setTextStep(int step) {
    useGameStyle();  // before the first window, whatever the size
    step = std::clamp(step, 0, kTextSteps - 1);
    if (step == step_) return;  // every widget asked for its size anew: only for a change
    if (step_ == 0 || !desktopFont) desktopFont = QApplication::font();
    step_ = step;
    QFont f = *desktopFont;
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * textFactor());
    else f.setPixelSize(px(f.pixelSize()));
    QApplication::setFont(f);
    if (highContrast()) qApp->setStyleSheet(highContrastSheet());  // its handles grow too
}

int pt(int points) { return int(std::lround(points * textFactor())); }
int px(int pixels) { return int(std::lround(pixels * textFactor())); }
QSize px(QSize size) { return {px(size.width()), px(size.height())}; }

void enlarge(QTextDocument* page) {
    const double k = textFactor();
    if (k == 1.0) return;
    const auto grown = [k](QTextCharFormat f) {
        if (f.isImageFormat()) {
            QTextImageFormat picture = f.toImageFormat();
            if (picture.width() > 0) picture.setWidth(picture.width() * k);
            if (picture.height() > 0) picture.setHeight(picture.height() * k);
            f = picture;
        }
        if (f.hasProperty(QTextFormat::FontPointSize) && f.intProperty(QTextFormat::FontSizeAdjustment) == 0)
            f.setFontPointSize(f.fontPointSize() * k);
        return f;
    };
    reformat(page, grown);
}

}  // namespace ui::qt
