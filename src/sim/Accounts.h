#pragma once
// The figures of a month's accounts and of the town's growth, in 万円 unless
// said otherwise. A tenant's rent lives with its kind (building/Tenants.h).
namespace sim {

inline constexpr int kBaseIncome = 1000;    // every month, tenants or not
inline constexpr int kSalary = 30;          // per employee
inline constexpr int kUpkeep = 100;         // per floor
inline constexpr int kConstruction = 100;   // per million yen of pending cost

// A new block or building goes up when the population exceeds what the town
// already has by more than the margin.
inline constexpr int kPeoplePerApartment = 800;
inline constexpr int kPeoplePerBuilding = 1500;
inline constexpr int kGrowthMargin = 2000;

}  // namespace sim
