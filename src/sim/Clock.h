#pragma once
// The week clock: ticks, weeks, the year, and the month-end settlement that
// every change of the month label runs.
class Program;

namespace sim {

void timer1Tick(Program& p);
void weChange(Program& p);
void yeChange(Program& p);
void monChange(Program& p);  // the month-end settlement

// The month a month end is for: the month it enters, as the date line will
// name it; the turn of the year writes the same month and year. The turn
// settles twice, for month 13 and again for month 1 (or the month a message
// left open let the clock reach), before the year label moves on; both runs,
// and any month end that runs while they wait on a message, are in the year
// being entered.
struct MonthEntered {
    double year;
    double month;
};
MonthEntered monthEntered(Program& p);

}  // namespace sim
