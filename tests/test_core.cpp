// The Qt-free number core: reading and writing numbers, the three guards, the two
// result pairs and the five calculations, one case a line. Figures are the worked
// cases of the design, or its step order worked through by hand where a textbook
// constant (full pi, g = 9.80665) would show a different figure.
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/orifice.h"
#include "pages/pipe.h"
#include "pages/rectangular_notch.h"
#include "pages/trapezoidal_notch.h"
#include "pages/v_notch.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {
const double Inf = std::numeric_limits<double>::infinity();
const std::string Zeros294(294, '0');
std::string pairText(const std::optional<FlowCaptions> &p) { return p ? p->cumec + "|" + p->liter : "-"; }
} // namespace

class CoreTest : public QObject {
    Q_OBJECT

private slots:
    void val()
    {
        // The rules' own cases; fuzz_val checks every other text against an independent reading.
        const std::pair<std::string, double> rows[] = {
            {"", 0}, {"  2.5 m", 2.5}, {"1 000", 1000}, {"1,5", 1}, {"abc", 0}, {"1e3", 1000}, {"-0.5", -0.5},
            {"&H10", 16}, {"12abc", 12}, {"$5", 0}, {"1\t2\n3", 123}, {"1\r2", 1}, {"1.2.3", 1.2}, {"-.5e1", -5},
            {"7e-", 7}, {"&o777", 511}, {"&HFFFF", 65535}, {"9007199254740993", 9007199254740992.0},
            {"1.7976931348623159e308", Inf}, {"-1e400", -Inf}, {"1e-400", 0}, {"&O" + std::string(400, '7'), Inf},
        };
        for (const auto &[text, expected] : rows)
            QVERIFY2(Val(text) == expected, qPrintable(QString::fromStdString(text.substr(0, 40))));
    }

    void format()
    {
        const std::tuple<double, std::string, std::string> rows[] = { // "#0.00", "#0.000"
            {0.125, "0.13", "0.125"}, {1234.5678, "1234.57", "1234.568"}, {-0.25, "-0.25", "-0.250"},
            {0.5, "0.50", "0.500"}, {1234567, "1234567.00", "1234567.000"}, {2.675, "2.68", "2.675"},
            {1.005, "1.01", "1.005"}, {99.995, "100.00", "99.995"}, {-9.9999, "-10.00", "-10.000"},
            {0.0049999999999999, "0.00", "0.005"}, {-0.0005, "-0.00", "-0.001"}, {-0.0004, "-0.00", "-0.000"},
            {-0.0, "0.00", "0.000"}, {123456789012345678.0, "123456789012346000.00", "123456789012346000.000"},
            {DBL_MAX, "179769313486232" + Zeros294 + ".00", "179769313486232" + Zeros294 + ".000"},
            {-Inf, "", ""}, {std::numeric_limits<double>::quiet_NaN(), "", ""},
        };
        for (const auto &[value, two, three] : rows) {
            QCOMPARE(Format(value, "#0.00"), two);
            QCOMPARE(Format(value, "#0.000"), three);
        }
    }

    // Two boxes, so a guard that looks at the first one only fails.
    void guards()
    {
        const std::tuple<const char *, const char *, bool, bool, bool> rows[] = { // zero, threshold, empty text
            {"0.1", "2", true, true, true}, {"", "2", false, false, false}, {"2", "", false, false, false},
            {"0", "2", false, false, true}, {"2", "0", false, false, true}, {"2", "0.0005", true, false, true},
            {"0.001", "0.001", true, true, true}, {"2", "0.00099999", true, false, true},
            {"-5", "2", true, false, true}, {"0,5", "2", false, false, true}, {"2", "1e-400", false, false, true},
        };
        for (const auto &[a, b, zero, threshold, emptyText] : rows) {
            QCOMPARE(zeroGuardPasses({a, b}), zero);
            QCOMPARE(thresholdGuardPasses({a, b}), threshold);
            QCOMPARE(emptyTextGuardPasses({a, b}), emptyText);
        }
    }

    void pairs()
    {
        const std::tuple<double, std::string, std::string> rows[] = { // read-back, direct
            {0.0004999, "0.000|0.00", "0.000|0.50"}, {0.0123456, "0.012|12.00", "0.012|12.35"}, {Inf, "-", "-"},
            // Rounded to 15 digits the text reads back beyond the range once times 1000.
            {1.797693134862315e305, "-", "179769313486232" + std::string(291, '0') + ".000|179769313486232" + Zeros294 + ".00"},
        };
        for (const auto &[q, readBack, direct] : rows)
            QCOMPARE(pairText(readBackPair(q)) + ' ' + pairText(directPair(q)), readBack + ' ' + direct);
    }

    // The friction factor is the one after the first pass that changes it by 1 %
    // or less, not a converged one: 23.14 and 95.42, where convergence gives 23.12
    // and 95.43; a flow far too small for its pipe never settles and shows nothing.
    void pipe()
    {
        const std::tuple<double, double, double, double, std::string> rows[] = { // l/s, m, m, mm
            {2, 1000, 0.05, 0.015, "1.02|23.14"}, {1, 100, 0.025, 3, "2.04|95.42"}, {50, 1000, 0.2, 0.5, "1.59|16.36"},
            {-10, 100, 0.1, 0.5, "-1.27|2.44"}, {150.6, 100, 0.1, 0.5, "19.18|569.34"}, // full pi: 19.17
            {15.4, 100, 0.05, 0.5, "7.84|238.33"}, {3, 100, 0.05, 0.5, "1.53|9.19"}, // full pi 238.32; 9.80665: 9.20
            {10, 100, -0.1, 0.5, "-"}, {0.002, 1, 1, 1000, "-"}, {10, 100, 1e-200, 0.5, "-"}, {1e308, 1, 1, 1, "-"},
            {1000, 1e308, 0.1, 0.5, "-"}, {1.7e308, 1e-305, 1, 0.5, "-"}, {10, 100, 0.1, HUGE_VAL, "-"},
        };
        for (const auto &[q, l, d, ks, shown] : rows) {
            const auto r = pipeFlow(q, l, d, ks);
            QCOMPARE(r ? Format(r->velocity, "#0.00") + "|" + Format(r->headloss, "#0.00") : "-", shown);
        }
    }

    // Orifice: diameter, head, kind (direct pair). Rectangular: head, width,
    // condition. Trapezoidal: angle, head, crest width. V-notch: angle, head.
    void flows()
    {
        using K = OrificeKind;
        const std::tuple<char, double, double, double, std::string> rows[] = {
            {'o', 2, 100, double(K::Rounded), "134.998|134998.03"}, {'o', 0.001, 0.001, 1, "0.000|0.00"},
            {'o', 0.02, 1.7, 1, "0.001|1.13"}, {'o', 0.08, 1, 1, "0.014|13.81"}, // full pi or 2 x 9.80665: 1.12, 13.80
            {'o', 0.1, 2, 0, "-"}, {'o', 0.1, 2, 5, "-"}, {'o', 1e200, 1e200, 1, "-"}, {'o', 1e150, 1e10, 1, "-"},
            {'r', 0.4, 0.1, 0, "0.047|47.00"}, {'r', 0.4, 0.1, 1, "0.028|28.00"}, {'r', 0.4, 0.1, 2, "0.009|9.00"},
            {'r', 1, 2, 0, "3.680|3680.00"}, {'r', 0.5, 0.1, 0, "too small"}, {'r', 0.4, 0.0999, 2, "too small"},
            {'r', -0.2, 1, 0, "too small"}, {'r', 0, 1, 0, "-"}, {'r', -1, -1, 0, "-"}, {'r', 0.2, 1, 3, "-"},
            {'r', 1e-310, 1, 0, "-"}, {'r', HUGE_VAL, 1, 0, "-"}, {'r', 1e300, 1e300, 0, "-"}, {'r', 1, 1e306, 0, "-"},
            {'t', 0, 0.2, 0.5, "0.082|82.00"}, {'t', 45, 0.3, 1, "0.375|375.00"}, {'t', 14, 1, 1, "2.207|2207.00"},
            {'t', -14, 0.2, 0.5, "0.076|76.00"}, {'t', 14, 0.2, 0, "0.007|7.00"}, {'t', 14, 0, 0.5, "0.000|0.00"},
            {'t', 90, 0.2, 0.5, "-41.465|-41465.00"}, {'t', 5, 0.7, 0.9, "1.023|1023.00"}, // full pi: 1.022
            {'t', 0, 0.6, 0.1, "0.086|86.00"}, {'t', 14, -0.2, 0.5, "-"}, {'t', 0, 1, 1e308, "-"}, // 9.80665: 0.085
            {'v', 90, 0.3, 0, "0.072|72.00"}, {'v', 90, 1, 0, "1.466|1466.00"}, {'v', 53.13, 0.5, 0, "0.130|130.00"},
            {'v', 0, 1, 0, "0.000|0.00"}, {'v', -90, 0.2, 0, "-0.026|-26.00"}, {'v', 180, 0.2, 0, "-41.348|-41348.00"},
            {'v', 30, 1, 0, "0.393|393.00"}, {'v', 20, 1.2, 0, "0.408|408.00"}, // full pi 0.392; 9.80665 0.407
            {'v', 90, -0.2, 0, "-"}, {'v', 90, 1e200, 0, "-"},
        };
        for (const auto &[page, a, b, c, shown] : rows) {
            const RectangularResult r = rectangularFlow(a, b, Contraction(c));
            const std::optional<double> q = page == 'o' ? orificeFlow(a, b, OrificeKind(c))
                : page == 't' ? trapezoidalFlow(a, b, c) : page == 'v' ? vNotchFlow(a, b)
                : r.outcome == RectangularResult::Flow ? std::optional(r.discharge) : std::nullopt;
            std::string got = !q ? "-" : pairText(page == 'o' ? directPair(*q) : readBackPair(*q));
            if (page == 'r' && r.outcome == RectangularResult::WidthTooSmall) got = "too small";
            QVERIFY2(got == shown, qPrintable(QStringLiteral("%1 %2 %3 %4: ").arg(page).arg(a).arg(b).arg(c) + got.c_str()));
        }
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "test_core.moc"
