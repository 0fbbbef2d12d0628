#include "ui/qt/Chart.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/qt/Contrast.h"

namespace ui::qt {

namespace {

constexpr double kLeast = 10;  // an empty or flat line reads 0 to 10, not 0, 0, 0, 1, 1
constexpr int kMostMonths = 5; // more month names would not fit

// A figure as the table writes it: whole, its thousands grouped (one beyond
// any game, read from a broken file, in powers of ten).
QString figure(double v) {
    const QLocale english(QLocale::English);
    return std::abs(v) < 1e15 ? english.toString(qint64(std::llround(v))) : english.toString(v, 'g', 3);
}

// The height of a line of the window's type with Japanese in it: the
// Japanese face that stands in for the Latin one is taller.
int lineHeight(const QFont& f) {
    QTextLayout probe(QStringLiteral("0月"), f);
    probe.beginLayout();
    const QTextLine line = probe.createLine();
    probe.endLayout();
    return std::max(QFontMetrics(f).height(), int(std::ceil(line.height())));
}

// From 0 (or the lowest figure below it) to the highest, in round steps,
// with room above and below: a figure on the plot's border is lost. At most
// `ticks` steps, each at least 1: every figure is whole.
std::pair<double, double> range(const std::vector<const std::vector<double>*>& lines) {
    double lo = 0, hi = 0;
    bool onZero = false;
    for (const auto* values : lines)
        for (double v : *values) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            onZero = onZero || v == 0;
        }
    // (Halved first: figures near the largest a double holds would overflow.)
    const double room = std::max(hi / 2 - lo / 2, kLeast / 2) * 0.16;
    hi = std::max(hi + std::min(room, std::numeric_limits<double>::max() - hi), kLeast);
    if (lo < 0 || onZero) lo -= std::min(room, lo + std::numeric_limits<double>::max());
    return {lo, hi};
}

double niceStep(double lo, double hi, int ticks) {
    const double raw = std::min((hi / 2 - lo / 2) / std::max(1, ticks - 1) * 2, std::numeric_limits<double>::max() / 16);
    const double unit = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * unit >= raw) return std::max(1.0, m * unit);
    return std::max(1.0, 10 * unit);
}

double penWidth(int lineHeight) { return std::max(2, lineHeight / 8); }
double markerSize(int lineHeight) { return std::max(3, lineHeight / 5); }

QColor shade(uint32_t rgb, const QColor& ground) { return readableOn(rgb, ground, highContrast()); }

void drawMarker(QPainter& p, Chart::Marker m, QPointF at, double r) {
    switch (m) {
        case Chart::Marker::Circle: p.drawEllipse(at, r, r); break;
        case Chart::Marker::Square: p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
        case Chart::Marker::Triangle: {
            const QPointF corners[] = {{at.x(), at.y() - r * 1.2}, {at.x() + r * 1.1, at.y() + r * 0.8},
                                       {at.x() - r * 1.1, at.y() + r * 0.8}};
            p.drawPolygon(corners, 3);
            break;
        }
    }
}

}  // namespace

// The first and the last month stand in from the axes by a marker's width.
double Chart::Layout::x(int i, int n) const {
    if (n <= 1) return plot.center().x();
    const double inset = inside;
    return plot.left() + inset + double(i) * (plot.width() - 1 - 2 * inset) / (n - 1);
}

double Chart::Scale::y(double v, const QRect& plot) const {
    const double part = (v / 2 - low / 2) / (high / 2 - low / 2);
    return plot.bottom() - (std::isfinite(part) ? std::clamp(part, 0.0, 1.0) : 0.0) * (plot.height() - 1);
}

Chart::Chart(std::vector<Axis> axes, std::vector<Line> lines, QWidget* parent)
    : QWidget(parent), axes_(std::move(axes)), lines_(std::move(lines)), values_(lines_.size()) {
    setFocusPolicy(Qt::StrongFocus);  // Tab stops here, as on any picture a reader describes
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Chart::setFigures(QStringList months, std::vector<std::vector<double>> values) {
    values.resize(lines_.size());
    if (months == months_ && values == values_) return;
    months_ = std::move(months);
    values_ = std::move(values);
    forget();
}

void Chart::forget() {
    layout_.reset();
    updateGeometry();
    update();
}

void Chart::resizeEvent(QResizeEvent* e) {
    // Narrower, the legend may take another row, and the chart more height.
    const int least = layout().least;
    layout_.reset();
    if (layout().least != least) updateGeometry();
    QWidget::resizeEvent(e);
}

void Chart::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) forget();
    if (e->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(e);
}

// The keyboard's mark comes and goes with the keyboard.
void Chart::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void Chart::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

QSize Chart::minimumSizeHint() const {
    const Layout& l = layout();
    return {l.aside + 8 * lineHeight(font()), l.least};
}

QSize Chart::sizeHint() const {
    const int lh = lineHeight(font());
    return minimumSizeHint().expandedTo(QSize(30 * lh, 16 * lh));
}

const Chart::Layout& Chart::layout() const {
    if (layout_) return *layout_;
    Layout& l = layout_.emplace();
    const QFontMetrics fm(font());
    const int lh = lineHeight(font());
    const int gap = std::max(3, lh / 3);
    const int tick = l.tick = std::max(3, lh / 4);
    const int edge = 3 + gap;  // room for the frame high contrast and the keyboard's mark draw

    // The legend: as many names a row as the width holds, rows centred.
    const int sample = 2 * lh;
    std::vector<std::vector<int>> rows(1);
    int used = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const int w = sample + gap + fm.horizontalAdvance(lines_[i].name);
        if (!rows.back().empty() && used + 2 * gap + w > width() - 2 * edge) {
            rows.emplace_back();
            used = 0;
        }
        used += (rows.back().empty() ? 0 : 2 * gap) + w;
        rows.back().push_back(int(i));
    }
    const int legend = int(rows.size()) * lh;

    // The plot's height first: it sets how many figures each side axis has,
    // and those set how wide the sides are.
    const int top = edge + lh / 2;  // half the highest figure stands above the plot
    const int monthsTop = lh / 2 + 1;  // below the lowest figure's half
    const int bottom = height() - edge - legend - gap - lh - monthsTop;
    const int plotHeight = std::max(lh, bottom - top);
    const int ticks = std::clamp(plotHeight / (2 * lh) + 1, 2, 11);

    struct Column {
        std::vector<double> at;
        QStringList figures;
        int figuresWide = 0;
        std::vector<std::pair<double, QString>> marks;
        int marksWide = 0;
        int wide = 0;
    };
    std::vector<Column> columns(axes_.size());
    l.scales.resize(axes_.size());
    int sides[2] = {0, 0};
    int longestName = 0;
    for (size_t a = 0; a < axes_.size(); ++a) {
        std::vector<const std::vector<double>*> mine;
        for (size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].axis == int(a)) mine.push_back(&values_[i]);
        auto [lo, hi] = range(mine);
        Scale& s = l.scales[a];
        s.step = niceStep(lo, hi, ticks);
        constexpr double most = std::numeric_limits<double>::max();
        s.low = std::max(std::floor(lo / s.step) * s.step, -most);
        s.high = std::min(std::ceil(hi / s.step) * s.step, most);
        Column& c = columns[a];
        for (int k = 0; k <= 12; ++k) {
            const double v = s.low + k * s.step;
            if (v - s.step / 2 > s.high) break;
            c.at.push_back(v);
            c.figures << figure(v);
            c.figuresWide = std::max(c.figuresWide, fm.horizontalAdvance(c.figures.back()));
        }
        if (axes_[a].marks) {
            // A name too close to the one below it to be read is left out.
            const QRect plot(0, top, 1, plotHeight);
            double last = 1e300;
            for (auto& [v, name] : axes_[a].marks(s.low, s.high)) {
                if (v <= s.low || v >= s.high) continue;
                const double y = s.y(v, plot);
                if (last - y < lh) continue;
                last = y;
                c.marksWide = std::max(c.marksWide, fm.horizontalAdvance(name));
                c.marks.emplace_back(v, name);
            }
        }
        c.wide = tick + gap + c.figuresWide + (c.marks.empty() ? 0 : gap + c.marksWide) + gap + lh;
        sides[axes_[a].side == Side::Right] += c.wide + gap;
        longestName = std::max(longestName, fm.horizontalAdvance(axes_[a].title));
    }
    l.aside = 2 * edge + sides[0] + sides[1];
    l.plot = QRect(edge + sides[0], top, std::max(lh, width() - l.aside), plotHeight);
    // What is not the plot, and a plot as high as the longest side name.
    l.least = top + edge + legend + gap + lh + monthsTop + std::max(longestName, 2 * lh);
    l.inside = int(std::ceil(markerSize(lh) * 1.2 + penWidth(lh)));
    const QRect& plot = l.plot;

    // Each axis beside the plot, the first nearest: its figures, the marks'
    // names, then its own name, turned to read along the axis.
    int cursor[2] = {plot.left(), plot.right() + 1};
    for (size_t a = 0; a < axes_.size(); ++a) {
        const bool right = axes_[a].side == Side::Right;
        const Column& c = columns[a];
        const Scale& s = l.scales[a];
        const int from = cursor[right];
        const int dir = right ? 1 : -1;
        // x of the inner edge of a column `off` pixels out from the plot, `w` wide
        const auto box = [&](int off, int w, double y) {
            const int x = right ? from + off : from - off - w;
            return QRect(x, int(std::lround(y)) - lh / 2, w, lh);
        };
        const int inner = right ? Qt::AlignLeft : Qt::AlignRight;
        l.spines.push_back(QLine(from - right, plot.top(), from - right, plot.bottom()));
        for (int i = 0; i < int(c.at.size()); ++i) {
            const double y = s.y(c.at[size_t(i)], plot);
            l.ticks.push_back(QLine(from, int(std::lround(y)), from + dir * tick, int(std::lround(y))));
            l.texts.push_back({c.figures[i], box(tick + gap, c.figuresWide, y), 0, inner | Qt::AlignVCenter, 0});
            if (axes_[a].grid) l.gridAt.push_back(int(std::lround(y)));
        }
        int off = tick + gap + c.figuresWide + gap;
        for (const auto& [v, name] : c.marks) {
            const double y = s.y(v, plot);
            l.texts.push_back({name, box(off, c.marksWide, y), 0, inner | Qt::AlignVCenter, axes_[a].markRgb});
            l.markAt.emplace_back(int(std::lround(y)), axes_[a].markRgb);
        }
        if (!c.marks.empty()) off += c.marksWide + gap;
        const int name = fm.horizontalAdvance(axes_[a].title);
        const int x = right ? from + off : from - off - lh;
        l.texts.push_back({axes_[a].title, QRect(x, plot.center().y() - name / 2, lh, name), right ? 90 : -90,
                           Qt::AlignCenter, 0});
        cursor[right] += dir * (c.wide + gap);
    }

    // The months named along the bottom: the first always, then every so
    // many, as far apart as their names need.
    const int n = int(months_.size());
    const auto xOf = [&](int i) { return int(std::lround(l.x(i, n))); };
    int step = std::max(1, (n + kMostMonths - 1) / kMostMonths);
    for (int round = 0; round < 3 && n > 1; ++round) {
        int widest = 0;
        for (int i = 0; i < n; i += step) widest = std::max(widest, fm.horizontalAdvance(months_[i]));
        const double apart = l.x(1, n) - l.x(0, n);
        if (apart <= 0) break;  // no room at all: the names themselves keep apart below
        const int need = int(std::min(double(n), std::ceil((widest + 2 * gap) / apart)));
        if (need <= step) break;
        step = need;
    }
    const int monthsY = plot.bottom() + monthsTop;
    int last = -1;
    for (int i = 0; i < n; i += step) {
        const int w = fm.horizontalAdvance(months_[i]);
        const int x = std::clamp(xOf(i) - w / 2, edge, std::max(edge, width() - edge - w));
        if (last >= 0 && x < last + gap) continue;  // the last one pressed against the edge
        l.texts.push_back({months_[i], QRect(x, monthsY, w, lh), 0, Qt::AlignCenter, 0});
        l.monthAt.push_back(xOf(i));
        last = x + w;
    }

    // The legend, each line's sample then its name.
    int y = height() - edge - legend;
    for (const auto& row : rows) {
        int w = 0;
        for (int i : row) w += (w ? 2 * gap : 0) + sample + gap + fm.horizontalAdvance(lines_[size_t(i)].name);
        int x = std::max(edge, (width() - w) / 2);
        for (int i : row) {
            const int name = fm.horizontalAdvance(lines_[size_t(i)].name);
            l.samples.push_back(QRect(x, y, sample, lh));
            l.texts.push_back({lines_[size_t(i)].name, QRect(x + sample + gap, y, name, lh), 0,
                               Qt::AlignLeft | Qt::AlignVCenter, 0});
            x += sample + gap + name + 2 * gap;
        }
        y += lh;
    }
    return l;
}

void Chart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Layout& l = layout();
    const bool high = highContrast();
    const QColor ground = palette().color(QPalette::Base);
    const QColor words = palette().color(QPalette::Text);
    const QRect& plot = l.plot;
    const int lh = lineHeight(font());
    p.fillRect(rect(), ground);

    p.setPen(QPen(high ? QColor(0x70, 0x70, 0x70) : QColor(0xD8, 0xD8, 0xD8), 1));
    for (int y : l.gridAt) p.drawLine(plot.left(), y, plot.right(), y);
    for (const auto& [y, rgb] : l.markAt) {
        p.setPen(QPen(shade(rgb, ground), 1, Qt::DashLine));
        p.drawLine(plot.left(), y, plot.right(), y);
    }
    p.setPen(QPen(words, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    for (const QLine& s : l.spines) p.drawLine(s);
    for (const QLine& t : l.ticks) p.drawLine(t);
    for (int x : l.monthAt) p.drawLine(x, plot.bottom(), x, plot.bottom() + l.tick);

    for (const Text& t : l.texts) {
        p.setPen(t.rgb ? shade(t.rgb, ground) : words);
        if (!t.turn) {
            p.drawText(t.box, t.align | Qt::TextDontClip, t.text);
            continue;
        }
        p.save();
        p.translate(QRectF(t.box).center());
        p.rotate(t.turn);
        p.drawText(QRectF(-t.box.height() / 2.0, -t.box.width() / 2.0, t.box.height(), t.box.width()),
                   t.align | Qt::TextDontClip, t.text);
        p.restore();
    }

    // The lines, inside the plot; each month a marker where there is room for it.
    p.setRenderHint(QPainter::Antialiasing);
    const double width = penWidth(lh), r = markerSize(lh);
    const int n = int(months_.size());
    const bool markers = n == 1 || l.x(1, n) - l.x(0, n) >= 4 * r;
    const auto pen = [&](const Line& line, Qt::PenStyle stroke) {
        return QPen(shade(line.rgb, ground), width, stroke, Qt::FlatCap, Qt::RoundJoin);
    };
    p.save();
    p.setClipRect(plot);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        const Scale& s = l.scales[size_t(line.axis)];
        QPolygonF points;
        for (int k = 0; k < n && k < int(values_[i].size()); ++k)
            points << QPointF(l.x(k, n), s.y(values_[i][size_t(k)], plot));
        p.setPen(pen(line, line.stroke));
        p.setBrush(Qt::NoBrush);
        if (points.size() > 1) p.drawPolyline(points);
        if (!markers) continue;
        p.setPen(pen(line, Qt::SolidLine));
        p.setBrush(shade(line.rgb, ground));
        for (const QPointF& at : points) drawMarker(p, line.marker, at, r);
    }
    p.restore();

    // The legend's samples: the line's stroke with its marker.
    size_t k = 0;
    for (const QRect& s : l.samples) {
        const Line& line = lines_[k++];
        const double y = s.center().y() + 0.5;
        p.setPen(pen(line, line.stroke));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(s.left(), y), QPointF(s.right(), y));
        p.setPen(pen(line, Qt::SolidLine));
        p.setBrush(shade(line.rgb, ground));
        drawMarker(p, line.marker, QPointF(s.center().x() + 0.5, y), r);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    // The keyboard's mark; in high contrast a frame as every control has.
    if (high) {
        p.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : words, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    } else if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

}  // namespace ui::qt
