#pragma once
// 外観 drawn: the building as a picture that a click, the arrow keys and a
// screen reader walk storey by storey, and beside it the floor count, the
// rank and the legend of the signs.
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "building/Gaikan.h"
#include "ui/qt/Views.h"

class QLabel;

namespace building {

struct Sign;
// A sign's plate as 外観 paints it: its colour, darkened where its white
// words would not read on it.
QColor plateColour(const Sign* s);

// The building standing on the ground under the sky: the rooftop, then one
// storey a floor down to the lobby, each in its sign's colour. It draws what
// it was last given; a screen reader reads it as a list of the storeys.
class Storeys : public QWidget {
public:
    explicit Storeys(QWidget* parent = nullptr);
    // The storeys, top first, with the name each is read by.
    void setStoreys(std::vector<Gaikan::Storey> storeys, QStringList names);
    int count() const { return int(storeys_.size()); }
    QString nameOf(int i) const { return names_.value(i); }
    int current() const { return current_; }  // -1 before one is chosen
    void choose(int i);
    void open(int i);
    QRect storeyRect(int i) const;
    int storeyAt(const QPoint& at) const;

    std::function<void(int floor)> onOpen;  // a click or Enter on the storey of that floor
    std::function<void()> onChoose;         // the chosen storey moved

    QSize sizeHint() const override { return {360, 560}; }
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    struct Shape {
        int storey;   // the height of one storey
        QRect tower;  // every storey, rooftop to lobby
        int ground;   // where the lobby stands
    };
    Shape shape() const;
    void say(int event) const;  // tells a screen reader about the chosen storey

    std::vector<Gaikan::Storey> storeys_;
    QStringList names_;
    int current_ = -1;
    int pressed_ = -1;
};

class GaikanView : public ui::qt::MdiView {
public:
    GaikanView(Program& p, QMdiArea* area);
    // After every event: draws again only when the building or its rank changed.
    void refresh() override;

private:
    Gaikan& f_;
    Storeys* storeys_;
    ui::qt::FigureLabel* kaisu_;
    ui::qt::FigureLabel* hyouka_;
    QLabel* chosen_;
    std::vector<Gaikan::Storey> drawn_;
    QString rank_;
};

}  // namespace building
