// Every calculation on arbitrary doubles: raw bit patterns (infinities, NaN,
// subnormals), plausible engineering values, edge values, and numbers read from
// fuzzed text. A result is finite or refused, its captions are well formed, and
// F comes back (libFuzzer's -timeout catches one that does not).
#include "fuzz_check.h"
#include "guards.h"
#include "numbers.h"
#include "orifice.h"
#include "pipe.h"
#include "rectangular_notch.h"
#include "trapezoidal_notch.h"
#include "v_notch.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

double next(FuzzedDataProvider &in)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    static const double edges[] = {0.0, -0.0, 0.001, 0.0009999, 1e-300, -1e-300, 1e300, -1e300, DBL_MAX, -DBL_MAX,
                                   DBL_MIN, 5e-324, 7.0, 3.0, 90.0, 180.0, 360.0, 0.25, 0.5, inf, -inf,
                                   std::numeric_limits<double>::quiet_NaN()};
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
    case 1: return in.ConsumeFloatingPointInRange(-2000.0, 2000.0);
    case 2: return edges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(edges) - 1)];
    default: return Val(in.ConsumeRandomLengthString(40));
    }
}

// A discharge a page accepted: finite, and both its captions well formed.
void checkFlow(double q, const std::optional<FlowCaptions> &p, const char *page)
{
    check(std::isfinite(q), page);
    if (p) check(wellFormed(p->cumec, 3) && wellFormed(p->liter, 2), "flow caption malformed", p->cumec + "|" + p->liter);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const double a = next(in), b = next(in), c = next(in), d = next(in);

    if (const auto f = F(a, b)) check(std::isfinite(*f) && *f >= 0, "friction factor not finite");
    if (const auto r = pipeFlow(a, b, c, d))
        check(wellFormed(Format(r->velocity, "#0.00"), 2) && wellFormed(Format(r->headloss, "#0.00"), 2),
              "pipe result not finite or its caption malformed");

    if (const auto q = orificeFlow(a, b, static_cast<OrificeKind>(in.ConsumeIntegralInRange(-1, 5)))) {
        checkFlow(*q, directPair(*q), "orifice flow not finite");
        // Past the threshold guard every reachable discharge is positive.
        if (a >= 0.001 && b >= 0.001) check(*q > 0, "orifice flow not positive");
    }
    const RectangularResult rec = rectangularFlow(a, b, static_cast<Contraction>(in.ConsumeIntegralInRange(-1, 3)));
    if (rec.outcome == RectangularResult::Flow) {
        checkFlow(rec.discharge, readBackPair(rec.discharge), "rectangular flow not finite");
        // A positive head admits only widths that keep every width term positive.
        if (a > 0) check(rec.discharge >= 0, "rectangular flow negative");
    }
    if (const auto q = trapezoidalFlow(a, b, c)) checkFlow(*q, readBackPair(*q), "trapezoidal flow not finite");
    if (const auto q = vNotchFlow(a, b)) checkFlow(*q, readBackPair(*q), "V-notch flow not finite");
    return 0;
}
