#include "pages/rectangular_notch.h"

#include <cmath>

RectangularResult rectangularFlow(double head, double width, Contraction condition)
{
    const double H = head;
    const double L = width;
    const double r = L / H;
    // A head of zero leaves the ratio undefined: treated as no result yet, like an
    // empty box, so typing "0." on the way to "0.25" changes nothing. A ratio that
    // merely overflows (a head far too small for its width) is still a ratio and
    // is tested like any other.
    if (H == 0 || std::isnan(r)) return {RectangularResult::NoResult, 0};
    if (r < 0.25) return {RectangularResult::WidthTooSmall, 0};
    const double e = 3.0 / 2;
    const double p = std::pow(H, e);
    double w = 0;
    switch (condition) {
    case Contraction::Suppressed: w = L * 1.84; break;
    case Contraction::OneSide: w = (L - H * 0.1) * 1.84; break;
    case Contraction::Full: w = (L - H * 0.2) * 1.84; break;
    default: return {RectangularResult::NoResult, 0}; // a code outside the three conditions
    }
    const double Q = p * w;

    if (!std::isfinite(Q)) return {RectangularResult::NoResult, 0};
    return {RectangularResult::Flow, Q};
}
