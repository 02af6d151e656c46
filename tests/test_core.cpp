// The Qt-free number core: reading and writing numbers, the three guards, the two
// result pairs and the five calculations, one named row a case. Figures are the
// worked cases of the design, or its step order worked through by hand where a
// textbook constant (full pi, g = 9.80665) would show a different figure.
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/orifice.h"
#include "pages/pipe.h"
#include "pages/rectangular_notch.h"
#include "pages/trapezoidal_notch.h"
#include "pages/v_notch.h"
#include "table.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {
QString text(const std::string &s) { return QString::fromStdString(s); }
QString shown(const std::optional<FlowCaptions> &p) { return p ? text(p->cumec + "|" + p->liter) : "-"; }
QString shown(const std::optional<double> &q, bool direct = false)
{
    return q ? shown(direct ? directPair(*q) : readBackPair(*q)) : "-";
}
const double Inf = std::numeric_limits<double>::infinity();
const QString Zeros294(294, u'0');
using Texts = std::pair<QString, QString>;

Texts formats(double v) { return {text(Format(v, "#0.00")), text(Format(v, "#0.000"))}; }
Texts pairs(double q) { return {shown(readBackPair(q)), shown(directPair(q))}; }
std::tuple<bool, bool, bool> guards(const std::string &a, const std::string &b)
{
    return {zeroGuardPasses({a, b}), thresholdGuardPasses({a, b}), emptyTextGuardPasses({a, b})};
}
QString pipeFigures(double q, double l, double d, double ks)
{
    const auto r = pipeFlow(q, l, d, ks);
    return r ? text(Format(r->velocity, "#0.00") + "|" + Format(r->headloss, "#0.00")) : "-";
}
// The pipe page's Reynolds text up to its first comma or semicolon.
QString said(double re) { return text(reynoldsDescription(re)).section(QRegularExpression("[,;]"), 0, 0); }

// What a flow page shows for its three inputs, "-" for nothing.
using Page = QString (*)(double, double, double);
using Range = bool (*)(double, double, double); // true: inside the method's range
QString flow(Page page, double a, double b, double c) { return page(a, b, c); }
QString orifice(double d, double h, double kind) { return shown(orificeFlow(d, h, OrificeKind(kind)), true); }
QString rectangular(double h, double width, double condition)
{
    const RectangularResult r = rectangularFlow(h, width, Contraction(condition));
    if (r.outcome == RectangularResult::WidthTooSmall) return "too small";
    return shown(r.outcome == RectangularResult::Flow ? std::optional(r.discharge) : std::nullopt);
}
QString trapezoidal(double angle, double h, double crest) { return shown(trapezoidalFlow(angle, h, crest)); }
QString vNotch(double angle, double h, double) { return shown(vNotchFlow(angle, h)); }
} // namespace

class CoreTest : public QObject {
    Q_OBJECT

private slots:
    // The rules' own cases; fuzz_val checks every other text against an independent reading.
    void val_data()
    {
        Cases<double(std::string)>::rows({
            {"empty", "", 0},
            {"blanks, sign, unit", "  +2.5 m", 2.5},
            {"comma", "1,5", 1},
            {"&H10", "&H10", 16},
            {"&hff", "&hff", 255},
            {"$5", "$5", 0},
            {"tab, line feed", "1\t2\n3", 123},
            {"return", "1\r2", 1},
            {"1.2.3", "1.2.3", 1.2},
            {"-.5e1", "-.5e1", -5},
            {"7e-", "7e-", 7},
            {"&o7778", "&o7778", 511},
            {"&HFFFF", "&HFFFF", 65535},
            {"17 digits", "9007199254740993", 9007199254740992.0},
            {"beyond max", "1.7976931348623159e308", Inf},
            {"-1e400", "-1e400", -Inf},
            {"e400", "e400", 0},
            {"1e-400", "1e-400", 0},
            {"octal overflow", "&O" + std::string(400, '7'), Inf},
        });
    }
    void val() { Cases<double(std::string)>::check(Val); }

    // What a box says when Val does not read all of it; nothing when it does.
    void reading_data()
    {
        Cases<QString(std::string)>::rows({
            {"empty", "", ""},
            {"whole", " 1 000.5e-1 ", ""},
            {"&H10", "&H10", ""},
            {"1e400", "1e400", ""},
            {"comma", "1,5", "Read as 1. A comma ends the number: the decimal separator is a point."},
            {"comma first", ",5", "Read as 0. The text does not begin with a number."},
            {"unit", "300 mm", "Read as 300. Reading stops at \u201cmm\u201d: the rest is not part of the number."},
            {"shortest text", "0.1 m",
                "Read as 0.1. Reading stops at \u201cm\u201d: the rest is not part of the number."},
            {"exponent cut", "2e-", "Read as 2. Reading stops at \u201ce-\u201d: the rest is not part of the number."},
            {"second point", "1.2.3",
                "Read as 1.2. Reading stops at \u201c.3\u201d: the rest is not part of the number."},
            {"&H alone", "&H", "Read as 0. The text does not begin with a number."},
            {"too large", "1e400x",
                "Read as a number too large to compute with. Reading stops at \u201cx\u201d: the rest is "
                "not part of the number."},
        });
    }
    void reading()
    {
        Cases<QString(std::string)>::check([](const std::string &t) { return text(readingNote(t)); });
    }

    void format_data() // "#0.00", "#0.000"
    {
        const QString max = "179769313486232" + Zeros294;
        Cases<Texts(double)>::rows({
            {"0.125", 0.125, {"0.13", "0.125"}},
            {"2.675", 2.675, {"2.68", "2.675"}},
            {"1234567", 1234567, {"1234567.00", "1234567.000"}},
            {"99.995", 99.995, {"100.00", "99.995"}},
            {"-9.9999", -9.9999, {"-10.00", "-10.000"}},
            {"0.0049999999999999", 0.0049999999999999, {"0.00", "0.005"}},
            {"-0.0005", -0.0005, {"-0.00", "-0.001"}},
            {"-0", -0.0, {"0.00", "0.000"}},
            {"max", DBL_MAX, {max + ".00", max + ".000"}},
            {"18 digits", 123456789012345678.0, {"123456789012346000.00", "123456789012346000.000"}},
            {"-inf", -Inf, {"", ""}},
            {"nan", std::numeric_limits<double>::quiet_NaN(), {"", ""}},
        });
    }
    void format() { Cases<Texts(double)>::check(formats); }

    // Two boxes, so a guard that looks at the first one only fails.
    void guards_data() // zero, threshold, empty text
    {
        Cases<std::tuple<bool, bool, bool>(std::string, std::string)>::rows({
            {"0.1 2", "0.1", "2", {true, true, true}},
            {"empty 2", "", "2", {false, false, false}},
            {"2 empty", "2", "", {false, false, false}},
            {"0 2", "0", "2", {false, false, true}},
            {"blank 2", " ", "2", {false, false, true}},
            {"2 0", "2", "0", {false, false, true}},
            {"0.001 0.001", "0.001", "0.001", {true, true, true}},
            {"2 0.00099999", "2", "0.00099999", {true, false, true}},
            {"-5 2", "-5", "2", {true, false, true}},
        });
    }
    void guards() { Cases<std::tuple<bool, bool, bool>(std::string, std::string)>::check(::guards); }

    void pairs_data() // read-back, direct
    {
        // Rounded to 15 digits the text reads back beyond the range once times 1000.
        const QString top = "179769313486232" + QString(291, u'0') + ".000|179769313486232" + Zeros294 + ".00";
        Cases<Texts(double)>::rows({
            {"0.0004999", 0.0004999, {"0.000|0.00", "0.000|0.50"}},
            {"0.0123456", 0.0123456, {"0.012|12.00", "0.012|12.35"}},
            {"inf", Inf, {"-", "-"}},
            {"near the top", 1.797693134862315e305, {"-", top}},
        });
    }
    void pairs() { Cases<Texts(double)>::check(::pairs); }

    // The friction factor is the one after the first pass that changes it by 1 %
    // or less, not a converged one: 23.14 and 95.42, where convergence gives 23.12
    // and 95.43; a flow far too small for its pipe never settles and shows nothing.
    void pipe_data() // l/s, m, m, mm
    {
        Cases<QString(double, double, double, double)>::rows({
            {"2 l/s", 2, 1000, 0.05, 0.015, "1.02|23.14"},
            {"1 l/s", 1, 100, 0.025, 3, "2.04|95.42"},
            {"-10 l/s", -10, 100, 0.1, 0.5, "-1.27|2.44"},
            // Full pi would show 19.17 and 238.32, g = 9.80665 9.20.
            {"pi 3.14159", 150.6, 100, 0.1, 0.5, "19.18|569.34"},
            {"pi headloss", 15.4, 100, 0.05, 0.5, "7.84|238.33"},
            {"g 9.81", 3, 100, 0.05, 0.5, "1.53|9.19"},
            {"change against f, not f0", 150, 200, 0.15, 0.03, "8.49|70.96"}, // against f0: 70.94
            {"negative diameter", 10, 100, -0.1, 0.5, "-"},
            {"never settles", 0.002, 1, 1, 1000, "-"},
            {"headloss overflows", 1e300, 1, 1, 0.5, "-"},
            {"Reynolds overflows", 1.7e308, 1e-305, 1, 0.5, "-"},
            {"infinite roughness", 10, 100, 0.1, HUGE_VAL, "-"},
        });
    }
    void pipe() { Cases<QString(double, double, double, double)>::check(pipeFigures); }

    // The Reynolds number as the pipe page says it, up to its regime: whole and in
    // groups of three from 10 up, the regime that of the figure said.
    void reynolds_data()
    {
        Cases<QString(double)>::rows({
            {"7.3", 7.3, "Reynolds number 7.3: laminar flow"},
            {"1 999.4", 1999.4, "Reynolds number 1 999: laminar flow"},
            {"1 999.5", 1999.5, "Reynolds number 2 000: transitional flow"},
            {"4 000.4", 4000.4, "Reynolds number 4 000: transitional flow"},
            {"4 000.5", 4000.5, "Reynolds number 4 001: turbulent flow"},
            {"-127 324.03", -127324.03, "Reynolds number 127 324: turbulent flow"},
            {"1 234 567", 1234567, "Reynolds number 1 234 567: turbulent flow"},
        });
    }
    void reynolds() { Cases<QString(double)>::check(said); }

    // Orifice: diameter, head, kind (direct pair). Rectangular: head, width,
    // condition. Trapezoidal: angle, head, crest width. V-notch: angle, head.
    void flows_data()
    {
        const Page o = orifice, r = rectangular, t = trapezoidal, v = vNotch;
        Cases<QString(Page, double, double, double)>::rows({
            {"orifice rounded", o, 2, 100, 2, "134.998|134998.03"},
            {"orifice 0.001", o, 0.001, 0.001, 1, "0.000|0.00"},
            // Full pi or 2 x 9.80665 would show 1.12 and 13.80.
            {"orifice pi 3.142", o, 0.02, 1.7, 1, "0.001|1.13"},
            {"orifice 19.62", o, 0.08, 1, 1, "0.014|13.81"},
            {"orifice no kind", o, 0.1, 2, 0, "-"},
            {"orifice 1e200", o, 1e200, 1e200, 1, "-"},
            {"rectangular 0", r, 0.4, 0.1, 0, "0.047|47.00"},
            {"rectangular 1", r, 0.4, 0.1, 1, "0.028|28.00"},
            {"rectangular 2", r, 0.4, 0.1, 2, "0.009|9.00"},
            {"ratio 0.2", r, 0.5, 0.1, 0, "too small"},
            {"ratio 0.2497", r, 0.4, 0.0999, 2, "too small"},
            {"rectangular -0.2", r, -0.2, 1, 0, "too small"},
            {"rectangular head 0", r, 0, 1, 0, "-"},
            {"rectangular condition 3", r, 0.2, 1, 3, "-"},
            {"rectangular 1e-310", r, 1e-310, 1, 0, "-"},
            {"rectangular inf", r, HUGE_VAL, 1, 0, "-"},
            {"rectangular 1e300", r, 1e300, 1e300, 0, "-"},
            {"trapezoidal 0", t, 0, 0.2, 0.5, "0.082|82.00"},
            {"trapezoidal -14", t, -14, 0.2, 0.5, "0.076|76.00"},
            {"trapezoidal no crest", t, 14, 0.2, 0, "0.007|7.00"},
            {"trapezoidal head 0", t, 14, 0, 0.5, "0.000|0.00"},
            {"trapezoidal 90", t, 90, 0.2, 0.5, "-41.465|-41465.00"},
            // Full pi would show 1.022, g = 9.80665 0.085.
            {"trapezoidal pi", t, 5, 0.7, 0.9, "1.023|1023.00"},
            {"trapezoidal 19.62", t, 0, 0.6, 0.1, "0.086|86.00"},
            {"trapezoidal -0.2 m", t, 14, -0.2, 0.5, "-"},
            {"V-notch 90", v, 90, 0.3, 0, "0.072|72.00"},
            {"V-notch 53.13", v, 53.13, 0.5, 0, "0.130|130.00"},
            {"V-notch 0", v, 0, 1, 0, "0.000|0.00"},
            {"V-notch -90", v, -90, 0.2, 0, "-0.026|-26.00"},
            {"V-notch 180", v, 180, 0.2, 0, "-41.348|-41348.00"},
            // Full pi would show 0.392, g = 9.80665 0.407.
            {"V-notch pi 3.14286", v, 30, 1, 0, "0.393|393.00"},
            {"V-notch 19.62", v, 20, 1.2, 0, "0.408|408.00"},
        });
    }
    void flows() { Cases<QString(Page, double, double, double)>::check(flow); }

    // Whether a page's inputs lie inside its method's range, each limit from both
    // sides. Pipe: Reynolds number, relative roughness.
    void ranges_data()
    {
        const auto pipe = [](double re, double ed, double) { return pipeRangeNote({0, 0, re, ed}).empty(); };
        const auto o = [](double d, double h, double) { return orificeRangeNote(d, h).empty(); };
        const auto r = [](double h, double w, double c) { return rectangularRangeNote(h, w, Contraction(c)).empty(); };
        const auto v = [](double a, double h, double) { return vNotchRangeNote(a, h).empty(); };
        const Range p = pipe, t = [](double a, double h, double b) { return trapezoidalRangeNote(a, h, b).empty(); };
        Cases<bool(Range, double, double, double)>::rows({
            {"Reynolds 4 000.4 (said 4 000)", p, 4000.4, 0.005, 0, false},
            {"Reynolds 4 000.5 (said 4 001)", p, 4000.5, 0.005, 0, true},
            {"Reynolds -127 324", p, -127324, 0.005, 0, true},
            {"Reynolds 1e8", p, 1e8, 0.005, 0, true},
            {"Reynolds 1.00000001e8", p, 100000001, 0.005, 0, false},
            {"ks/D 0.05", p, 1e5, 0.05, 0, true},
            {"ks/D 0.0501", p, 1e5, 0.0501, 0, false},
            {"ks/D negative", p, 1e5, -0.001, 0, false},
            {"orifice head 5 d", o, 0.02, 0.1, 0, true},
            {"orifice head 4.99 d", o, 0.1, 0.499, 0, false},
            {"rectangular 0.06 m", r, 0.06, 0.1, 0, true},
            {"rectangular 0.0599 m", r, 0.0599, 1, 0, false},
            {"suppressed, width 0.25 H", r, 0.4, 0.1, 0, true},
            {"one side, width 3.01 H", r, 0.2, 0.602, 1, true},
            {"fully contracted, width 2.99 H", r, 0.2, 0.598, 2, false},
            {"trapezoidal 0.06 m", t, 14, 0.06, 0.5, true},
            {"trapezoidal 0.0599 m", t, 14, 0.0599, 0.5, false},
            {"trapezoidal 0 degrees", t, 0, 0.2, 0.5, true},
            {"trapezoidal 89.9 degrees", t, 89.9, 0.2, 0.5, true},
            {"trapezoidal 90 degrees", t, 90, 0.2, 0.5, false},
            {"trapezoidal -1 degree", t, -1, 0.2, 0.5, false},
            {"trapezoidal no crest", t, 14, 0.2, 0, false},
            {"V-notch 20 degrees, 0.6 m", v, 20, 0.6, 0, true},
            {"V-notch 19.9 degrees", v, 19.9, 0.2, 0, false},
            {"V-notch 100 degrees, 0.05 m", v, 100, 0.05, 0, true},
            {"V-notch 100.1 degrees", v, 100.1, 0.2, 0, false},
            {"V-notch 0.0499 m", v, 90, 0.0499, 0, false},
            {"V-notch 0.6001 m", v, 90, 0.6001, 0, false},
        });
    }
    void ranges()
    {
        Cases<bool(Range, double, double, double)>::check(
            [](Range f, double a, double b, double c) { return f(a, b, c); });
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "test_core.moc"
