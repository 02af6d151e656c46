#include "form/guards.h"

#include "form/numbers.h"

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
