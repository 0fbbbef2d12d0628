#pragma once
// High contrast for a player who sees poorly: light words on a dark ground,
// every text at 7:1 or more, clickable labels underlined, a thick focus
// mark. The palette and the style sheet live here, applied to the whole
// application at once; what a view paints itself asks highContrast().
#include <QByteArray>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QApplication;
class QObject;
class QWidget;
class QTextDocument;

namespace ui::qt {

// The contrast ratio of two colours, as WCAG computes it: 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// What a text must reach against its ground: 4.5 normally, 7 in high contrast.
double textRatio(bool high);

// The high-contrast palette: white on black, a yellow highlight.
QPalette highContrastPalette();
// The sheet that goes with it: borders, underlines, focus marks, all in the
// palette's own colours, at the text size in use. No type sizes: the
// player's text size is not ours.
QString highContrastSheet();

bool highContrast();
// Switches every window at once; views repaint at their next refresh.
void useHighContrast(QApplication& app, bool on);
// Makes `entry` the player's switch: checkable, checked as now, with its key
// Ctrl+Shift+H. Gives what a click on it does: switch, and keep the choice
// for the next run.
std::function<void()> contrastSwitch(QAction* entry, std::function<void(bool)> keep);

// A form's colour as it is drawn on `ground`: the same hue, darkened (or, in
// high contrast, lightened) just enough to be read there.
QColor readableOn(uint32_t rgb, const QColor& ground, bool high);
// A child window's title bar's ground in high contrast, in front and
// behind: dark under the palette's light words.
QColor titleBarGround(bool front);

// A form's colour on the window's ground, in the mode now in use; black,
// a form's plain words, is the palette's words.
QColor shownColour(uint32_t rgb);

// A page's own colours give way to the palette's: words in the text colour,
// links in the link colour, no coloured backgrounds.
void recolour(QTextDocument* page, const QPalette& palette);

// Whether the desktop asks for high contrast: a high-contrast GTK theme
// (GTK_THEME, or GNOME's interface settings), GNOME's high-contrast switch,
// or a KDE colour scheme of that name. `ask` runs a settings tool and hands
// its answer (empty when there is none) to what follows; `env` reads the
// environment; `answer` hears the outcome.
using AskTool = std::function<void(const QStringList& line, const std::function<void(const QString&)>& then)>;
void desktopAsksHighContrast(const std::function<QByteArray(const char*)>& env, const AskTool& ask,
                             const std::function<void(bool)>& answer);
// The same with a tool that answers at once.
bool desktopAsksHighContrast(const std::function<QByteArray(const char*)>& env,
                             const std::function<QString(const QStringList&)>& ask);
// The same, asked of this desktop without waiting for it: `answer` hears it
// later, from the event loop. Its tools live as long as `owner`.
void askDesktopHighContrast(QObject* owner, const std::function<void(bool)>& answer);

}  // namespace ui::qt
