#pragma once
// The week clock: ticks, weeks, the year, and the month-end settlement that
// every change of the month label runs.
class Program;

namespace sim {

void timer1Tick(Program& p);
void weChange(Program& p);
void yeChange(Program& p);
void monChange(Program& p);  // the month-end settlement

}  // namespace sim
