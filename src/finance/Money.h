#pragma once
#include <QString>
class Program;
namespace finance {
// The money shown with "," between groups of three, whatever the locale:
// rounded half away from zero, empty when it rounds to 0.
QString grouped(double millions);
// Change handler of Main.Okane: display, cap, and the defeat.
void okaneChange(Program& p);
}  // namespace finance
