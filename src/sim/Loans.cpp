#include "sim/Loans.h"

namespace sim {

// The bank does not lend yet, so no loan can fall due.
void repayLoans(Program&) {}

}  // namespace sim
