#pragma once
#include <QString>
class Program;
namespace finance {
// The game is lost when the money, in millions of yen, falls below this.
inline constexpr double kLossLine = 1;
inline bool belowLossLine(double millions) { return millions < kLossLine; }
// The money shown with "," between groups of three, whatever the locale:
// rounded half away from zero, empty when it rounds to 0.
QString grouped(double millions);
// The same, with "0" for nothing.
QString groupedOrZero(double v);
// Change handler of Main.Okane: display, cap, and the defeat.
void okaneChange(Program& p);
}  // namespace finance
