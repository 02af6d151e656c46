// <charconv>, and for the WebAssembly build the floating-point std::from_chars and
// std::to_chars that its C++ library (emscripten's libc++ 13) does not have yet.
// There they are the C library's correctly rounded strtod and snprintf, which give
// the same bits: both are exact conversions, and a WebAssembly program runs in the
// C locale, which nothing in it changes. Only the forms this program uses are given:
// reading decimal and hexadecimal text, and writing the shortest text or a fixed
// number of significant digits in scientific notation. Every other build uses its
// C++ library's own.
#pragma once

#include <charconv>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace quorvel_charconv {

// The fewest significant digits of a finite, non-zero |value| that read back
// exactly, without trailing zeros, and the power of ten of the first: for each
// count, the correctly rounded digits, or else the next ones up or down (which
// can be the only ones inside the reading interval where it is lopsided, at a
// power of 2).
inline std::string shortestDigits(double value, int &exponent)
{
    for (int digits = 1; digits <= 17; ++digits) {
        char sci[64];
        std::snprintf(sci, sizeof sci, "%.*e", digits - 1, std::fabs(value));
        const char *e = std::strchr(sci, 'e');
        unsigned long long m = 0;
        for (const char *p = sci; p < e; ++p)
            if (*p >= '0' && *p <= '9') m = m * 10 + unsigned(*p - '0');
        const int scale = std::atoi(e + 1) - (digits - 1); // value ~ m * 10^scale
        for (const unsigned long long candidate : {m, m + 1, m - 1}) {
            char text[64];
            std::snprintf(text, sizeof text, "%llue%d", candidate, scale);
            if (candidate == 0 || std::strtod(text, nullptr) != std::fabs(value)) continue;
            std::string mantissa = std::to_string(candidate);
            exponent = scale + int(mantissa.size()) - 1;
            while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
            return mantissa;
        }
    }
    return {};
}

// The shortest text of the value, plain or scientific, whichever is shorter
// (plain on a tie); "%g" for zero, an infinity or NaN.
inline std::string shortestText(double value)
{
    char g[16];
    if (!std::isfinite(value) || value == 0) return {g, std::size_t(std::snprintf(g, sizeof g, "%g", value))};
    int exponent = 0;
    const std::string mantissa = shortestDigits(value, exponent);
    const std::string sign = value < 0 ? "-" : "";

    std::string scientific = sign + mantissa.substr(0, 1);
    if (mantissa.size() > 1) scientific += "." + mantissa.substr(1);
    char exp[8];
    std::snprintf(exp, sizeof exp, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    scientific += exp;

    std::string plain = sign;
    if (exponent < 0) {
        plain += "0." + std::string(std::size_t(-exponent - 1), '0') + mantissa;
    } else if (std::size_t(exponent) + 1 >= mantissa.size()) {
        // A whole number: all its digits, exactly (as long as the padded digits,
        // and nearer the value).
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
        plain += whole;
    } else {
        plain += mantissa.substr(0, std::size_t(exponent) + 1) + "." + mantissa.substr(std::size_t(exponent) + 1);
    }
    return plain.size() <= scientific.size() ? plain : scientific;
}

} // namespace quorvel_charconv

namespace std {

// As the standard has it: a value out of the double range (one that would read as
// an infinity, or as zero from a non-zero text) is an error and leaves `value` as
// it was. `fmt` is general (decimal) or hex (without "0x"); no infinity or NaN.
inline from_chars_result from_chars(
    const char *first, const char *last, double &value, chars_format fmt = chars_format::general)
{
    const bool hex = fmt == chars_format::hex;
    const char *allowed = hex ? "0123456789abcdefABCDEF.pP+-" : "0123456789.eE+-";
    const bool negative = first < last && *first == '-';
    const char *from = first + negative;
    const char *to = from;
    while (to < last && *to && std::strchr(allowed, *to)) ++to;
    const std::string text = (negative ? "-" : "") + std::string(hex ? "0x" : "") + std::string(from, to);
    const std::size_t skipped = hex ? 2 : 0; // the "0x" that is not in the caller's text
    if (from == to || *from == '+' || *from == '-') return {first, errc::invalid_argument};
    char *end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    const std::size_t used = std::size_t(end - text.c_str());
    if (used <= skipped + negative) return {first, errc::invalid_argument};
    const char *ptr = first + (used - skipped);
    if (std::isinf(v) || (v == 0 && errno == ERANGE)) return {ptr, errc::result_out_of_range};
    value = v;
    return {ptr, errc{}};
}

// `precision` significant digits after the first, in scientific notation ("%.*e").
inline to_chars_result to_chars(char *first, char *last, double value, chars_format fmt, int precision)
{
    if (fmt != chars_format::scientific) return {last, errc::value_too_large}; // not used here
    char buf[400];
    const int n = std::snprintf(buf, sizeof buf, "%.*e", precision, value);
    if (n < 0 || n > last - first) return {last, errc::value_too_large};
    std::memcpy(first, buf, std::size_t(n));
    return {first + n, errc{}};
}

// The shortest text that reads back as the same double, in plain or scientific
// notation, whichever is shorter (plain on a tie).
inline to_chars_result to_chars(char *first, char *last, double value)
{
    const std::string text = quorvel_charconv::shortestText(value);
    if (text.size() > std::size_t(last - first)) return {last, errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), errc{}};
}

} // namespace std
#endif
