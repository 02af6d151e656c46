#include "form/numbers.h"

#include "form/charconv.h"

#include <cmath>
#include <limits>
#include <system_error>
#include <utility>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigit(char c)
{
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Octal digits regrouped into hexadecimal ones, so both prefixes end in the same
// correctly rounded conversion however many digits were typed.
std::string octalToHex(std::string_view octal)
{
    std::string bits;
    bits.reserve(octal.size() * 3);
    for (char c : octal) {
        int d = c - '0';
        bits += char('0' + ((d >> 2) & 1));
        bits += char('0' + ((d >> 1) & 1));
        bits += char('0' + (d & 1));
    }
    while (bits.size() % 4) bits.insert(bits.begin(), '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
        hex += "0123456789abcdef"[v];
    }
    return hex;
}

double wholeNumber(std::string_view hexDigits)
{
    if (hexDigits.empty()) return 0.0;
    double v = 0.0;
    auto r = std::from_chars(hexDigits.data(), hexDigits.data() + hexDigits.size(), v, std::chars_format::hex);
    if (r.ec == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
    return v;
}

// `used` is how many characters make the number: none when no digit follows the prefix.
double prefixedWholeNumber(const std::string &s, std::size_t &used)
{
    const char kind = s[1];
    std::size_t end = 2;
    double v = 0;
    if (kind == 'H' || kind == 'h') {
        while (end < s.size() && hexDigit(s[end]) >= 0) ++end;
        v = wholeNumber(std::string_view(s).substr(2, end - 2));
    } else {
        while (end < s.size() && s[end] >= '0' && s[end] <= '7') ++end;
        v = wholeNumber(octalToHex(std::string_view(s).substr(2, end - 2)));
    }
    used = end > 2 ? end : 0;
    return v;
}

// Decimal exponent of the first significant digit of a mantissa+exponent that
// std::from_chars found out of range: positive means overflow, otherwise underflow.
bool overflows(std::string_view mantissa, std::string_view exponent)
{
    long long exp = 0;
    bool expNegative = false;
    std::size_t i = 0;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        expNegative = exponent[0] == '-';
        i = 1;
    }
    for (; i < exponent.size(); ++i) {
        if (exp < 1'000'000'000'000LL) exp = exp * 10 + (exponent[i] - '0');
    }
    if (expNegative) exp = -exp;

    long long position = 0; // digits before the point, counted from the first non-zero
    bool seenPoint = false, seenSignificant = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenSignificant) {
            if (c == '0') {
                if (seenPoint) --position;
                continue;
            }
            seenSignificant = true;
            if (seenPoint) break;
        }
        if (seenPoint) break;
        ++position;
    }
    return position + exp > 0;
}

// Where the exponent after the mantissa ending at `i` lies, sign included and
// "E" left out; an empty span at `i` when there is no exponent with a digit.
std::pair<std::size_t, std::size_t> exponentAt(const std::string &s, std::size_t i)
{
    if (i >= s.size() || (s[i] != 'E' && s[i] != 'e')) return {i, i};
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t firstDigit = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > firstDigit) return {i + 1, j};
    return {i, i};
}

double decimalNumber(const std::string &s, std::size_t &used)
{
    used = 0;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0.0;
    const std::size_t mantissaEnd = i;

    const auto [exponentStart, exponentEnd] = exponentAt(s, i);
    const std::size_t end = exponentEnd > exponentStart ? exponentEnd : mantissaEnd;
    used = end;

    double v = 0.0;
    auto r = std::from_chars(s.data() + mantissaStart, s.data() + end, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        std::string_view all(s);
        v = overflows(all.substr(mantissaStart, mantissaEnd - mantissaStart),
                all.substr(exponentStart, exponentEnd - exponentStart))
            ? std::numeric_limits<double>::infinity()
            : 0.0;
    }
    return negative ? -v : v;
}

// The shown value times 10^decimals, as decimal digits (at least decimals + 1 of
// them), from the 15 significant digits d.dddd...e`exponent`. The digits are kept
// down to the last shown decimal and rounded half away from zero on the digit
// after them (the 15-digit text is exact, so ">= 5" is the rule).
std::string scaledDigits(const std::string &digits, int exponent, int decimals)
{
    const int keep = exponent + 1 + decimals;
    std::string scaled;
    if (keep >= int(digits.size())) {
        scaled = digits + std::string(std::size_t(keep) - digits.size(), '0');
    } else if (keep < 0) {
        scaled = "0";
    } else {
        scaled = digits.substr(0, std::size_t(keep));
        if (digits[std::size_t(keep)] >= '5') {
            int k = int(scaled.size()) - 1;
            while (k >= 0 && scaled[std::size_t(k)] == '9') scaled[std::size_t(k--)] = '0';
            if (k >= 0)
                ++scaled[std::size_t(k)];
            else
                scaled.insert(scaled.begin(), '1');
        }
        if (scaled.empty()) scaled.push_back('0');
    }
    if (scaled.size() < std::size_t(decimals) + 1) scaled.insert(0, std::size_t(decimals) + 1 - scaled.size(), '0');

    return scaled;
}

// The text without its blanks, the number it begins with, and how many of its
// characters that number took.
struct Reading {
    std::string s;
    double value;
    std::size_t used;
};

Reading read(std::string_view text)
{
    Reading r{{}, 0, 0};
    r.s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) r.s += c;
    const std::string &s = r.s;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o'))
        r.value = prefixedWholeNumber(s, r.used);
    else
        r.value = decimalNumber(s, r.used);
    return r;
}

} // namespace

double Val(std::string_view text) { return read(text).value; }

std::string readingNote(std::string_view text)
{
    const Reading r = read(text);
    if (r.used == r.s.size()) return {}; // read whole, or nothing but blanks
    std::string number = "a number too large to compute with";
    if (std::isfinite(r.value)) {
        char buf[32];
        const auto end = std::to_chars(buf, buf + sizeof buf, r.value).ptr;
        number.assign(buf, end);
    }
    const std::string_view rest = std::string_view(r.s).substr(r.used);
    std::string why;
    if (r.used == 0)
        why = "The text does not begin with a number.";
    else if (rest[0] == ',')
        why = "A comma ends the number: the decimal separator is a point.";
    else
        why = "Reading stops at \u201c" + std::string(rest) + "\u201d: the rest is not part of the number.";
    return "Read as " + number + ". " + why;
}

std::string Format(double value, std::string_view pattern)
{
    if (!std::isfinite(value)) return {};
    const auto point = pattern.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(pattern.size() - point - 1);

    // 15 significant digits, d.dddddddddddddde[+-]x, written without any locale.
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view sci(buf, std::size_t(r.ptr - buf));
    std::string digits;
    digits += sci[0];
    digits += sci.substr(2, 14);
    int exponent = 0;
    std::from_chars(sci.data() + 17 + (sci[17] == '+'), sci.data() + sci.size(), exponent);

    const std::string scaled = scaledDigits(digits, exponent, decimals);
    std::string out;
    if (value < 0) out += '-';
    out.append(scaled, 0, scaled.size() - std::size_t(decimals));
    if (decimals > 0) {
        out += '.';
        out.append(scaled, scaled.size() - std::size_t(decimals));
    }
    return out;
}

// Both figures must be finite: a discharge near the top of the double range can
// still overflow once it is multiplied by 1000, or once its text is read back.
std::optional<FlowCaptions> directPair(double q)
{
    const double liter = q * 1000;
    if (!std::isfinite(q) || !std::isfinite(liter)) return std::nullopt;
    return FlowCaptions{Format(q, "#0.000"), Format(liter, "#0.00")};
}

std::string readBackNote(double q)
{
    std::string note = "Read back from the m\u00b3/s figure: " + Format(q, "#0.000") + " \u00d7 1000.";
    if (const std::string unrounded = Format(q * 1000, "#0.00"); !unrounded.empty())
        note += " The unrounded flow is " + unrounded + " l/s.";
    return note;
}

std::optional<FlowCaptions> readBackPair(double q)
{
    if (!std::isfinite(q)) return std::nullopt;
    std::string cumec = Format(q, "#0.000");
    const double liter = Val(cumec) * 1000;
    if (!std::isfinite(liter)) return std::nullopt;
    return FlowCaptions{std::move(cumec), Format(liter, "#0.00")};
}
