// What every fuzz target checks of a caption: the exact shape of "#0.00" or
// "#0.000" text, and never an infinity or a not-a-number spelled out.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline bool wellFormed(std::string_view s, int decimals)
{
    if (!s.empty() && s[0] == '-') s.remove_prefix(1);
    const auto point = s.find('.');
    return point != 0 && point != s.npos && s.size() - point - 1 == std::size_t(decimals)
        && s.find_first_not_of("0123456789.") == s.npos && s.find('.', point + 1) == s.npos;
}

// Ends the run as a crash, so libFuzzer keeps the input that led here.
inline void check(bool ok, const char *what, std::string_view detail = {})
{
    if (ok) return;
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s [%.*s]\n", what, int(detail.size() > 400 ? 400 : detail.size()),
                 detail.data());
    std::abort();
}
