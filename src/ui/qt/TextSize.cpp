#include "ui/qt/TextSize.h"

#include <QApplication>
#include <QFont>
#include <QTextFormat>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

#include "ui/qt/Page.h"

namespace ui::qt {

namespace {
int step_ = 0;
constexpr double kFactors[kTextSteps] = {1.0, 1.5, 2.0};
// The desktop's own font, the 標準 every step grows from.
std::optional<QFont> desktopFont;

// The style's title bars are a fixed height; a child window's title grows
// with the text, so its bar grows with it rather than cut the words.
class TitlesFollowText : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int own = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_TitleBarHeight) return own;
        const int words = widget ? widget->fontMetrics().height() : option ? option->fontMetrics.height() : 0;
        return std::max(own, words + 6);
    }
};
}  // namespace

int textStep() { return step_; }
double textFactor() { return kFactors[step_]; }

void setTextStep(int step) {
    step = std::clamp(step, 0, kTextSteps - 1);
    if (step == step_) return;  // every widget asked for its size anew: only for a change
    if (!desktopFont) {
        desktopFont = QApplication::font();
        // Around the style the desktop chose (a style sheet's has no name:
        // the desktop's default then).
        QApplication::setStyle(new TitlesFollowText(QStyleFactory::create(QApplication::style()->name())));
    }
    step_ = step;
    QFont f = *desktopFont;
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * textFactor());
    else f.setPixelSize(px(f.pixelSize()));
    QApplication::setFont(f);
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
