#pragma once
// The game's date as a screen reader says it.
#include <QString>

namespace ui::qt {

// "2年目 1月 1週", "Year 2 month 1 week 1"; nothing before a game (year 0).
QString spokenDate(int year, int month, int week);

}  // namespace ui::qt
