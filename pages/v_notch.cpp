#include "pages/v_notch.h"

#include "form/numbers.h"
#include "pages/notch_constants.h"

#include <cmath>

using notch::pi;

std::optional<double> vNotchFlow(double angle, double head)
{
    const double K = 4.96 / 15; // 8/15 of Cd = 0.62
    // Half the angle, to radians.
    const double halfPi = (angle / 2) * pi;
    const double t = std::tan(halfPi / 180);
    const double H = head;
    const double p = std::pow(H, 5.0 / 2);
    return ifFinite(notch::discharge(K, t, p));
}

// ISO 1438 (thin-plate weirs) rates V-notches with the Kindsvater-Shen formula
// for notch angles of 20 to 100 degrees and heads of 0.05 m to 0.6 m; a fixed
// coefficient of 0.62 is no better than that formula anywhere outside them.
std::string vNotchRangeNote(double angle, double head)
{
    if (angle >= 20 && angle <= 100 && head >= 0.05 && head <= 0.6) return {};
    return "Outside the range: a V-notch is rated for an included angle of 20 to 100 degrees and a head of 0.05 m to "
           "0.6 m (ISO 1438, Kindsvater-Shen limits).";
}
