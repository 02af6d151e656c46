// Prints the number core's own figures for lines of inputs read on stdin, for
// scripts/accuracy to set against independent references. One answer line per
// input line, tab-separated; unrounded values with 17 significant digits, then
// the texts the page would show ("-" where the page shows no result).
//   pipe Q L D ks          flow l/s, length m, diameter m, roughness mm
//                          -> V Re f hf "V text" "hf text"
//   orifice kind d H       kind 1-4 -> Q "cumec" "l/s" (direct pair)
//   rect condition H L     condition 0-2 -> Q "cumec" "l/s" (read-back pair)
//   trap angle H B         -> Q "cumec" "l/s"
//   vnotch angle H         -> Q "cumec" "l/s"
//   format x               -> Format(x, "#0.00") Format(x, "#0.000")
#include "form/numbers.h"
#include "pages/orifice.h"
#include "pages/pipe.h"
#include "pages/rectangular_notch.h"
#include "pages/trapezoidal_notch.h"
#include "pages/v_notch.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {
std::string num(double x)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

std::string flow(std::optional<double> q, bool direct)
{
    if (!q) return "-\t-\t-";
    const auto pair = direct ? directPair(*q) : readBackPair(*q);
    return num(*q) + "\t" + (pair ? pair->cumec + "\t" + pair->liter : "-\t-");
}
} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string what;
        double a = 0, b = 0, c = 0, d = 0;
        in >> what >> a >> b >> c >> d;
        std::string out = "?";
        if (what == "pipe") {
            if (const auto r = pipeFlow(a, b, c, d)) {
                const auto f = F((d / 1000) / c, r->reynolds); // the factor pipeFlow used
                out = num(r->velocity) + "\t" + num(r->reynolds) + "\t" + num(f.value_or(0)) + "\t" + num(r->headloss)
                    + "\t" + Format(r->velocity, "#0.00") + "\t" + Format(r->headloss, "#0.00");
            } else {
                out = "-";
            }
        } else if (what == "orifice") {
            out = flow(orificeFlow(b, c, static_cast<OrificeKind>(static_cast<short>(a))), true);
        } else if (what == "rect") {
            const auto r = rectangularFlow(b, c, static_cast<Contraction>(static_cast<short>(a)));
            out = flow(r.outcome == RectangularResult::Flow ? std::optional(r.discharge) : std::nullopt, false);
        } else if (what == "trap") {
            out = flow(trapezoidalFlow(a, b, c), false);
        } else if (what == "vnotch") {
            out = flow(vNotchFlow(a, b), false);
        } else if (what == "format") {
            out = Format(a, "#0.00") + "\t" + Format(a, "#0.000");
        }
        std::cout << out << '\n';
    }
}
