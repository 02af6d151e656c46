// Val on arbitrary bytes against a second, deliberately plain reading of the same
// rules: blanks, tabs and line feeds out; "&H"/"&O" whole numbers; otherwise sign,
// digits, one period and an exponent with at least one digit, handed to the C
// library's correctly rounded strtod. The two must agree to the bit.
#include "form/numbers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The longest run of s from i whose characters are all in `set`.
std::string run(const std::string &s, std::size_t &i, const char *set)
{
    const std::size_t from = i;
    while (i < s.size() && std::strchr(set, s[i]) && s[i]) ++i;
    return s.substr(from, i - from);
}

// Octal: the leading 20 significant digits (60 bits) held exactly, a sticky bit
// for any non-zero digit after them, the rest as a binary exponent; strtod rounds
// the hexadecimal float that this spells.
double octal(const std::string &digits)
{
    std::size_t i = digits.find_first_not_of('0'), used = 0;
    std::uint64_t top = 0;
    for (; i < digits.size() && used < 20; ++i, ++used) top = top * 8 + std::uint64_t(digits[i] - '0');
    const std::size_t rest = i < digits.size() ? digits.size() - i : 0;
    if (rest && digits.find_first_not_of('0', i) != std::string::npos) top |= 1;
    char buf[64];
    std::snprintf(buf, sizeof buf, "0x%llxp%zu", static_cast<unsigned long long>(top), rest * 3);
    return std::strtod(buf, nullptr);
}

double reference(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    std::size_t i = 2;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'))
        return std::strtod(("0x0" + run(s, i, "0123456789abcdefABCDEF")).c_str(), nullptr);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) return octal(run(s, i, "01234567"));

    i = 0;
    std::string number = run(s, i, "+-").substr(0, 1);
    if (number.size() != i) return 0.0; // a second sign
    number += run(s, i, "0123456789");
    if (i < s.size() && s[i] == '.') number += '.' + run(s, ++i, "0123456789");
    if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        const std::string sign = j < s.size() && (s[j] == '+' || s[j] == '-') ? std::string(1, s[j++]) : "";
        const std::string digits = run(s, j, "0123456789");
        if (!digits.empty()) number += "e" + sign + digits;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double v = Val(text), r = reference(text);
    if (std::memcmp(&v, &r, sizeof v) != 0) { // a crash, so libFuzzer keeps the input
        std::fprintf(stderr, "Val %.17g disagrees with the reference reading %.17g\n", v, r);
        std::abort();
    }
    return 0;
}
