#pragma once
// The window kinds a form can be drawn in: a dialog, a child of the frame's
// document area, and the frame itself.
#include <QCloseEvent>
#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

#include "ui/qt/Binder.h"
#include "ui/qt/Keyboard.h"

namespace ui::qt {

// What the window manager draws round `window` (its title bar and borders):
// as it draws them round the window once shown, else round the frame, else
// a title bar's and thin borders' worth.
QMargins decoration(const QWidget* window);
// The free area of the screen `window` is on (the panels left out).
QRect freeArea(const QWidget* window);
// The part of the frame's work area the screen shows, in the area's
// coordinates: a frame larger than a small screen runs past its edge.
QRect visibleRoom(const QMdiArea* area);

// Follows a window's moves and sizes and keeps the last one, at the size the
// window would have at 標準 (a window grows with the text).
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(ui::Runtime& rt, QWidget* window, QString name);
    // The kept place, at the present text size; none when nothing is kept.
    std::optional<QRect> kept() const;
    void keepNow();
protected:
    bool eventFilter(QObject* o, QEvent* e) override;
private:
    ui::Runtime& rt_;
    QWidget* window_;
    QString name_;
    double factor_;  // the text size the window was made at
    QTimer* later_;
};

// A top-level dialog; modal when its form is shown modally.
class DialogWidget : public QDialog {
    Q_OBJECT
public:
    DialogWidget(ui::Runtime& rt, ui::Form& form, QWidget* parent);
    bool waiting = false;
protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;  // Esc behaves like the close box
private:
    ui::Runtime& rt_;
    ui::Form& form_;
};

class DialogView : public ui::View {
public:
    DialogView(ui::Runtime& rt, ui::Form& form, QWidget* parent);
    ~DialogView() override;
    void showView() override;
    void hideView() override;
    void refresh() override;
    // Runs the dialog's own loop until the form is hidden or unloaded.
    void exec();
    QDialog* widget() const { return w_; }
protected:
    // The control that has the focus when the dialog opens; without one, Qt
    // picks the default button, which may commit money or a choice.
    void focusFirst(QWidget* w) { first_ = w; }
    // A window the game opens by itself (the report): when it closes, the
    // keyboard goes back without a screen reader saying where again.
    void returnQuietly() { quietly_ = true; }
    Binder bind;
    DialogWidget* w_;
    ui::Form& form_;
private:
    void opening();
    QWidget* first_ = nullptr;
    bool quietly_ = false;
    PlaceKeeper* place_;
    FocusReturn back_;
};

class SubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    SubWindow(ui::Runtime& rt, ui::Form& form);
protected:
    void closeEvent(QCloseEvent* e) override;
private:
    ui::Runtime& rt_;
    ui::Form& form_;
};

// A child window inside the frame's document area.
class MdiView : public ui::View {
public:
    MdiView(ui::Runtime& rt, ui::Form& form, QMdiArea* area);
    ~MdiView() override;
    void showView() override;
    void hideView() override;
    void refresh() override;
    QWidget* body() const { return body_; }
    QMdiSubWindow* window() const { return sub_; }
protected:
    // Where the window's own layout puts it, if that fits the part of the
    // frame's work area on the screen; otherwise narrowed (as far as it can
    // be) and moved in.
    void keepInside();
    Binder bind;
    ui::Form& form_;
    QPointer<SubWindow> sub_;
    QWidget* body_;
    QMetaObject::Connection focus_;
    PlaceKeeper* place_;
};

}  // namespace ui::qt
