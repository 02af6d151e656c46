// What every fuzz target checks of a caption: the exact shape of "#0.00" or
// "#0.000" text, and never an infinity or a not-a-number spelled out.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline bool wellFormed(std::string_view s, int decimals)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') ++i;
    const std::size_t firstDigit = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == firstDigit || i == s.size() || s[i] != '.') return false;
    ++i;
    if (s.size() - i != std::size_t(decimals)) return false;
    for (; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// Ends the run as a crash, so libFuzzer keeps the input that led here.
[[noreturn]] inline void fail(const char *what, std::string_view detail = {})
{
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s [%.*s]\n", what, int(detail.size() > 400 ? 400 : detail.size()),
                 detail.data());
    std::abort();
}

inline void check(bool ok, const char *what, std::string_view detail = {})
{
    if (!ok) fail(what, detail);
}
