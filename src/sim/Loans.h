#pragma once
class Program;
namespace sim {
// Repays the bank loans that fall due in the month now shown.
void repayLoans(Program& p);
}  // namespace sim
