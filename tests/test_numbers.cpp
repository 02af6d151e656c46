// Reading and writing numbers (Val, Format), the three input guards and the two
// ways of forming a litre figure: the cases where a plausible implementation slips.
#include "guards.h"
#include "numbers.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

const double Inf = std::numeric_limits<double>::infinity();
std::string repeat(std::size_t n, char c) { return std::string(n, c); }

// German conventions (decimal comma) for the C library and for Qt while the
// object lives. Without an installed German C locale one is built with localedef.
struct GermanLocale {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    GermanLocale()
    {
        static QTemporaryDir dir;
        static const bool built = std::setlocale(LC_ALL, "de_DE.UTF-8")
            || (QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", dir.filePath("de_DE.UTF-8")}) == 0
                && qputenv("LOCPATH", dir.path().toLocal8Bit()));
        if (!built || !std::setlocale(LC_ALL, "de_DE.UTF-8")) qWarning("no German C locale; Qt's only");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale() { std::setlocale(LC_ALL, saved.c_str()); QLocale::setDefault(QLocale::c()); }
};

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        auto row = [](const std::string &text, double v, const char *name = nullptr) {
            QTest::newRow(name ? name : text.c_str()) << QByteArray::fromStdString(text) << v;
        };
        // No number at all.
        row("", 0, "empty"); row("$5", 0); row("--3", 0); row(".", 0); row("-.", 0); row("E5", 0);
        row("0x10", 0); row("-&H10", 0);
        // Blanks, tabs and line feeds vanish wherever they stand; nothing else does.
        row("  2.5 m", 2.5); row("1 000", 1000); row("1\t2\n3", 123, "tab, line feed"); row("- 4", -4);
        row("1e 3", 1000); row("1\r2", 1, "carriage return"); row("1\xc2\xa0" "2", 1, "no-break space");
        // Reading stops at the first character that cannot continue.
        row("1,5", 1); row("1.2.3", 1.2); row("1e3.5", 1000); row("+3", 3); row(".5", 0.5); row("5.", 5);
        row("-.5e1", -5); row("2.5E+2", 250); row("25e-1", 2.5); row("1e", 1); row("7e-", 7);
        // Correctly rounded, not accumulated digit by digit.
        row("9007199254740993", 9007199254740992.0, "2^53 + 1 ties to even");
        row("123456789012345678901234567890", 1.2345678901234568e29);
        row("1" + repeat(400, '0') + "e-390", 1e10, "400 digits scaled down");
        row("0." + repeat(10000, '0') + "1e10000", 0.1, "long fraction scaled up");
        row("0.0001e310", 1e306);
        // Beyond the double range reads as infinity, below it as zero.
        row("1.7976931348623158e308", DBL_MAX); row("1.7976931348623159e308", Inf); row("-1e400", -Inf);
        row("1e-400", 0); row("0e99999", 0); row("1e99999999999999999999", Inf);
        row("1e-99999999999999999999", 0); row("4.9e-324", 4.9406564584124654e-324);
        row("2.4703282292062327e-324", 0, "below half the smallest subnormal");
        row("-179769313486232" + repeat(294, '0') + ".000", -Inf, "caption of the largest double");
        row("-" + repeat(10000, '7'), -Inf, "10000 digits");
        // Hexadecimal and octal whole numbers.
        row("&H10", 16); row("&h1f", 31); row("&HFFFF", 65535); row("&o777", 511); row("&H 1F", 31);
        row("&H", 0); row("&HG1", 0); row("&O8", 0); row("&H1.8", 1); row("&H-1", 0);
        row("&H20000000000001", 9007199254740992.0, "&H rounds correctly");
        row("&H" + repeat(300, 'F'), Inf, "&H too big");
        row("&O" + repeat(400, '7'), Inf, "&O too big");
        row("&O" + repeat(30, '7'), std::ldexp(1.0, 90), "&O 30 digits");
    }

    void val()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        const double v = Val(text.toStdString());
        QVERIFY2(v == expected, qPrintable(QString::number(v, 'g', 17)));
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("two");   // "#0.00"
        QTest::addColumn<QString>("three"); // "#0.000"
        const QString zeros = QString(294, u'0');
        QTest::newRow("half rounds up") << 0.125 << "0.13" << "0.125";
        QTest::newRow("2.675 (binary just below)") << 2.675 << "2.68" << "2.675";
        QTest::newRow("1.005 (binary just below)") << 1.005 << "1.01" << "1.005";
        QTest::newRow("9.995 carries") << 9.995 << "10.00" << "9.995";
        QTest::newRow("-9.9999 carries") << -9.9999 << "-10.00" << "-10.000";
        QTest::newRow("99.995 grows a digit") << 99.995 << "100.00" << "99.995";
        QTest::newRow("15 digits first") << 0.0049999999999999 << "0.00" << "0.005";
        QTest::newRow("0.0005") << 0.0005 << "0.00" << "0.001";
        QTest::newRow("-0.0005 away from zero") << -0.0005 << "-0.00" << "-0.001";
        QTest::newRow("-0.0004 keeps its sign") << -0.0004 << "-0.00" << "-0.000";
        QTest::newRow("negative zero") << -0.0 << "0.00" << "0.000";
        QTest::newRow("no grouping") << 1234.5678 << "1234.57" << "1234.568";
        QTest::newRow("beyond 15 digits") << 123456789012345678.0 << "123456789012346000.00"
                                          << "123456789012346000.000";
        QTest::newRow("1e300 in full") << 1e300 << "1" + zeros + "000000.00" << "1" + zeros + "000000.000";
        QTest::newRow("largest double") << DBL_MAX << "179769313486232" + zeros + ".00"
                                        << "179769313486232" + zeros + ".000";
        QTest::newRow("minus infinity") << -Inf << "" << "";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "" << "";
    }

    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, two);
        QFETCH(QString, three);
        QCOMPARE(QString::fromStdString(Format(value, "#0.00")), two);
        QCOMPARE(QString::fromStdString(Format(value, "#0.000")), three);
    }

    // The period stays the only separator whatever the user's locale.
    void valUnderGermanLocale_data() { val_data(); }
    void valUnderGermanLocale() { GermanLocale german; val(); }
    void formatUnderGermanLocale_data() { format_data(); }
    void formatUnderGermanLocale() { GermanLocale german; format(); }

    void guards_data()
    {
        // Two boxes, so a guard that looks only at the first one fails.
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("zero");
        QTest::addColumn<bool>("threshold");
        QTest::addColumn<bool>("emptyText");
        QTest::newRow("both usable") << "0.1" << "2" << true << true << true;
        QTest::newRow("empty") << "" << "2" << false << false << false;
        QTest::newRow("second empty") << "2" << "" << false << false << false;
        QTest::newRow("0") << "0" << "2" << false << false << true;
        QTest::newRow("second 0") << "2" << "0" << false << false << true;
        QTest::newRow("0.0005") << "0.0005" << "2" << true << false << true;
        QTest::newRow("second 0.0005") << "2" << "0.0005" << true << false << true;
        QTest::newRow("0.001 at the threshold") << "0.001" << "0.001" << true << true << true;
        QTest::newRow("just below 0.001") << "0.00099999" << "2" << true << false << true;
        QTest::newRow("negative") << "-5" << "2" << true << false << true;
        QTest::newRow("decimal comma 0,5") << "0,5" << "2" << false << false << true;
        QTest::newRow("underflow reads 0") << "1e-400" << "2" << false << false << true;
        QTest::newRow("overflow") << "1e400" << "2" << true << true << true;
    }

    void guards()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const std::string a = first.toStdString(), b = second.toStdString();
        QTEST(zeroGuardPasses({a, b}), "zero");
        QTEST(thresholdGuardPasses({a, b}), "threshold");
        QTEST(emptyTextGuardPasses({a, b}), "emptyText");
    }

    void pairs_data()
    {
        // "-": no pair (a figure would not be finite).
        QTest::addColumn<double>("q");
        QTest::addColumn<QString>("readBack"); // cumec | l/s
        QTest::addColumn<QString>("direct");
        QTest::newRow("0.0004999") << 0.0004999 << "0.000|0.00" << "0.000|0.50";
        QTest::newRow("0.0005 rounds the cumec up") << 0.0005 << "0.001|1.00" << "0.001|0.50";
        QTest::newRow("-0.0004 reads back as zero") << -0.0004 << "-0.000|0.00" << "-0.000|-0.40";
        // Rounded to 15 digits the text reads back beyond the range once times 1000,
        // while the unrounded value times 1000 still fits.
        QTest::newRow("edge of the read-back") << 1.797693134862315e305 << "-"
            << "179769313486232" + QString(291, u'0') + ".000|179769313486232" + QString(294, u'0') + ".00";
        QTest::newRow("1e306") << 1e306 << "-" << "-";
        QTest::newRow("infinity") << Inf << "-" << "-";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "-" << "-";
    }

    void pairs()
    {
        QFETCH(double, q);
        auto shown = [](const std::optional<FlowCaptions> &p) {
            return p ? QString::fromStdString(p->cumec + "|" + p->liter) : QStringLiteral("-");
        };
        QTEST(shown(readBackPair(q)), "readBack");
        QTEST(shown(directPair(q)), "direct");
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "test_numbers.moc"
