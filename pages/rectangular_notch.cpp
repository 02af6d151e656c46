#include "pages/rectangular_notch.h"

#include "form/numbers.h"

#include <cmath>

RectangularResult rectangularFlow(double head, double width, Contraction condition)
{
    const double H = head;
    const double L = width;
    const double r = L / H;
    // A ratio that is not a finite number gives no result and leaves the boxes as
    // they are: a head of zero (typing "0." on the way to "0.25"), a head so small
    // that the ratio overflows, or a number beyond the double range in either box.
    if (!allFinite({H, L, r})) return {RectangularResult::NoResult, 0};
    if (r < 0.25) return {RectangularResult::WidthTooSmall, 0};
    const double e = 3.0 / 2;
    const double p = std::pow(H, e);
    double c = L; // the width less the end contractions (H x 0.1 or 0.2 stays finite)
    switch (condition) {
    case Contraction::Suppressed: break;
    case Contraction::OneSide: c = L - H * 0.1; break;
    case Contraction::Full: c = L - H * 0.2; break;
    default: return {RectangularResult::NoResult, 0}; // a code outside the three conditions
    }
    const double w = c * 1.84;
    const double Q = p * w;

    if (!allFinite({p, c, w, Q})) return {RectangularResult::NoResult, 0};
    return {RectangularResult::Flow, Q};
}
