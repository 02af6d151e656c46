#include "pages/pipe.h"

#include "form/numbers.h"

#include <cmath>
#include <cstdio>

namespace {
// 9.81 and 3.14159 rather than 9.80665 and full pi: every velocity and headloss
// this calculator has ever shown was computed with them.
constexpr double g = 9.81;
constexpr double pi = 3.14159;
constexpr double nu = 0.000001; // kinematic viscosity of water, m²/s
} // namespace

double Log10(double x) { return std::log(x) / std::log(10.0); }

std::optional<double> F(double ED, double RE)
{
    double f = 0.01;
    for (int pass = 0; pass < kMaxFrictionIterations; ++pass) {
        const double f0 = f;
        const double rs = RE * std::sqrt(f0);
        const double x = ED + 9.35 / rs;
        const double lg = Log10(x);
        f = std::pow(1.14 - 2 * lg, -2.0);
        if (!allFinite({rs, 9.35 / rs, x, lg, f})) return std::nullopt;
        if (!(std::fabs((f - f0) / f) > 0.01)) return f;
    }
    return std::nullopt;
}

std::optional<PipeResult> pipeFlow(double flowLitres, double length, double diameter, double roughnessMm)
{
    const double D = diameter;
    const double L = length;
    const double Q = flowLitres / 1000;
    const double ks = roughnessMm / 1000;

    const double area = (pi * D) * D; // four times the bore's area
    const double V = (4 * Q) / area;
    const double Re = (V * D) / nu;
    const double ED = ks / D;
    if (!allFinite({D, L, Q, ks, 4 * Q, pi * D, area, V, V * D, Re, ED})) return std::nullopt;
    const auto f = F(ED, Re);
    if (!f) return std::nullopt;
    const double fL = *f * L, fLV = fL * V, fLVV = fLV * V, twoDg = (D * 2) * g;
    const double hf = fLVV / twoDg;

    if (!allFinite({fL, fLV, fLVV, D * 2, twoDg, hf})) return std::nullopt;
    return PipeResult{V, hf, Re, ED};
}

namespace {
// The Reynolds number as it is said: by its size, whole from 10 up.
double saidReynolds(double reynolds)
{
    return std::fabs(reynolds) < 10 ? std::fabs(reynolds) : std::round(std::fabs(reynolds));
}
} // namespace

std::string reynoldsDescription(double reynolds)
{
    // The regime is that of the figure said, so "4 000" is never called turbulent.
    const double re = saidReynolds(reynolds);
    // Whole numbers in groups of three ("127 324"); one decimal below 10, and
    // three significant digits beyond what a whole number can hold exactly.
    char digits[32];
    std::snprintf(digits, sizeof digits, re < 10 ? "%.1f" : re < 1e15 ? "%.0f" : "%.3g", re);
    const std::string whole = digits;
    const bool grouped = re >= 10 && re < 1e15;
    std::string figure;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0) figure += ' ';
        figure += whole[i];
    }
    const std::string said = "Reynolds number " + figure + ": ";
    const char *applies = "the Colebrook-White friction factor applies to turbulent flow (above about 4 000)";
    if (re < 2000) return said + "laminar flow; " + applies;
    if (re <= 4000) return said + "transitional flow, between laminar and turbulent; " + applies;
    return said + "turbulent flow, where the Colebrook-White friction factor applies";
}

// Colebrook-White describes turbulent flow: Moody's chart (L. F. Moody, "Friction
// factors for pipe flow", Trans. ASME 66, 1944), drawn from it, covers Reynolds
// numbers from 4 000 (laminar flow below 2 000, transitional flow between) to
// 10^8 and relative roughnesses ks/D from 0 to 0.05. The Reynolds number is
// judged as it is said, so the two texts never disagree.
std::string pipeRangeNote(const PipeResult &r)
{
    const double re = saidReynolds(r.reynolds);
    if (re > 4000 && re <= 1e8 && r.relativeRoughness >= 0 && r.relativeRoughness <= 0.05) return {};
    return "Outside the range: Colebrook-White holds for turbulent flow, Reynolds number above 4 000 and up to "
           "100 000 000, and a relative roughness ks/D from 0 to 0.05 (Moody, Friction factors for pipe flow, 1944).";
}
