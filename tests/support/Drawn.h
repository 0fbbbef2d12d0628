#pragma once
// What a widget draws, as it reaches the screen: every run of text with its
// box and baseline, and every line, in the widget's own coordinates. Taken by
// a paint device that records what it is given instead of keeping pixels, so
// a test reads what was drawn, whoever drew it.
#include <QApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QScreen>
#include <QTextItem>
#include <QWidget>
#include <cmath>
#include <memory>
#include <vector>

struct DrawnText {
    QString text;
    QRectF box;       // where its glyphs stand, turned as they were drawn
    double baseline;  // the height of the line it sits on
};

class Drawn : public QPaintDevice {
public:
    std::vector<DrawnText> texts;
    std::vector<QPolygonF> lines;  // lines and shapes, with the pen they were drawn with
    std::vector<QPen> pens;

    // What `w` (and its children) draws now.
    explicit Drawn(QWidget* w) : size_(w->size()), engine_(std::make_unique<Engine>(this)) {
        w->render(this, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    ~Drawn() override = default;
    QPaintEngine* paintEngine() const override { return engine_.get(); }
    // The texts that contain `part`.
    std::vector<DrawnText> with(const QString& part) const {
        std::vector<DrawnText> found;
        for (const DrawnText& t : texts)
            if (t.text.contains(part)) found.push_back(t);
        return found;
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        const double dpi = QApplication::primaryScreen()->logicalDotsPerInch();
        switch (m) {
            case PdmWidth: return size_.width();
            case PdmHeight: return size_.height();
            case PdmWidthMM: return int(size_.width() * 25.4 / dpi);
            case PdmHeightMM: return int(size_.height() * 25.4 / dpi);
            case PdmNumColors: return INT_MAX;
            case PdmDepth: return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return int(dpi);
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(Drawn* d) : QPaintEngine(AllFeatures), d_(d) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & DirtyTransform) at_ = s.transform();
            if (s.state() & DirtyPen) pen_ = s.pen();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath& path) override {
            for (const QPolygonF& line : path.toSubpathPolygons(at_)) {
                d_->lines.push_back(line);
                d_->pens.push_back(pen_);
            }
        }
        // One text drawn in two faces (Latin figures and Japanese words) comes
        // as two runs side by side: they are joined again.
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QFontMetricsF fm(item.font());
            const QRectF box = at_.mapRect(QRectF(p.x(), p.y() - fm.ascent(), item.width(), fm.ascent() + fm.descent()));
            const double baseline = at_.map(p).y();
            auto& texts = d_->texts;
            if (!at_.isRotating() && !texts.empty() && texts.back().baseline == baseline &&
                std::abs(texts.back().box.right() - box.left()) < 0.5) {
                texts.back().text += item.text();
                texts.back().box |= box;
                return;
            }
            texts.push_back({item.text(), box, baseline});
        }
        void drawPolygon(const QPointF* points, int n, PolygonDrawMode) override {
            QPolygonF line;
            for (int i = 0; i < n; ++i) line << at_.map(points[i]);
            d_->lines.push_back(line);
            d_->pens.push_back(pen_);
        }
        void drawPolygon(const QPoint* points, int n, PolygonDrawMode mode) override {
            QPolygonF line;
            for (int i = 0; i < n; ++i) line << QPointF(points[i]);
            drawPolygon(line.constData(), n, mode);
        }

    private:
        Drawn* d_;
        QTransform at_;
        QPen pen_;
    };
    QSize size_;
    std::unique_ptr<Engine> engine_;
};
