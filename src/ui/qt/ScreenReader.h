#pragma once
// What a screen reader hears of the widgets the binder makes, beyond what Qt
// says by itself: a label's role and name (a figure with its caption and unit,
// nothing for a hidden or empty one), a clickable label's press, a picture by
// what it shows, and news spoken once when something changes by itself.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace ui::qt {

// How a widget acts for a screen reader.
enum class Acts {
    Text,     // a label: it reads its text
    Button,   // a label that is pressed like a button
    Link,     // a label that is followed like a link
    Picture,  // a picture, named by what it shows
    Silent,   // says nothing: a blank bar, or words read as part of a figure
    News,     // a notification: what announce() says
};

struct Heard {
    Acts as = Acts::Text;
    // What it is called; null: its own text.
    std::function<QString()> name;
    // The press a screen reader can ask for (Button, Link).
    std::function<void()> press;
    // The control whose description these words are: a screen reader then
    // does not read them again among a window's loose words.
    QPointer<QWidget> describes = {};
};

// From now on `w` is heard as `h`.
void hear(QWidget* w, Heard h);
// How `w` is heard now (a plain label's way when it was never said).
Heard heardAs(const QWidget* w);
// Words the screen reader would read for `w` now: its accessible name.
QString spokenName(QWidget* w);
// A figure with the words around it as one text, in reading order: its
// caption before, its unit and marks after — "所持金 100,000,000円",
// "Money 100,000,000 yen", "2階です".
QString figureWords(const QStringList& before, const QString& own, const QStringList& after);
// Words joined as a list is spoken ("、" in Japanese).
QString spokenList(const QStringList& words);
// Says `news` of `about` once, as a notification in the active window,
// after the event that brought it (its words are found then, once the event
// has drawn what it changed, and not at all once `about` is gone): news of
// one event is joined into one notification.
void announce(const QObject* about, std::function<QString()> news);
// The view of `window` is going (its widgets only later): its news, which
// reads a form that is gone with it, is not said.
void forgetNews(const QWidget* window);

// The keyboard goes back to `window` after a window the game
// opened by itself (the month's report) closes: a screen reader is not told
// again of the frame, its panes and the control the player never left, so
// the news that follows is all that is said. What the player does next is
// said as ever.
void returnQuietly(QWidget* window);
// A menu of `window` closes: the window's activation, as the menu gives the
// keyboard back, is not said again; where the keyboard lands is.
void menuClosesQuietly(QWidget* window);

}  // namespace ui::qt
