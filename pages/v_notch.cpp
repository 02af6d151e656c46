#include "v_notch.h"

#include "numbers.h"

#include <cmath>

std::optional<double> vNotchFlow(double angle, double head)
{
    const double K = 4.96 / 15; // 8/15 of Cd = 0.62
    // Half the angle, to radians with 3.14286 as on the other notch pages.
    const double t = std::tan(((angle / 2) * 3.14286) / 180);
    const double H = head;
    const double p = std::pow(H, 5.0 / 2);
    const double s = std::sqrt(19.62);
    const double Q = ((K * s) * t) * p;

    if (!allFinite({angle, H, (angle / 2) * 3.14286, t, p, (K * s) * t, Q})) return std::nullopt;
    return Q;
}
