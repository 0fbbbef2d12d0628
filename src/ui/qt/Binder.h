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
#include <optional>
#include <vector>

#include "ui/Runtime.h"
#include "ui/qt/Keyboard.h"
#include "ui/qt/ScreenReader.h"

namespace ui::qt {

// A figure the keyboard stops on, so that a screen reader reads it: while it
// shows text it takes the focus with Tab and shows a focus frame; a blank
// one is no place for the keyboard to stop. Its keys go on to the window
// around it.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    explicit FigureLabel(QWidget* parent = nullptr);
    void followText();
    // A label whose text may be only a prompt is a stop only while `when` says
    // it holds something of its own; a click still reaches it.
    void stopOnlyWhen(std::function<bool()> when) { stop_ = std::move(when); }
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    std::function<bool()> stop_;
};

// A label that can be clicked (block and floor labels, the panel's links):
// a figure label that acts on Enter or Space as a click would.
class ClickLabel : public FigureLabel {
    Q_OBJECT
public:
    using FigureLabel::FigureLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
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
    // The file drawn now ("hotel.bmp"), empty when it draws none.
    QString fileShown() const { return showsFile() ? file_ : QString(); }
protected:
    void paintEvent(QPaintEvent*) override;
private:
    Builtin builtin_;
    QPixmap pixmap_;
    QString file_;
    bool showBuiltin_ = true;
    int loads_ = -1;
};

// A list that takes the keyboard on its first row without choosing it, so
// that a screen reader says that row: taking the focus alone must not be a
// choice, nor look like one. The first arrow chooses the row it is on; the
// focus shows as a frame round the list.
class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent = nullptr);
protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
private:
    void sayCurrentRow();
};

// Draws a focus frame round `area` of `on` while `w` has the keyboard's focus.
void drawFocusFrame(QWidget* w, QWidget* on, const QRect& area);

// Every widget the binder makes is heard by a screen reader as it is seen:
// a label by its text, nothing while hidden or blank; a figure with its
// caption and unit as one text; a clickable label as a button or a link.
class Binder {
public:
    explicit Binder(ui::Runtime& rt) : rt_(rt) {}
    ~Binder();

    // A hidden label keeps the text it last showed: a counter the player
    // never sees sends nothing as it counts.
    QLabel* label(QLabel* w, ui::Label& l, const char* name);
    // Words of the view's own beside a control, in the player's language.
    QLabel* words(const QString& japanese);
    // A label whose words the view draws some other way: it keeps its name and
    // text but is never shown.
    QLabel* drawnElsewhere(QLabel* w, ui::Label& l, const char* name);
    QPushButton* button(QPushButton* w, ui::Command& c, const char* name, std::function<void()> click);
    QAction* action(QAction* a, ui::Command& c, const char* name, std::function<void()> click);
    // `words` says what a file shows ("hotel.bmp" → "ホテル"), `builtin` what
    // the built-in drawing shows; a picture that shows nothing says nothing.
    PictureBox* picture(PictureBox* w, ui::Picture& p, const char* name,
                        std::function<QString(const QString& file)> words = {}, QString builtin = {});
    // A change of the selected row, by mouse or keyboard, is the list's click.
    QListWidget* list(QListWidget* w, ui::ListBox& l, const char* name, std::function<void()> click);
    // Each new value the player sets reaches the control (and its change
    // handler) as one event; a click runs `click`.
    ClickSlider* slider(ClickSlider* w, ui::Slider& s, const char* name, std::function<void()> click);
    // A click on a clickable widget, run as one event; a screen reader
    // calls it a button or a link and can press it.
    void onClick(ClickLabel* w, std::function<void()> click, Acts as = Acts::Button);

    // What a figure is called, its words in reading order: `before` (the
    // caption), its own text, `after` (the unit, a mark), as one text —
    // "所持金 100,000,000円". A label among the words says nothing more itself.
    struct Piece {
        Piece(QLabel* l) : label(l) {}
        Piece(QString t) : text(std::move(t)) {}
        QLabel* label = nullptr;
        QString text;  // words of the view's own, as shown
    };
    void figure(QLabel* w, std::vector<Piece> before, std::vector<Piece> after = {});
    // The description a screen reader reads after a control's name and role:
    // what `by` say, kept up to date at every refresh.
    void describe(QWidget* w, std::vector<QWidget*> by);
    // News of `about` a screen reader says once when `key` has changed since
    // the last refresh (at the first refresh too when `atFirst`).
    void news(QWidget* about, std::function<QString()> key, std::function<QString()> says, bool atFirst = false);
    void sync(std::function<void()> f) { syncs_.push_back(std::move(f)); }

    void refresh();
    ui::Runtime& runtime() { return rt_; }

private:
    void connectEvent(QMetaObject::Connection c) { connections_.push_back(c); }
    ui::Runtime& rt_;
    std::vector<std::function<void()>> syncs_;
    struct News {
        QWidget* about;
        std::function<QString()> key, says;
        bool atFirst;
        std::optional<QString> last;
    };
    std::vector<News> news_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace ui::qt
