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

    if (!std::isfinite(Q)) return {RectangularResult::NoResult, 0};
    return {RectangularResult::Flow, Q};
}

// A sharp-crested notch needs a head of at least 0.2 ft (0.06 m), below which
// the nappe clings to the plate (USBR Water Measurement Manual, ch. 7); Francis'
// reduction of 0.1 H for each end contraction was found on notches at least three
// heads wide (J. B. Francis, Lowell Hydraulic Experiments), so a contracted notch
// needs a width of at least 3 H.
std::string rectangularRangeNote(double head, double width, Contraction condition)
{
    const bool contracted = condition != Contraction::Suppressed;
    if (head >= 0.06 && (!contracted || width >= 3 * head)) return {};
    return "Outside the range: the Francis formula holds for a head of at least 0.06 m (USBR Water Measurement "
           "Manual, ch. 7) and, with end contractions, a width of at least 3 heads (Francis, Lowell Hydraulic "
           "Experiments).";
}
