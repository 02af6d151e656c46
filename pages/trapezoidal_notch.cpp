#include "pages/trapezoidal_notch.h"

#include "form/numbers.h"
#include "pages/notch_constants.h"

#include <cmath>

using notch::pi;
using notch::twoG;

std::optional<double> trapezoidalFlow(double angle, double head, double crestWidth)
{
    const double A = 1.246 / 3; // two thirds of Cd = 0.623
    const double anglePi = angle * pi;
    const double t = std::tan(anglePi / 180);
    const double H = head;
    const double B = crestWidth;
    const double k = 4.0 / 5;
    const double slope = (k * t) * H;
    const double W = B + slope;
    const double p = std::pow(H, 3.0 / 2);
    const double s = std::sqrt(twoG);
    const double Asp = (A * s) * p;
    const double Q = Asp * W;

    if (!allFinite({angle, H, B, anglePi, t, slope, W, p, Asp, Q})) return std::nullopt;
    return Q;
}
