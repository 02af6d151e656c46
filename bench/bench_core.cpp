// The Qt-free calculations alone: one page's figures from numbers already read,
// and the friction factor at its slowest.
#include "form/numbers.h"
#include "pages/orifice.h"
#include "pages/pipe.h"
#include "pages/rectangular_notch.h"
#include "pages/trapezoidal_notch.h"
#include "pages/v_notch.h"
#include "targets.h"

#include <cmath>
#include <cstdio>

namespace {

// Inputs pass through DoNotOptimize so the compiler cannot fold the calculation away.
template <typename... T> void opaque(T &...values) { (benchmark::DoNotOptimize(values), ...); }

// Times one calculation on inputs the compiler cannot see through.
template <auto calculation, typename... T> void measure(benchmark::State &state, T... inputs)
{
    for (auto _ : state) {
        opaque(inputs...);
        auto result = calculation(inputs...);
        benchmark::DoNotOptimize(result);
    }
}

void BM_Core_Pipe(benchmark::State &state) { measure<pipeFlow>(state, 10.0, 1000.0, 0.3, 1.5); }
void BM_Core_Orifice(benchmark::State &state) { measure<orificeFlow>(state, 0.1, 2.0, OrificeKind::SharpEdged); }
void BM_Core_RectangularNotch(benchmark::State &state) { measure<rectangularFlow>(state, 0.2, 1.0, Contraction::Full); }
void BM_Core_TrapezoidalNotch(benchmark::State &state) { measure<trapezoidalFlow>(state, 14.0, 0.2, 1.0); }
void BM_Core_VNotch(benchmark::State &state) { measure<vNotchFlow>(state, 90.0, 0.2); }

// What the pipe page does with the four texts around the calculation: read them,
// compute, and write the two captions' figures.
void BM_PipePageNumbers(benchmark::State &state)
{
    for (auto _ : state) {
        const auto r = pipeFlow(Val("10"), Val("1000"), Val("0.3"), Val("1.5"));
        std::string v = Format(r->velocity, "#0.00"), hl = Format(r->headloss, "#0.00");
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(hl);
    }
}

// F's passes, counted by repeating its loop here: only to prove that the inputs
// below keep F busy to its last allowed pass. The bench checks that this copy and
// F agree before it times anything.
int passesOfF(double ED, double RE, std::optional<double> &result)
{
    double f = 0.01;
    for (int pass = 1; pass <= kMaxFrictionIterations; ++pass) {
        const double f0 = f;
        f = std::pow(1.14 - 2 * Log10(ED + 9.35 / (RE * std::sqrt(f0))), -2.0);
        if (!std::isfinite(f)) {
            result.reset();
            return pass;
        }
        if (!(std::fabs((f - f0) / f) > 0.01)) {
            result = f;
            return pass;
        }
    }
    result.reset();
    return kMaxFrictionIterations;
}

// A turbulent pipe settles in a handful of passes.
constexpr double TypicalED = 0.005, TypicalRE = 42440;
// At a Reynolds number of 5 in a smooth pipe the iteration wanders without ever
// settling and never leaves the finite numbers: the full bound, then no result.
constexpr double WorstED = 0, WorstRE = 5;

template <bool worst> void BM_F(benchmark::State &state)
{
    double ED = worst ? WorstED : TypicalED, RE = worst ? WorstRE : TypicalRE;
    std::optional<double> mirrored;
    const int passes = passesOfF(ED, RE, mirrored);
    if (F(ED, RE) != mirrored) {
        state.SkipWithError("F no longer iterates as this bench counts it");
        return;
    }
    if (worst && (passes != kMaxFrictionIterations || mirrored)) {
        state.SkipWithError("the worst-case inputs no longer run F to its bound");
        return;
    }
    state.counters["passes"] = passes;
    measure<F>(state, ED, RE);
}

} // namespace

BENCHMARK(BM_Core_Pipe);
BENCHMARK(BM_Core_Orifice);
BENCHMARK(BM_Core_RectangularNotch);
BENCHMARK(BM_Core_TrapezoidalNotch);
BENCHMARK(BM_Core_VNotch);
BENCHMARK(BM_PipePageNumbers);
BENCHMARK(BM_F<false>)->Name("BM_F/typical");
BENCHMARK(BM_F<true>)->Name("BM_F/worst_case_full_bound")->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    // F's own promise: even the worst case stays far below a millisecond.
    return runAgainst({{"BM_Core_", 1e-6}, {"BM_F/worst", 1e-3}}, argc, argv);
}
