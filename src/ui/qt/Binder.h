#pragma once
// Binds Qt widgets to a form's plain controls: one line a widget. Drawing
// follows the controls on every refresh; clicks go through the runtime.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/Runtime.h"
#include "ui/qt/Keyboard.h"

namespace ui::qt {

// A label that can be clicked (block and floor labels, the panel's links).
// While it shows text it takes the focus with Tab and acts on Enter or Space
// as a click would; a blank one is no place for the keyboard to stop.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    void followText();
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// A slider that reports a click anywhere on it, the handle or the groove,
// and shows when it has the keyboard's focus.
class ClickSlider : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// A picture area: a bitmap file stretched to fill it, or a built-in drawing.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    using Builtin = std::function<void(QPainter&, const QRect&)>;
    PictureBox(Builtin builtin, QWidget* parent = nullptr);
    void sync(const ui::Picture& p);
    bool showsBuiltin() const { return showBuiltin_; }
    bool showsFile() const { return !showBuiltin_ && !pixmap_.isNull(); }
protected:
    void paintEvent(QPaintEvent*) override;
private:
    Builtin builtin_;
    QPixmap pixmap_;
    bool showBuiltin_ = true;
    int loads_ = -1;
};

// A list that shows no current row until the player picks one: taking the
// focus alone must not look like a choice. The focus shows as a frame round
// the list instead.
class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
protected:
    void focusInEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// Draws a focus frame round `area` of `on` while `w` has the keyboard's focus.
void drawFocusFrame(QWidget* w, QWidget* on, const QRect& area);

class Binder {
public:
    explicit Binder(ui::Runtime& rt) : rt_(rt) {}
    ~Binder();

    QLabel* label(QLabel* w, ui::Label& l, const char* name);
    // A label whose words the view draws some other way: it keeps its name and
    // text but is never shown.
    QLabel* drawnElsewhere(QLabel* w, ui::Label& l, const char* name);
    QPushButton* button(QPushButton* w, ui::Command& c, const char* name, std::function<void()> click);
    QAction* action(QAction* a, ui::Command& c, const char* name, std::function<void()> click);
    PictureBox* picture(PictureBox* w, ui::Picture& p, const char* name);
    // A change of the selected row, by mouse or keyboard, is the list's click.
    QListWidget* list(QListWidget* w, ui::ListBox& l, const char* name, std::function<void()> click);
    // Each new value the player sets reaches the control (and its change
    // handler) as one event; a click runs `click`.
    ClickSlider* slider(ClickSlider* w, ui::Slider& s, const char* name, std::function<void()> click);
    // A click on a clickable widget, run as one event.
    void onClick(ClickLabel* w, std::function<void()> click);
    void sync(std::function<void()> f) { syncs_.push_back(std::move(f)); }

    void refresh();
    ui::Runtime& runtime() { return rt_; }

private:
    void connectEvent(QMetaObject::Connection c) { connections_.push_back(c); }
    ui::Runtime& rt_;
    std::vector<std::function<void()>> syncs_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace ui::qt
