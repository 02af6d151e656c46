#include "pages/trapezoidal_notch.h"

#include "form/numbers.h"
#include "pages/notch_constants.h"

#include <cmath>

using notch::pi;

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
    return ifFinite(notch::discharge(A, p, W));
}

// The head of at least 0.2 ft (0.06 m) that every sharp-crested notch needs, the
// nappe clinging to the plate below it (USBR Water Measurement Manual, ch. 7, as
// for the Cipoletti weir); the sides lean outwards from the crest, 0 degrees from
// the vertical (a rectangle) up to, not including, 90 (a flat side), which the
// formula's side term, tan of the angle, describes; the crest has a width.
std::string trapezoidalRangeNote(double angle, double head, double crestWidth)
{
    if (head >= 0.06 && angle >= 0 && angle < 90 && crestWidth > 0) return {};
    return "Outside the range: a trapezoidal notch needs a head of at least 0.06 m (USBR Water Measurement Manual, "
           "ch. 7), a crest width above 0 and sides from 0 to under 90 degrees from the vertical.";
}
