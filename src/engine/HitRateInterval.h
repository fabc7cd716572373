#pragma once
// How sure a hit rate over past draws is: the range a rate of that many draws may well
// come from, and how few draws are too few to judge at all.

#include <utility>

namespace shrink4 {

// Rates over fewer draws than this say too little to judge a scheme or a rule by.
constexpr int kFewestDrawsToJudge = 30;

// The Wilson score interval at 95 % for `hits` of `trials`, clamped to 0..1; trials > 0.
std::pair<double, double> wilsonInterval(int hits, int trials);

// A random pick's rate inside a hit rate's interval: the hits show no skill over picking as
// many numbers at random.
constexpr bool showsNoSkill(double low, double high, double baseline)
{
    return low <= baseline && baseline <= high;
}

} // namespace shrink4
