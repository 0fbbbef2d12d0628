#pragma once
// A line chart drawn with the painter alone: the months along the bottom,
// value axes at either side, each named with its unit, a legend below, and
// lines told apart by stroke and marker as well as by colour. Every figure
// and name is drawn whole in the window's own type: the plot takes the room
// they leave, and the chart asks for the height its side names need.
#include <QLine>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace ui::qt {

class Chart : public QWidget {
public:
    enum class Side { Left, Right };
    // Lines across the plot where something begins, named beside the axis's
    // figures: for a range, the values in it and their names.
    using Marks = std::function<std::vector<std::pair<double, QString>>(double low, double high)>;
    struct Axis {
        QString title;  // its name, with its unit
        Side side = Side::Left;
        bool grid = false;  // lines across the plot at its figures
        Marks marks = {};
        uint32_t markRgb = 0;
    };
    enum class Marker { Circle, Square, Triangle };
    struct Line {
        QString name;
        int axis;  // the index of the axis it is read against
        uint32_t rgb;
        Qt::PenStyle stroke;
        Marker marker;
    };

    Chart(std::vector<Axis> axes, std::vector<Line> lines, QWidget* parent = nullptr);
    // The months along the bottom and each line's figure for each month.
    // Only figures that differ from those drawn are drawn again.
    void setFigures(QStringList months, std::vector<std::vector<double>> values);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    struct Text {
        QString text;
        QRect box;          // where it stands; a side axis's name is turned in its box
        int turn = 0;       // degrees
        int align = 0;      // Qt::Alignment within the box
        uint32_t rgb = 0;   // 0: the words' colour, else a mark's
    };
    struct Scale {
        double low = 0, high = 1, step = 1;
        double y(double v, const QRect& plot) const;
    };
    // Where everything goes at the present size and type; made again when
    // either or the figures change.
    struct Layout {
        QRect plot;
        std::vector<Scale> scales;  // one an axis
        std::vector<Text> texts;
        std::vector<QLine> spines;  // each side axis's line
        std::vector<QLine> ticks;   // beside each figure
        std::vector<int> gridAt;    // heights of the grid lines
        std::vector<std::pair<int, uint32_t>> markAt;  // heights and colours of the marks' lines
        std::vector<int> monthAt;   // where the months named stand
        std::vector<QRect> samples; // the legend's line samples
        int least = 0;              // the height the side names need
        int aside = 0;              // the width the side axes take
        int inside = 0;             // how far in from the axes the months stand
        int tick = 0;               // a tick's length
        double x(int month, int months) const;
    };
    const Layout& layout() const;
    void forget();

    std::vector<Axis> axes_;
    std::vector<Line> lines_;
    QStringList months_;
    std::vector<std::vector<double>> values_;
    mutable std::optional<Layout> layout_;
};

}  // namespace ui::qt
