#include "trends/TrialStatistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace shrink4::trends {

namespace {

// Acklam's rational approximation of the normal quantile (relative error below 1.2e-9).
constexpr std::array<double, 6> kA = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                      1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
constexpr std::array<double, 5> kB = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                      6.680131188771972e+01, -1.328068155288572e+01};
constexpr std::array<double, 6> kC = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                      -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
constexpr std::array<double, 4> kD = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                      3.754408661907416e+00};
constexpr double kLowRegion = 0.02425;

// c0 x^(n-1) + … + c(n-1).
template <std::size_t N>
double polynomial(const std::array<double, N>& c, double x)
{
    double sum = 0;
    for (const double k : c)
        sum = sum * x + k;
    return sum;
}

// The denominators: the polynomial, then × x + 1.
template <std::size_t N>
double denominator(const std::array<double, N>& c, double x)
{
    return polynomial(c, x) * x + 1;
}

// The lower tail, p < kLowRegion.
double lowerTail(double p)
{
    const double q = std::sqrt(-2 * std::log(p));
    return polynomial(kC, q) / denominator(kD, q);
}

double approximate(double p)
{
    if (p < kLowRegion)
        return lowerTail(p);
    if (p > 1 - kLowRegion)
        return -lowerTail(1 - p);
    const double q = p - 0.5, r = q * q;
    return polynomial(kA, r) * q / denominator(kB, r);
}

// Φ(x) − p through erfc, which keeps its precision in the tails.
double cdfError(double x, double p)
{
    return 0.5 * std::erfc(-x / std::numbers::sqrt2) - p;
}

} // namespace

double hitZ(int listed, const HitExpectation& e)
{
    if (e.variance <= 0)
        return 0;
    return (listed - e.expected) / std::sqrt(e.variance);
}

double inverseNormal(double p)
{
    const double x = approximate(p);
    // One Halley step brings the approximation to full double precision.
    const double u = cdfError(x, p) * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

double searchThreshold(int trials, double alpha)
{
    return -inverseNormal(alpha / std::max(trials, 1));
}

int bestIndex(std::span<const double> z)
{
    if (z.empty())
        return -1;
    return int(std::max_element(z.begin(), z.end()) - z.begin());
}

} // namespace shrink4::trends
