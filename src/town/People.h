#pragma once
// The town's people and homes, from the counts the panel shows.
#include <cmath>

#include "state/SaveFile.h"

namespace town {

// People: three for each employee of the player's building, a thousand for
// each other company's building and five hundred for each apartment block.
constexpr double populationOf(double employees, double buildings, double blocks) {
    return 3 * employees + 1000 * buildings + 500 * blocks;
}

// Homes: one for every ten people who do not live in an apartment block.
inline double housingOf(double population, double blocks) { return std::trunc((population - 500 * blocks) / 10); }

// Are the homes these counts give still a figure the save's line holds?
inline bool countable(double employees, double buildings, double blocks) {
    return housingOf(populationOf(employees, buildings, blocks), blocks) <= state::kLargestCount;
}

}  // namespace town
