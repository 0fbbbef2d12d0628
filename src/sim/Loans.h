#pragma once
class Program;
namespace sim {
// Repays the bank loans that fall due in the month now entered, and any whose
// due month has already passed (a save from before a loan was collected).
void repayLoans(Program& p);
}  // namespace sim
