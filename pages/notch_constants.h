// The constants of the angled notches (trapezoidal and V), and the grouping both
// multiply their discharge in.
#pragma once

#include <cmath>

namespace notch {
// 3.14286 stands for pi in the degree conversion (tan 45 degrees is 1.000634
// here) and 19.62 for twice the gravity: every notch figure this program has
// shown was computed with them.
constexpr double pi = 3.14286;
constexpr double twoG = 19.62;

// ((coefficient x sqrt(2g)) x first) x second, in m³/s: the order of the
// multiplications fixes the figure to the last bit.
inline double discharge(double coefficient, double first, double second)
{
    return ((coefficient * std::sqrt(twoG)) * first) * second;
}
} // namespace notch
