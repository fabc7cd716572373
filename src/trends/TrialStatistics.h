#pragma once
// How far a trial's hits stand above what a random pick of the same sizes would list, and
// how far the best of many trials must stand before it means anything.

#include <span>

namespace shrink4::trends {

// Hits of draws each listed with its own chance p: Σ p and Σ p(1 − p).
struct HitExpectation {
    double expected = 0;
    double variance = 0;
    void add(double p)
    {
        expected += p;
        variance += p * (1 - p);
    }
};

// One-sided z of `listed` hits over the expectation. With no variance (no tested draw, or
// every run listing none or all of the numbers) the hits were certain and show nothing: 0.
double hitZ(int listed, const HitExpectation& e);

// Φ⁻¹(p) for 0 < p < 1, the standard normal quantile, to about 1e-15 relative.
double inverseNormal(double p);

// The z a best of `trials` trials must exceed for a one-sided 5 % error over them all:
// Φ⁻¹(1 − 0.05 / trials), computed from the small tail so it keeps its precision.
double searchThreshold(int trials, double alpha = 0.05);

// Index of the highest z, the first among equals; -1 for none.
int bestIndex(std::span<const double> z);

} // namespace shrink4::trends
