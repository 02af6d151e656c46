// Format on arbitrary doubles: the caption has exactly the pattern's shape, its
// sign follows the value, and it reads back within half a unit of the last shown
// place, plus the step of writing the value to 15 significant digits first.
#include "fuzz_check.h"
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double) + 1) return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    const int decimals = data[sizeof x] & 1 ? 3 : 2;
    const std::string s = Format(x, decimals == 3 ? "#0.000" : "#0.00");
    char detail[80];
    std::snprintf(detail, sizeof detail, "%a wrote %.40s", x, s.c_str());
    if (!std::isfinite(x)) {
        check(s.empty(), "a non-finite value was written", detail);
        return 0;
    }
    check(wellFormed(s, decimals), "caption is not #0.00 / #0.000", detail);
    check((s[0] == '-') == (x < 0), "sign does not follow the value", detail);

    const double back = Val(s);
    // Written to 15 digits, the values nearest the top of the range round up past
    // the largest double (1.79769313486232e308), so their text reads as infinity.
    if (std::isinf(back)) {
        check(std::fabs(x) >= 1.797693134862315e308, "caption reads back as infinity", detail);
        return 0;
    }
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    const double bound = halfUnit * (1 + 1e-9) + 0.5e-14 * std::fabs(x) + 0x1p-52 * (std::fabs(x) + 1);
    check(std::fabs(back - x) <= bound, "caption is further from the value than its rounding allows", detail);
    return 0;
}
