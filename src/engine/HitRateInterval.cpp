#include "engine/HitRateInterval.h"

#include <algorithm>
#include <cmath>

namespace shrink4 {

std::pair<double, double> wilsonInterval(int hits, int trials)
{
    constexpr double z = 1.96;
    const double n = trials, p = hits / n, z2 = z * z;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
    return {std::clamp(centre - half, 0.0, 1.0), std::clamp(centre + half, 0.0, 1.0)};
}

} // namespace shrink4
