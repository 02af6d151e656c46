// The headline figures of docs/accuracy.md, measured again on the number core
// against references worked out here, independently of the report's script:
// when the core or the report changes so that a published figure no longer
// holds, this fails and names the figure.
#include "form/numbers.h"
#include "pages/pipe.h"
#include "pages/v_notch.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {
// Colebrook-White in its usual form, 1/sqrt f = -2 log10(e/3.7 + 2.51/(Re sqrt f)),
// solved for x = 1/sqrt f by Newton's method to the last bits.
double colebrookWhite(double ed, double re)
{
    const double a = ed / 3.7, b = 2.51 / re;
    double x = 8;
    for (int i = 0; i < 60; ++i) {
        const double g = x + 2 * std::log10(a + b * x);
        const double next = x - g / (1 + 2 * b / ((a + b * x) * std::log(10.0)));
        if (std::fabs(next - x) <= 1e-15 * x) break;
        x = next;
    }
    return 1 / (x * x);
}

// ISO 1438 / Kindsvater-Shen for a 90 degree V-notch: Ce 0.578, kh 0.85 mm.
double kindsvaterShen90(double h) { return 0.578 * (8.0 / 15) * std::sqrt(2 * 9.80665) * std::pow(h + 0.00085, 2.5); }

// The number in the second cell of the row of the report's headline table whose
// first cell is the given name; NaN when there is no such row.
double published(const std::string &name)
{
    std::ifstream doc(QUORVEL_ACCURACY_DOC);
    const std::string start = "| " + name + " |";
    for (std::string line; std::getline(doc, line);)
        if (line.rfind(start, 0) == 0) return std::stod(line.substr(start.size()));
    return std::nan("");
}

// Draws log-uniformly between lo and hi from a generator whose sequence the
// C++ standard fixes, so every build measures the same pipes.
double logUniform(std::mt19937_64 &random, double lo, double hi)
{
    const double u = double(random() >> 11) * 0x1p-53;
    return lo * std::pow(hi / lo, u);
}

double percent(double shown, double reference) { return 100 * std::fabs(shown / reference - 1); }
} // namespace

class AccuracyTest : public QObject {
    Q_OBJECT

private slots:
    // What the pipe figures say of the flow they were worked for: the number as
    // said, in groups of three, and the regime of that number.
    void reynoldsNumberSaid()
    {
        const std::pair<double, const char *> rows[] = {
            {1999.4, "1 999: laminar flow; the"},
            {1999.5, "2 000: transitional flow"},
            {4000.4, "4 000: transitional flow"},
            {4000.5, "4 001: turbulent flow, where"},
            {-127324.03, "127 324: turbulent"},
            {7.3, "7.3: laminar"},
        };
        for (const auto &[re, said] : rows)
            QVERIFY2(reynoldsDescription(re).rfind(std::string("Reynolds number ") + said, 0) == 0,
                reynoldsDescription(re).c_str());
    }

    // A fixed sample of practical pipes (D 0.015-2 m, V 0.1-5 m/s, ks 0.001-5 mm,
    // Re above 4000): the core's friction factor against the converged one.
    void frictionFactorWithinThePublishedBounds()
    {
        std::mt19937_64 random(1438);
        std::vector<double> errors;
        while (errors.size() < 5000) {
            const double D = logUniform(random, 0.015, 2), V = logUniform(random, 0.1, 5);
            const double ksMm = logUniform(random, 0.001, 5);
            const double flowLitres = V * (3.14159 * D * D / 4) * 1000;
            const auto r = pipeFlow(flowLitres, 100, D, ksMm);
            QVERIFY(r);
            if (r->reynolds <= 4000) continue;
            const double ed = (ksMm / 1000) / D;
            errors.push_back(percent(*F(ed, r->reynolds), colebrookWhite(ed, r->reynolds)));
        }
        std::sort(errors.begin(), errors.end());
        const double median = errors[errors.size() / 2], worst = errors.back();
        QVERIFY2(worst <= published("Friction factor, largest error (%)"), qPrintable(QString::number(worst)));
        QVERIFY2(std::fabs(median - published("Friction factor, median error (%)")) <= 0.01,
            qPrintable(QString::number(median)));
    }

    // Below Re 2000 the page still applies Colebrook-White: its headloss against
    // the laminar one, 64/Re, for a 2 mm tube.
    void laminarRatios()
    {
        for (const double re : {400.0, 1500.0}) {
            const double D = 0.002, V = re * 1e-6 / D, L = 1;
            const auto r = pipeFlow(V * (3.14159 * D * D / 4) * 1000, L, D, 0.001);
            QVERIFY(r);
            const double laminar = (64 / r->reynolds) * L * V * V / (2 * 9.81 * D);
            const std::string name = "Laminar, Re " + std::to_string(int(re)) + ": headloss / 64/Re headloss";
            QCOMPARE(std::round(100 * r->headloss / laminar) / 100, published(name));
        }
    }

    // A 90 degree V-notch against Kindsvater-Shen at three heads, and the l/s
    // figure read back from the three-decimal m³/s text against the page's own flow.
    void vNotchAgainstTheStandard()
    {
        for (const double h : {0.05, 0.1, 0.3}) {
            const double q = *vNotchFlow(90, h);
            const std::string at = std::to_string(h).substr(0, 4) + " m";
            QCOMPARE(std::round(10 * 100 * (q / kindsvaterShen90(h) - 1)) / 10,
                published("V-notch 90 degrees, " + at + ": above Kindsvater-Shen (%)"));
            const double litres = std::stod(readBackPair(q)->liter);
            QCOMPARE(std::round(10 * percent(litres, 1000 * q)) / 10,
                published("V-notch 90 degrees, " + at + ": l/s figure off the unrounded flow (%)"));
        }
    }
};

QTEST_APPLESS_MAIN(AccuracyTest)
#include "test_accuracy.moc"
