#include "ui/qt/GameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/qt/Contrast.h"
#include "ui/qt/TextSize.h"

namespace ui::qt {

namespace {

// A title bar button's sign, in `ink` on `ground`, framed.
void drawSign(QPainter* p, const QRect& r, QStyle::SubControl sc, const QColor& ink, const QColor& ground) {
    p->fillRect(r, ground);
    const int t = std::max(2, r.height() / 9);
    p->setPen(QPen(ink, t, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(r).adjusted(t / 2.0, t / 2.0, -t / 2.0, -t / 2.0));
    const QRectF in = QRectF(r).adjusted(r.width() * 0.28, r.height() * 0.28, -r.width() * 0.28, -r.height() * 0.28);
    switch (sc) {
    case QStyle::SC_TitleBarMinButton:
        p->drawLine(QPointF(in.left(), in.bottom()), in.bottomRight());
        break;
    case QStyle::SC_TitleBarMaxButton:
        p->drawRect(in);
        break;
    case QStyle::SC_TitleBarNormalButton: {
        const qreal d = in.width() / 3;
        p->drawRect(in.adjusted(0, d, -d, 0));
        p->drawPolyline(QPolygonF({QPointF(in.left() + d, in.top() + d), QPointF(in.left() + d, in.top()), in.topRight(),
                                   QPointF(in.right(), in.bottom() - d), QPointF(in.right() - d, in.bottom() - d)}));
        break;
    }
    case QStyle::SC_TitleBarCloseButton:
        p->setRenderHint(QPainter::Antialiasing);
        p->drawLine(in.topLeft(), in.bottomRight());
        p->drawLine(in.topRight(), in.bottomLeft());
        break;
    case QStyle::SC_TitleBarShadeButton:
    case QStyle::SC_TitleBarUnshadeButton: {
        const bool up = sc == QStyle::SC_TitleBarShadeButton;
        p->setBrush(ink);
        p->drawPolygon(QPolygonF({QPointF(in.left(), up ? in.bottom() : in.top()),
                                  QPointF(in.right(), up ? in.bottom() : in.top()),
                                  QPointF(in.center().x(), up ? in.top() : in.bottom())}));
        break;
    }
    default:
        p->drawText(r, Qt::AlignCenter, QStringLiteral("?"));
    }
}

class GameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int own = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_TitleBarHeight: {
            // The style's bars are a fixed height: the title would be cut.
            const int words = widget ? widget->fontMetrics().height() : option ? option->fontMetrics.height() : 0;
            return std::max(own, words + 6);
        }
        // A button's margin round its caption and a slider's handle grow
        // with the text, as large to aim at as the words are to read.
        case PM_ButtonMargin:
        case PM_SliderLength:
        case PM_SliderThickness:
        case PM_SliderControlThickness:
            return int(std::lround(own * textFactor()));
        default:
            return own;
        }
    }

    // Under the high-contrast palette the style would draw its title bars in
    // the palette's highlight, yellow, behind white words, and its buttons'
    // signs in colours the palette no longer has: the bar is drawn here.
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* option, QPainter* p,
                            const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
        if (cc != CC_TitleBar || !bar) return QProxyStyle::drawComplexControl(cc, option, p, widget);
        if (!highContrast()) {
            // A child window hands its title bar the palette it kept from a
            // look gone by (it does not hear of the application's change):
            // the window's own of now.
            QStyleOptionTitleBar now = *bar;
            if (widget) now.palette = widget->palette();
            return QProxyStyle::drawComplexControl(cc, &now, p, widget);
        }
        const bool front = bar->titleBarState & State_Active;
        const QColor ground = titleBarGround(front), ink = QApplication::palette().color(QPalette::WindowText);
        p->save();
        p->fillRect(bar->rect, ground);
        if (const QRect r = proxy()->subControlRect(cc, bar, SC_TitleBarLabel, widget); r.isValid()) {
            QFont f = p->font();
            f.setBold(front);  // the window in front is told by more than its colour
            p->setFont(f);
            p->setPen(ink);
            const QString title = QFontMetrics(f).elidedText(bar->text, Qt::ElideRight, r.width() - 4);
            p->drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, title);
        }
        if (const QRect r = proxy()->subControlRect(cc, bar, SC_TitleBarSysMenu, widget); r.isValid() && !bar->icon.isNull())
            bar->icon.paint(p, r);
        // The buttons the window has: a button's place is given for one it
        // does not have too (the place of the next).
        const Qt::WindowFlags has = bar->titleBarFlags;
        for (auto [sc, flag] : {std::pair{SC_TitleBarContextHelpButton, Qt::WindowContextHelpButtonHint},
                                {SC_TitleBarShadeButton, Qt::WindowShadeButtonHint},
                                {SC_TitleBarUnshadeButton, Qt::WindowShadeButtonHint},
                                {SC_TitleBarMinButton, Qt::WindowMinimizeButtonHint},
                                {SC_TitleBarNormalButton, Qt::WindowMinMaxButtonsHint},
                                {SC_TitleBarMaxButton, Qt::WindowMaximizeButtonHint},
                                {SC_TitleBarCloseButton, Qt::WindowSystemMenuHint}}) {
            const QRect r = proxy()->subControlRect(cc, bar, sc, widget);
            if (!(bar->subControls & sc) || !(has & flag) || !r.isValid()) continue;
            const bool down = (bar->activeSubControls & sc) && (bar->state & State_Sunken);
            p->save();
            drawSign(p, r, sc, down ? ground : ink, down ? ink : ground);
            p->restore();
        }
        p->restore();
    }
};

}  // namespace

void useGameStyle() {
    static bool inPlace = false;
    if (inPlace) return;
    inPlace = true;
    // Around the style the desktop chose (a style sheet's has no name: the
    // desktop's default then).
    QApplication::setStyle(new GameStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace ui::qt
