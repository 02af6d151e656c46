#include "pages/orifice.h"

#include "form/numbers.h"

#include <cmath>

namespace {
// 3.142 is the value of pi these coefficients were always built with; 19.62 is
// twice 9.81, the gravity of every figure this page has shown.
constexpr double pi = 3.142;
constexpr double twoG = 19.62;

// The kind's discharge coefficient times 3.142, multiplied in double precision;
// empty for None or a code outside the four kinds.
std::optional<double> orificeCoefficient(OrificeKind kind)
{
    switch (kind) {
    case OrificeKind::SharpEdged: return 0.62 * pi;
    case OrificeKind::Rounded: return 0.97 * pi;
    case OrificeKind::BordaRunningFree: return 0.5 * pi;
    case OrificeKind::BordaRunningFull: return 0.75 * pi;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<double> orificeFlow(double diameter, double head, OrificeKind kind)
{
    const auto k = orificeCoefficient(kind);
    if (!k) return std::nullopt;

    const double t = head * twoG;
    const double s = std::pow(t, 0.5);
    const double dk = diameter * *k;
    const double dkd = dk * diameter;
    const double a = dkd / 4;
    const double Q = s * a;
    return ifFinite(Q);
}

// The formula takes the head at the orifice's centre for the whole opening, which
// is what makes an orifice "small": the textbooks call an orifice large when the
// head is less than five times its depth (for example R. K. Bansal, A Textbook
// of Fluid Mechanics and Hydraulic Machines, on large orifices).
std::string orificeRangeNote(double diameter, double head)
{
    if (head >= 5 * diameter) return {};
    return "Outside the range: a small orifice needs a head of at least 5 diameters, so that the head hardly varies "
           "over the opening (Bansal, Fluid Mechanics and Hydraulic Machines, small and large orifices).";
}
