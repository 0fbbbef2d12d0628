#pragma once
// The two ladders of the game: the town's settlement grade by its population
// and the building's rank by its employees. Each step holds the highest
// figure that still earns its word; the last step has no upper end.
#include <QString>
#include <array>
#include <cmath>
#include <limits>

namespace town {

struct Step {
    double upTo;
    const char16_t* word;
};

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

inline constexpr std::array<Step, 7> kGrades{{
    {2000, u"村"},
    {5000, u"町"},
    {10000, u"街"},
    {50000, u"地方都市"},
    {120000, u"都市"},
    {1000000, u"県庁"},
    {kNoLimit, u"首都"},
}};

inline constexpr std::array<Step, 7> kRanks{{
    {100, u"F"},
    {250, u"E"},
    {500, u"D"},
    {1000, u"C"},
    {1700, u"B"},
    {2500, u"A"},
    {kNoLimit, u"S"},
}};

// The word of the first step the figure fits; empty below 0 (the old word stays).
template <std::size_t N>
QString climb(const std::array<Step, N>& ladder, double figure) {
    if (figure < 0) return {};
    for (const Step& s : ladder)
        if (figure <= s.upTo) return QString::fromUtf16(s.word);
    return {};
}

// How far a figure is from the next step of a ladder and from its top: a
// step is earned by the first whole figure past the step below it.
struct Distance {
    QString next;       // the next step's word; empty at the top
    double toNext = 0;  // what the figure still lacks for it
    double toTop = 0;   // and for the top step; 0 once there
};

template <std::size_t N>
Distance distance(const std::array<Step, N>& ladder, double figure) {
    Distance d;
    const double top = std::floor(ladder[N - 2].upTo) + 1;
    d.toTop = figure < top ? top - figure : 0;
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (figure <= ladder[i].upTo) {
            d.next = QString::fromUtf16(ladder[i + 1].word);
            d.toNext = std::floor(ladder[i].upTo) + 1 - figure;
            break;
        }
    return d;
}

}  // namespace town
