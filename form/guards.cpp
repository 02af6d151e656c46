#include "form/guards.h"

#include "form/numbers.h"

#include <cmath>

bool zeroGuardPasses(std::initializer_list<std::string_view> texts)
{
    for (auto t : texts)
        if (Val(t) == 0) return false;
    return true;
}

bool thresholdGuardPasses(std::initializer_list<std::string_view> texts)
{
    for (auto t : texts)
        if (Val(t) < 0.001) return false;
    return true;
}

bool emptyTextGuardPasses(std::initializer_list<std::string_view> texts)
{
    for (auto t : texts)
        if (t.empty()) return false;
    return true;
}

// Both figures must be finite: a discharge near the top of the double range can
// still overflow once it is multiplied by 1000, or once its text is read back.
std::optional<FlowCaptions> directPair(double q)
{
    const double liter = q * 1000;
    if (!std::isfinite(q) || !std::isfinite(liter)) return std::nullopt;
    return FlowCaptions{Format(q, "#0.000"), Format(liter, "#0.00")};
}

std::optional<FlowCaptions> readBackPair(double q)
{
    if (!std::isfinite(q)) return std::nullopt;
    std::string cumec = Format(q, "#0.000");
    const double liter = Val(cumec) * 1000;
    if (!std::isfinite(liter)) return std::nullopt;
    return FlowCaptions{std::move(cumec), Format(liter, "#0.00")};
}
