#pragma once
// A headless player with a fixed seed who plays through the real handlers:
// raises floors, lets and re-lets floors, borrows, changes the speed, saves
// and loads, and lets the weeks run. After every month end it checks what
// must always hold, and once in a while that a save and a load in between
// change nothing of the next month's report.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace soak {

struct Outcome {
    int months = 0;       // month ends checked
    int games = 0;        // games played (a defeat or a win starts another)
    int saves = 0;        // save-and-load comparisons made
    int loans = 0, repayments = 0, tenants = 0, extensions = 0;
    QStringList faults;   // what did not hold, with the seed and the date
};

// Plays `years` game years from seed `seed`; `progress` (may be empty) hears
// of every finished game year.
Outcome play(uint32_t seed, int years, const std::function<void(int)>& progress = {});

}  // namespace soak
