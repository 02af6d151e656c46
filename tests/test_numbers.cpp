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
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

const double Inf = std::numeric_limits<double>::infinity();

std::string digits(std::size_t n, char c) { return std::string(n, c); }

// German number conventions (decimal comma, period grouping) for the C library
// and for Qt, restored on scope exit. The C locale is built into a private folder
// when the system has no German locale installed.
class GermanLocale {
public:
    GermanLocale()
    {
        m_saved = std::setlocale(LC_ALL, nullptr);
        m_c = setGerman();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, m_saved.c_str());
        QLocale::setDefault(QLocale::c());
    }
    bool cLocaleSet() const { return m_c; }

private:
    static bool setGerman()
    {
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_ALL, name)) return true;
        static QTemporaryDir dir;
        if (!dir.isValid()) return false;
        static const bool built =
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), dir.filePath(QStringLiteral("de_DE.UTF-8"))}) == 0;
        if (!built) return false;
        qputenv("LOCPATH", dir.path().toLocal8Bit());
        return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    std::string m_saved;
    bool m_c = false;
};

// Compare two doubles exactly, infinities by sign.
bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void valUnderGermanLocale_data() { val_data(); }
    void valUnderGermanLocale();

    void format_data();
    void format();
    void formatUnderGermanLocale_data() { format_data(); }
    void formatUnderGermanLocale();

    void guards_data();
    void guards();

    void pairs_data();
    void pairs();
};

void NumbersTest::val_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    auto row = [](const char *name, const std::string &text, double v) {
        QTest::newRow(name) << QByteArray(text.data(), qsizetype(text.size())) << v;
    };
    // No number at all.
    row("empty", "", 0);
    row("letters", "abc", 0);
    row("dollar before digits", "$5", 0);
    row("double minus", "--3", 0);
    row("lone period", ".", 0);
    row("lone minus", "-", 0);
    row("sign and period", "-.", 0);
    row("exponent without mantissa", "E5", 0);
    row("C hex prefix is not read", "0x10", 0);
    row("sign before ampersand", "-&H10", 0);
    // Blanks, tabs and line feeds vanish wherever they stand; nothing else does.
    row("leading blanks, trailing unit", "  2.5 m", 2.5);
    row("blank as thousands gap", "1 000", 1000);
    row("tab and line feed inside", "1\t2\n3", 123);
    row("blank between sign and digits", "- 4", -4);
    row("blank inside exponent", "1e 3", 1000);
    row("carriage return stops", "1\r2", 1);
    row("no-break space stops", "1\xc2\xa0" "2", 1);
    // Reading stops at the first character that cannot continue.
    row("comma is no separator", "1,5", 1);
    row("trailing letters", "12abc", 12);
    row("second period", "1.2.3", 1.2);
    row("period after exponent", "1e3.5", 1000);
    row("plus sign", "+3", 3);
    row("negative", "-0.5", -0.5);
    row("no digit before period", ".5", 0.5);
    row("no digit after period", "5.", 5);
    row("negative, no leading digit", "-.5e1", -5);
    // The exponent needs at least one digit; without one the mantissa stands.
    row("exponent", "1e3", 1000);
    row("capital exponent, plus", "2.5E+2", 250);
    row("negative exponent", "25e-1", 2.5);
    row("e without digits", "1e", 1);
    row("e plus without digits", "1e+", 1);
    row("e minus without digits", "7e-", 7);
    row("e followed by letter", "3ex", 3);
    // Correct rounding, not digit-by-digit accumulation.
    row("one tenth", "0.1", 0.1);
    row("2^53 + 1 ties to even", "9007199254740993", 9007199254740992.0);
    row("thirty digits", "123456789012345678901234567890", 1.2345678901234568e29);
    row("many digits scaled down", "1" + digits(400, '0') + "e-390", 1e10);
    row("long fraction scaled up", "0." + digits(10000, '0') + "1e10000", 0.1);
    row("leading zeros and exponent", "0.0001e310", 1e306);
    // Edges of the double range: beyond reads as infinity, below as zero.
    row("largest double", "1.7976931348623158e308", DBL_MAX);
    row("just past the largest", "1.7976931348623159e308", Inf);
    row("1e400", "1e400", Inf);
    row("-1e400", "-1e400", -Inf);
    row("1e-400", "1e-400", 0);
    row("zero with huge exponent", "0e99999", 0);
    row("exponent beyond any integer", "1e99999999999999999999", Inf);
    row("negative exponent beyond any integer", "1e-99999999999999999999", 0);
    row("smallest subnormal", "4.9e-324", 4.9406564584124654e-324);
    row("below half the smallest subnormal", "2.4703282292062327e-324", 0);
    // The caption written for the largest double (15 digits, rounded up) lies
    // beyond the range: reading it back gives infinity, which the read-back pair
    // must refuse.
    row("caption of the largest double", "-179769313486232" + digits(294, '0') + ".000", -Inf);
    row("10000 digits", digits(10000, '9'), Inf);
    row("10000 digits negative", "-" + digits(10000, '7'), -Inf);
    // Hexadecimal and octal whole numbers.
    row("&H10", "&H10", 16);
    row("&h lower case", "&h1f", 31);
    row("&HFFFF is not a negative 16-bit value", "&HFFFF", 65535);
    row("&HFFFFFFFF", "&HFFFFFFFF", 4294967295.0);
    row("&o17", "&o17", 15);
    row("&O777", "&O777", 511);
    row("&H then blank", "&H 1F", 31);
    row("&H without digits", "&H", 0);
    row("&H bad digit", "&HG1", 0);
    row("&O8 is no octal digit", "&O8", 0);
    row("&H stops at non-hex", "&H1Fz", 31);
    row("&H no fraction", "&H1.8", 1);
    row("&H sign after prefix", "&H-1", 0);
    row("&H rounds correctly", "&H20000000000001", 9007199254740992.0);
    row("&H too big", "&H" + digits(300, 'F'), Inf);
    row("&O too big", "&O" + digits(400, '7'), Inf);
    row("&O 30 digits rounds to 2^90", "&O" + digits(30, '7'), std::ldexp(1.0, 90));
}

void NumbersTest::val()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double v = Val(std::string_view(text.constData(), std::size_t(text.size())));
    QVERIFY2(same(v, expected), qPrintable(QStringLiteral("Val gave %1, expected %2")
                                               .arg(v, 0, 'g', 17)
                                               .arg(expected, 0, 'g', 17)));
}

void NumbersTest::valUnderGermanLocale()
{
    GermanLocale german;
    if (!german.cLocaleSet()) qInfo("no German C locale available; checking under Qt's German default only");
    val();
}

void NumbersTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("two");   // "#0.00"
    QTest::addColumn<QString>("three"); // "#0.000"

    const QString zeros300 = QString(300, u'0');
    QTest::newRow("half rounds up") << 0.125 << "0.13" << "0.125";
    QTest::newRow("2.675 (binary just below)") << 2.675 << "2.68" << "2.675";
    QTest::newRow("1.005 (binary just below)") << 1.005 << "1.01" << "1.005";
    QTest::newRow("0.995 carries into units") << 0.995 << "1.00" << "0.995";
    QTest::newRow("0.045") << 0.045 << "0.05" << "0.045";
    QTest::newRow("9.995 carries") << 9.995 << "10.00" << "9.995";
    QTest::newRow("9.9999 carries") << 9.9999 << "10.00" << "10.000";
    QTest::newRow("-9.9999 carries") << -9.9999 << "-10.00" << "-10.000";
    QTest::newRow("99.995 grows a digit") << 99.995 << "100.00" << "99.995";
    QTest::newRow("0.0049999999999999") << 0.0049999999999999 << "0.00" << "0.005";
    QTest::newRow("0.0005") << 0.0005 << "0.00" << "0.001";
    QTest::newRow("-0.0005 away from zero") << -0.0005 << "-0.00" << "-0.001";
    QTest::newRow("-0.0004 keeps its sign") << -0.0004 << "-0.00" << "-0.000";
    QTest::newRow("-0.25") << -0.25 << "-0.25" << "-0.250";
    QTest::newRow("negative zero") << -0.0 << "0.00" << "0.000";
    QTest::newRow("zero") << 0.0 << "0.00" << "0.000";
    QTest::newRow("0.5 trailing zero") << 0.5 << "0.50" << "0.500";
    QTest::newRow("1234.5678 no grouping") << 1234.5678 << "1234.57" << "1234.568";
    QTest::newRow("1234567 no grouping") << 1234567.0 << "1234567.00" << "1234567.000";
    QTest::newRow("1e15") << 1e15 << "1000000000000000.00" << "1000000000000000.000";
    QTest::newRow("beyond 15 digits") << 123456789012345678.0 << "123456789012346000.00"
                                      << "123456789012346000.000";
    QTest::newRow("1e300 in full") << 1e300 << "1" + zeros300 + ".00" << "1" + zeros300 + ".000";
    QTest::newRow("largest double") << DBL_MAX << "179769313486232" + QString(294, u'0') + ".00"
                                    << "179769313486232" + QString(294, u'0') + ".000";
    QTest::newRow("1e-300") << 1e-300 << "0.00" << "0.000";
    QTest::newRow("-1e-300") << -1e-300 << "-0.00" << "-0.000";
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "0.00" << "0.000";
    QTest::newRow("infinity") << Inf << "" << "";
    QTest::newRow("minus infinity") << -Inf << "" << "";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "" << "";
}

void NumbersTest::format()
{
    QFETCH(double, value);
    QFETCH(QString, two);
    QFETCH(QString, three);
    QCOMPARE(QString::fromStdString(Format(value, "#0.00")), two);
    QCOMPARE(QString::fromStdString(Format(value, "#0.000")), three);
}

void NumbersTest::formatUnderGermanLocale()
{
    GermanLocale german;
    format();
}

void NumbersTest::guards_data()
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
    QTest::newRow("1e-3 written with exponent") << "1e-3" << "2" << true << true << true;
    QTest::newRow("negative") << "-5" << "2" << true << false << true;
    QTest::newRow("blank only") << " " << "2" << false << false << true;
    QTest::newRow("letters") << "abc" << "2" << false << false << true;
    QTest::newRow("decimal comma 0,5") << "0,5" << "2" << false << false << true;
    QTest::newRow("decimal comma 1,5") << "1,5" << "2" << true << true << true;
    QTest::newRow("lone period") << "." << "2" << false << false << true;
    QTest::newRow("underflow reads 0") << "1e-400" << "2" << false << false << true;
    QTest::newRow("&H0") << "&H0" << "2" << false << false << true;
    QTest::newRow("overflow") << "1e400" << "2" << true << true << true;
    QTest::newRow("negative overflow") << "-1e400" << "2" << true << false << true;
}

void NumbersTest::guards()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, zero);
    QFETCH(bool, threshold);
    QFETCH(bool, emptyText);
    const std::string a = first.toStdString(), b = second.toStdString();
    QCOMPARE(zeroGuardPasses({a, b}), zero);
    QCOMPARE(thresholdGuardPasses({a, b}), threshold);
    QCOMPARE(emptyTextGuardPasses({a, b}), emptyText);
}

void NumbersTest::pairs_data()
{
    // "-" in a column: no pair (a figure would not be finite).
    QTest::addColumn<double>("q");
    QTest::addColumn<QString>("readBackCumec");
    QTest::addColumn<QString>("readBackLiter");
    QTest::addColumn<QString>("directCumec");
    QTest::addColumn<QString>("directLiter");

    QTest::newRow("0.0004999") << 0.0004999 << "0.000" << "0.00" << "0.000" << "0.50";
    QTest::newRow("0.0005 rounds the cumec up") << 0.0005 << "0.001" << "1.00" << "0.001" << "0.50";
    QTest::newRow("0.0123456") << 0.0123456 << "0.012" << "12.00" << "0.012" << "12.35";
    QTest::newRow("-0.0123456") << -0.0123456 << "-0.012" << "-12.00" << "-0.012" << "-12.35";
    QTest::newRow("-0.0004 reads back as zero") << -0.0004 << "-0.000" << "0.00" << "-0.000" << "-0.40";
    QTest::newRow("0.16457460314398456") << 0.16457460314398456 << "0.165" << "165.00" << "0.165"
                                         << "164.57";
    QTest::newRow("134.99802550078724") << 134.99802550078724 << "134.998" << "134998.00"
                                        << "134.998" << "134998.03";
    // Rounded up to 15 digits, the text reads back beyond the range once times
    // 1000, while the unrounded value times 1000 still fits.
    QTest::newRow("edge of the read-back") << 1.797693134862315e305 << "-" << "-"
                                           << "179769313486232" + QString(291, u'0') + ".000"
                                           << "179769313486232" + QString(294, u'0') + ".00";
    QTest::newRow("1e306") << 1e306 << "-" << "-" << "-" << "-";
    QTest::newRow("largest double") << DBL_MAX << "-" << "-" << "-" << "-";
    QTest::newRow("infinity") << Inf << "-" << "-" << "-" << "-";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "-" << "-" << "-"
                                  << "-";
}

void NumbersTest::pairs()
{
    QFETCH(double, q);
    QFETCH(QString, readBackCumec);
    QFETCH(QString, readBackLiter);
    QFETCH(QString, directCumec);
    QFETCH(QString, directLiter);
    auto shown = [](const std::optional<FlowCaptions> &p, bool cumec) {
        if (!p) return QStringLiteral("-");
        return QString::fromStdString(cumec ? p->cumec : p->liter);
    };
    const auto readBack = readBackPair(q);
    const auto direct = directPair(q);
    QCOMPARE(shown(readBack, true), readBackCumec);
    QCOMPARE(shown(readBack, false), readBackLiter);
    QCOMPARE(shown(direct, true), directCumec);
    QCOMPARE(shown(direct, false), directLiter);
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "test_numbers.moc"
