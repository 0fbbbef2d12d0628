#pragma once
// The week clock: ticks, weeks, the year, and the month-end settlement that
// every change of the month label runs.
class Program;

namespace sim {

void timer1Tick(Program& p);
void weChange(Program& p);
void yeChange(Program& p);
void monChange(Program& p);  // the month-end settlement

// The month a month end is for, as the date labels show it, except that the
// turn of the year settles month 1 before the year label moves on: that
// month is the January of the year being entered.
struct MonthEntered {
    double year;
    double month;
};
MonthEntered monthEntered(Program& p);

}  // namespace sim
