#pragma once
// The size of the game's text: 標準, 大 or 特大, one factor for every window.
// Views build their fonts and fixed sizes through pt() and px(), so a window
// made after a change is drawn at the new size; the frame makes its windows
// afresh when the player changes it.
#include <QSize>

class QTextDocument;

namespace ui::qt {

// 0 標準, 1 大 (1.5×), 2 特大 (2×).
constexpr int kTextSteps = 3;
int textStep();
// Puts a step in place for every window made from now on and for the
// application's own font, which every widget without a size of its own and
// every message box follows at once.
void setTextStep(int step);
double textFactor();

// A size the game was designed with at 標準, at the present step.
int pt(int points);
int px(int pixels);
QSize px(QSize size);

// A page written with the 標準 sizes (the help page), at the present step:
// its words and pictures. Headings sized relative to the application's font
// have grown with it already.
void enlarge(QTextDocument* page);

}  // namespace ui::qt
