// The constants of the angled notches (trapezoidal and V).
#pragma once

namespace notch {
// 3.14286 stands for pi in the degree conversion (tan 45 degrees is 1.000634
// here) and 19.62 for twice the gravity: every notch figure this program has
// shown was computed with them.
constexpr double pi = 3.14286;
constexpr double twoG = 19.62;
} // namespace notch
