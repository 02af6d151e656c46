// Val on arbitrary bytes against a second, deliberately plain reading of the same
// rules: blanks, tabs and line feeds out; "&H"/"&O" whole numbers; otherwise sign,
// digits, one period and an exponent with at least one digit, handed to the C
// library's correctly rounded strtod. The two must agree to the bit.
#include "fuzz_check.h"
#include "numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Octal whole number: the leading 20 significant digits (at most 60 bits) held
// exactly, a sticky bit for any non-zero digit after them, and the rest as a
// binary exponent; strtod rounds the hexadecimal float that this spells.
double octal(const std::string &digits)
{
    std::size_t i = 0;
    while (i < digits.size() && digits[i] == '0') ++i;
    std::uint64_t top = 0;
    std::size_t used = 0;
    for (; i < digits.size() && used < 20; ++i, ++used) top = top * 8 + std::uint64_t(digits[i] - '0');
    bool sticky = false;
    const std::size_t rest = digits.size() - i;
    for (; i < digits.size(); ++i) sticky |= digits[i] != '0';
    if (sticky) top |= 1;
    char buf[64];
    std::snprintf(buf, sizeof buf, "0x%llxp%zu", static_cast<unsigned long long>(top), rest * 3);
    return std::strtod(buf, nullptr);
}

double reference(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    if (s.size() >= 2 && s[0] == '&') {
        const char k = s[1];
        if (k == 'H' || k == 'h') {
            std::string digits = "0x0";
            for (std::size_t i = 2; i < s.size() && isHex(s[i]); ++i) digits += s[i];
            return std::strtod(digits.c_str(), nullptr);
        }
        if (k == 'O' || k == 'o') {
            std::string digits;
            for (std::size_t i = 2; i < s.size() && s[i] >= '0' && s[i] <= '7'; ++i) digits += s[i];
            return octal(digits);
        }
    }

    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool anyDigit = false, seenPoint = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) { anyDigit = true; number += s[i]; }
        else if (s[i] == '.' && !seenPoint) { seenPoint = true; number += '.'; }
        else break;
    }
    if (!anyDigit) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j])) exponent += s[j++];
        if (j > firstDigit) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double v = Val(text);
    check(!std::isnan(v), "Val gave NaN", text);
    const double r = reference(text);
    if (std::memcmp(&v, &r, sizeof v) != 0) {
        char detail[128];
        std::snprintf(detail, sizeof detail, "Val %.17g, reference %.17g", v, r);
        std::fprintf(stderr, "%s\n", detail);
        fail("Val disagrees with the reference reading", text);
    }
    return 0;
}
