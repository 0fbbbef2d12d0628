#pragma once
// The frame on the screen and its work area under the keyboard.
#include <QSize>

class QMdiArea;
class QWidget;

namespace ui::qt {

// `window` at its usual size for the text size in use (`usual`), or at a
// larger one the player gave it (one other than `given`, the size it was
// given last), within the free area of its screen with its title bar and
// borders, and moved back onto the screen where it grew past an edge.
void fitOnScreen(QWidget* window, QSize usual, QSize& given);

// The work area follows the keyboard: a control it moves to out of sight is
// scrolled into it, once a window that opens has found its place.
void followKeyboard(QMdiArea* area);

}  // namespace ui::qt
