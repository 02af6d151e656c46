// The five calculations as the pages show them: worked cases, inputs whose
// display changes if a constant is swapped for its textbook value (pi, g), and
// the inputs for which a page must show nothing rather than fail.
#include "guards.h"
#include "numbers.h"
#include "orifice.h"
#include "pipe.h"
#include "rectangular_notch.h"
#include "trapezoidal_notch.h"
#include "v_notch.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const double Inf = std::numeric_limits<double>::infinity();
const QString None = QStringLiteral("-"); // the page shows no result

// The two captions a flow page writes, or None for both.
QPair<QString, QString> shown(const std::optional<FlowCaptions> &p)
{
    if (!p) return {None, None};
    return {QString::fromStdString(p->cumec), QString::fromStdString(p->liter)};
}

QPair<QString, QString> readBack(std::optional<double> q) { return q ? shown(readBackPair(*q)) : QPair{None, None}; }

} // namespace

class CalculationsTest : public QObject {
    Q_OBJECT

private slots:
    void log10IsLnOverLn10();

    void friction_data();
    void friction();

    void pipe_data();
    void pipe();

    void orificeCoefficients();
    void orifice_data();
    void orifice();

    void rectangular_data();
    void rectangular();

    void trapezoidal_data();
    void trapezoidal();

    void vNotch_data();
    void vNotch();
};

void CalculationsTest::log10IsLnOverLn10()
{
    // ln(1000) / ln(10) falls one unit short of 3; a library log10 would give 3
    // and shift the last bit of every friction factor.
    QCOMPARE(Log10(1000), 2.9999999999999996);
    QCOMPARE(Log10(10), 1.0);
}

void CalculationsTest::friction_data()
{
    QTest::addColumn<double>("ED");
    QTest::addColumn<double>("RE");
    QTest::addColumn<double>("expected"); // 0: no factor

    // 10 l/s in a 0.1 m pipe: 0.031627, 0.031071 (1.8 % change), 0.031077 (0.02 %),
    // and the third value is the answer, not the second and not a converged one.
    QTest::newRow("10 l/s, 0.1 m, 0.5 mm") << 0.005 << 127324.06201955061 << 0.0310774;
    QTest::newRow("2 l/s, 0.05 m, 0.015 mm") << 0.0003 << 50929.624807290244 << 0.0218773;
    QTest::newRow("Re 2000") << 0.0001 << 2000.0 << 0.0495918;
    QTest::newRow("Re 7 settles") << 0.0 << 7.0 << 1.12366;
    // Below Re ~ 7 the update can cycle for ever: the bound ends it with no factor.
    QTest::newRow("Re 2.5, ED 1 cycles") << 1.0 << 2.5464790894703255 << 0.0;
    QTest::newRow("Re 3.8, ED 0.1 cycles") << 0.1 << 3.819718634205488 << 0.0;
    QTest::newRow("Re 5, smooth, cycles") << 0.0 << 5.0 << 0.0;
    QTest::newRow("negative argument of the logarithm") << -0.005 << 127324.0 << 0.0;
    QTest::newRow("infinite Reynolds number") << 0.005 << Inf << 0.0303295;
}

void CalculationsTest::friction()
{
    QFETCH(double, ED);
    QFETCH(double, RE);
    QFETCH(double, expected);
    const std::optional<double> f = F(ED, RE);
    if (expected == 0) {
        QVERIFY2(!f, qPrintable(QString::number(f.value_or(0), 'g', 17)));
        return;
    }
    QVERIFY(f);
    // Six significant digits.
    QVERIFY2(std::fabs(*f - expected) <= 0.5e-5 * expected, qPrintable(QString::number(*f, 'g', 17)));
}

void CalculationsTest::pipe_data()
{
    QTest::addColumn<double>("flow");   // l/s
    QTest::addColumn<double>("length"); // m
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("roughness"); // mm
    QTest::addColumn<QString>("velocity"); // "#0.00", or None
    QTest::addColumn<QString>("headloss");

    QTest::newRow("10 l/s, 100 m, 0.1 m, 0.5 mm") << 10.0 << 100.0 << 0.1 << 0.5 << "1.27" << "2.57";
    QTest::newRow("three passes, not converged (23.12)") << 2.0 << 1000.0 << 0.05 << 0.015 << "1.02" << "23.14";
    QTest::newRow("two passes, not converged (95.43)") << 1.0 << 100.0 << 0.025 << 3.0 << "2.04" << "95.42";
    QTest::newRow("50 l/s, 1000 m, 0.2 m") << 50.0 << 1000.0 << 0.2 << 0.5 << "1.59" << "16.36";
    QTest::newRow("negative flow") << -10.0 << 100.0 << 0.1 << 0.5 << "-1.27" << "2.44";
    // pi as 3.14159: full pi shows 19.17 and 28.21.
    QTest::newRow("pi 3.14159 in the velocity") << 150.6 << 100.0 << 0.1 << 0.5 << "19.18" << "569.34";
    QTest::newRow("pi 3.14159, small pipe") << 55.4 << 1.0 << 0.05 << 0.5 << "28.22" << "30.75";
    // pi squared in the headloss: full pi shows 238.32.
    QTest::newRow("pi 3.14159 in the headloss") << 15.4 << 100.0 << 0.05 << 0.5 << "7.84" << "238.33";
    // g as 9.81: 9.80665 shows 9.20 and 36.42.
    QTest::newRow("g 9.81") << 3.0 << 100.0 << 0.05 << 0.5 << "1.53" << "9.19";
    QTest::newRow("g 9.81, 6 l/s") << 6.0 << 100.0 << 0.05 << 0.5 << "3.06" << "36.40";
    QTest::newRow("tiny flow shows zeros") << 1e-9 << 1.0 << 1.0 << 0.5 << "0.00" << "0.00";
    // Failures: no result rather than inf, nan or a hang.
    QTest::newRow("negative diameter") << 10.0 << 100.0 << -0.1 << 0.5 << None << None;
    QTest::newRow("negative roughness") << 10.0 << 100.0 << 0.1 << -0.5 << None << None;
    QTest::newRow("negative flow and diameter") << -10.0 << 100.0 << -0.1 << 0.5 << None << None;
    QTest::newRow("Re 2.5 never settles") << 0.002 << 1.0 << 1.0 << 1000.0 << None << None;
    QTest::newRow("Re 3.8 never settles") << 0.003 << 1.0 << 1.0 << 100.0 << None << None;
    QTest::newRow("diameter squared underflows") << 10.0 << 100.0 << 1e-200 << 0.5 << None << None;
    QTest::newRow("flow beyond the range") << 1e308 << 1.0 << 1.0 << 1.0 << None << None;
    QTest::newRow("infinite flow") << Inf << 1.0 << 1.0 << 1.0 << None << None;
    QTest::newRow("headloss overflows") << 1000.0 << 1e308 << 0.1 << 0.5 << None << None;
    QTest::newRow("infinite length") << 10.0 << Inf << 0.1 << 0.5 << None << None;
}

void CalculationsTest::pipe()
{
    QFETCH(double, flow);
    QFETCH(double, length);
    QFETCH(double, diameter);
    QFETCH(double, roughness);
    QFETCH(QString, velocity);
    QFETCH(QString, headloss);
    const auto r = pipeFlow(flow, length, diameter, roughness);
    QCOMPARE(r ? QString::fromStdString(Format(r->velocity, "#0.00")) : None, velocity);
    QCOMPARE(r ? QString::fromStdString(Format(r->headloss, "#0.00")) : None, headloss);
}

void CalculationsTest::orificeCoefficients()
{
    // Each coefficient is Cd times 3.142 in double precision. Rounded is the
    // one whose product is not the double nearest its decimal 3.04774.
    QCOMPARE(orificeCoefficient(1).value_or(0), 1.94804);
    QCOMPARE(orificeCoefficient(2).value_or(0), 3.0477399999999997);
    QVERIFY(orificeCoefficient(2).value_or(0) != 3.04774);
    QCOMPARE(orificeCoefficient(3).value_or(0), 1.571);
    QCOMPARE(orificeCoefficient(4).value_or(0), 2.3565);
    QVERIFY(!orificeCoefficient(0));
    QVERIFY(!orificeCoefficient(5));
    QVERIFY(!orificeCoefficient(-1));
}

void CalculationsTest::orifice_data()
{
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("head");
    QTest::addColumn<short>("kind");
    QTest::addColumn<QString>("cumec");
    QTest::addColumn<QString>("liter");

    // The litre figures keep the digits the cumec text lost (30.51, not 31.00).
    QTest::newRow("sharp-edged") << 0.1 << 2.0 << short(1) << "0.031" << "30.51";
    QTest::newRow("rounded") << 0.1 << 2.0 << short(2) << "0.048" << "47.73";
    QTest::newRow("Borda running free") << 0.1 << 2.0 << short(3) << "0.025" << "24.60";
    QTest::newRow("Borda running full") << 0.1 << 2.0 << short(4) << "0.037" << "36.90";
    QTest::newRow("no grouping") << 2.0 << 100.0 << short(2) << "134.998" << "134998.03";
    QTest::newRow("at the threshold") << 0.001 << 0.001 << short(1) << "0.000" << "0.00";
    // With full pi or with 2 x 9.80665 these show 1.12 and 13.80.
    QTest::newRow("pi 3.142 and 19.62, 0.02 m") << 0.02 << 1.7 << short(1) << "0.001" << "1.13";
    QTest::newRow("pi 3.142 and 19.62, 0.08 m") << 0.08 << 1.0 << short(1) << "0.014" << "13.81";
    QTest::newRow("no kind chosen") << 0.1 << 2.0 << short(0) << None << None;
    QTest::newRow("unknown kind") << 0.1 << 2.0 << short(5) << None << None;
    QTest::newRow("product overflows") << 1e200 << 1e200 << short(1) << None << None;
    QTest::newRow("head times 19.62 overflows") << 0.1 << 1e307 << short(1) << None << None;
    // The m3/s figure fits, its l/s figure (x 1000) does not.
    QTest::newRow("litres overflow") << 1e150 << 1e10 << short(1) << None << None;
    QTest::newRow("infinite diameter") << Inf << 2.0 << short(1) << None << None;
}

void CalculationsTest::orifice()
{
    QFETCH(double, diameter);
    QFETCH(double, head);
    QFETCH(short, kind);
    QFETCH(QString, cumec);
    QFETCH(QString, liter);
    const auto q = orificeFlow(diameter, head, kind);
    const auto captions = q ? shown(directPair(*q)) : QPair{None, None};
    QCOMPARE(captions.first, cumec);
    QCOMPARE(captions.second, liter);
}

void CalculationsTest::rectangular_data()
{
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("width");
    QTest::addColumn<short>("condition");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("cumec");
    QTest::addColumn<QString>("liter");

    const int Flow = RectangularResult::Flow, TooSmall = RectangularResult::WidthTooSmall,
              NoResult = RectangularResult::NoResult;
    // 0.164574... shows 0.165 and 165.00: the litres come from the cumec text.
    QTest::newRow("suppressed") << 0.2 << 1.0 << short(0) << Flow << "0.165" << "165.00";
    QTest::newRow("one side") << 0.2 << 1.0 << short(1) << Flow << "0.161" << "161.00";
    QTest::newRow("fully contracted") << 0.2 << 1.0 << short(2) << Flow << "0.158" << "158.00";
    QTest::newRow("ratio exactly 0.25, suppressed") << 0.4 << 0.1 << short(0) << Flow << "0.047" << "47.00";
    QTest::newRow("ratio exactly 0.25, one side") << 0.4 << 0.1 << short(1) << Flow << "0.028" << "28.00";
    QTest::newRow("ratio exactly 0.25, contracted") << 0.4 << 0.1 << short(2) << Flow << "0.009" << "9.00";
    QTest::newRow("no grouping, trailing zero") << 1.0 << 2.0 << short(0) << Flow << "3.680" << "3680.00";
    QTest::newRow("0.5 wide, 0.2 head") << 0.2 << 0.5 << short(0) << Flow << "0.082" << "82.00";
    QTest::newRow("ratio 0.2") << 0.5 << 0.1 << short(0) << TooSmall << None << None;
    QTest::newRow("ratio just below 0.25") << 0.4 << 0.0999 << short(2) << TooSmall << None << None;
    QTest::newRow("width 0") << 0.2 << 0.0 << short(0) << TooSmall << None << None;
    QTest::newRow("negative head, positive width") << -0.2 << 1.0 << short(0) << TooSmall << None << None;
    QTest::newRow("positive head, negative width") << 0.2 << -1.0 << short(0) << TooSmall << None << None;
    // A head of 0 leaves the ratio undefined: nothing shown, not 0.000.
    QTest::newRow("head 0") << 0.0 << 1.0 << short(0) << NoResult << None << None;
    QTest::newRow("head and width 0") << 0.0 << 0.0 << short(0) << NoResult << None << None;
    // A head that is tiny but not zero: the ratio overflows to infinity, yet it is
    // a ratio (far above 0.25, or far below it) and the flow underflows to 0.
    QTest::newRow("subnormal head") << 1e-310 << 1.0 << short(0) << Flow << "0.000" << "0.00";
    QTest::newRow("tiny head, wide notch") << 1e-300 << 1e10 << short(2) << Flow << "0.000" << "0.00";
    QTest::newRow("tiny head, negative width") << 1e-300 << -1e10 << short(0) << TooSmall << None << None;
    QTest::newRow("both negative") << -1.0 << -1.0 << short(0) << NoResult << None << None;
    QTest::newRow("unknown condition") << 0.2 << 1.0 << short(3) << NoResult << None << None;
    QTest::newRow("beyond the range") << 1e300 << 1e300 << short(0) << NoResult << None << None;
    QTest::newRow("infinite width") << 0.2 << Inf << short(0) << NoResult << None << None;
    QTest::newRow("litres overflow on read-back") << 1.0 << 1e306 << short(0) << Flow << None << None;
}

void CalculationsTest::rectangular()
{
    QFETCH(double, head);
    QFETCH(double, width);
    QFETCH(short, condition);
    QFETCH(int, outcome);
    QFETCH(QString, cumec);
    QFETCH(QString, liter);
    const RectangularResult r = rectangularFlow(head, width, condition);
    QCOMPARE(int(r.outcome), outcome);
    const auto captions = r.outcome == RectangularResult::Flow ? readBack(r.discharge) : QPair{None, None};
    QCOMPARE(captions.first, cumec);
    QCOMPARE(captions.second, liter);
}

void CalculationsTest::trapezoidal_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("head");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("cumec");
    QTest::addColumn<QString>("liter");

    QTest::newRow("14 deg, 0.2, 0.5") << 14.0 << 0.2 << 0.5 << "0.089" << "89.00";
    QTest::newRow("0 deg is rectangular") << 0.0 << 0.2 << 0.5 << "0.082" << "82.00";
    QTest::newRow("tan 45 deg is 1.000634") << 45.0 << 0.3 << 1.0 << "0.375" << "375.00";
    QTest::newRow("no grouping") << 14.0 << 1.0 << 1.0 << "2.207" << "2207.00";
    QTest::newRow("negative angle narrows") << -14.0 << 0.2 << 0.5 << "0.076" << "76.00";
    QTest::newRow("no crest is a V") << 14.0 << 0.2 << 0.0 << "0.007" << "7.00";
    QTest::newRow("90 deg lies past the pole") << 90.0 << 0.2 << 0.5 << "-41.465" << "-41465.00";
    QTest::newRow("head 0") << 14.0 << 0.0 << 0.5 << "0.000" << "0.00";
    // Full pi in the degree conversion shows 1.022 and 0.543.
    QTest::newRow("3.14286, 5 deg") << 5.0 << 0.7 << 0.9 << "1.023" << "1023.00";
    QTest::newRow("3.14286, 10 deg") << 10.0 << 0.8 << 0.3 << "0.544" << "544.00";
    // sqrt(2 x 9.80665) shows 0.085 and 0.526.
    QTest::newRow("19.62, 0.6 head") << 0.0 << 0.6 << 0.1 << "0.086" << "86.00";
    QTest::newRow("19.62, 0.8 head") << 0.0 << 0.8 << 0.4 << "0.527" << "527.00";
    QTest::newRow("negative head") << 14.0 << -0.2 << 0.5 << None << None;
    QTest::newRow("huge head") << 14.0 << 1e300 << 1.0 << None << None;
    QTest::newRow("litres overflow on read-back") << 0.0 << 1.0 << 1e308 << None << None;
    QTest::newRow("infinite angle") << Inf << 0.2 << 0.5 << None << None;
}

void CalculationsTest::trapezoidal()
{
    QFETCH(double, angle);
    QFETCH(double, head);
    QFETCH(double, width);
    QFETCH(QString, cumec);
    QFETCH(QString, liter);
    const auto captions = readBack(trapezoidalFlow(angle, head, width));
    QCOMPARE(captions.first, cumec);
    QCOMPARE(captions.second, liter);
}

void CalculationsTest::vNotch_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("head");
    QTest::addColumn<QString>("cumec");
    QTest::addColumn<QString>("liter");

    QTest::newRow("90 deg, 0.2") << 90.0 << 0.2 << "0.026" << "26.00";
    QTest::newRow("90 deg, 0.3") << 90.0 << 0.3 << "0.072" << "72.00";
    QTest::newRow("no grouping") << 90.0 << 1.0 << "1.466" << "1466.00";
    QTest::newRow("trailing zero") << 53.13 << 0.5 << "0.130" << "130.00";
    QTest::newRow("angle 0") << 0.0 << 1.0 << "0.000" << "0.00";
    QTest::newRow("head 0") << 179.0 << 0.0 << "0.000" << "0.00";
    QTest::newRow("negative angle") << -90.0 << 0.2 << "-0.026" << "-26.00";
    QTest::newRow("180 deg lies past the pole") << 180.0 << 0.2 << "-41.348" << "-41348.00";
    // Full pi shows 0.098 and 0.392; sqrt(2 x 9.80665) shows 0.098 and 0.407.
    QTest::newRow("3.14286 and 19.62, 10 deg") << 10.0 << 0.9 << "0.099" << "99.00";
    QTest::newRow("3.14286, 30 deg") << 30.0 << 1.0 << "0.393" << "393.00";
    QTest::newRow("19.62, 20 deg") << 20.0 << 1.2 << "0.408" << "408.00";
    QTest::newRow("negative head") << 90.0 << -0.2 << None << None;
    QTest::newRow("huge head") << 90.0 << 1e200 << None << None;
    QTest::newRow("infinite head") << 90.0 << Inf << None << None;
    QTest::newRow("huge angle is still an angle") << 1e300 << 1.0 << "0.259" << "259.00";
}

void CalculationsTest::vNotch()
{
    QFETCH(double, angle);
    QFETCH(double, head);
    QFETCH(QString, cumec);
    QFETCH(QString, liter);
    const auto captions = readBack(vNotchFlow(angle, head));
    QCOMPARE(captions.first, cumec);
    QCOMPARE(captions.second, liter);
}

QTEST_GUILESS_MAIN(CalculationsTest)
#include "test_calculations.moc"
