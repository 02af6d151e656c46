// Reading and writing the numbers the user sees, and the two ways a flow page
// writes its discharge. Qt-free and locale-free:
// the period is the only decimal separator, whatever the user's settings.
#pragma once

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The number a text begins with. Blanks, tabs and line feeds are removed first,
// wherever they stand; "&H" / "&O" introduce hexadecimal / octal whole numbers;
// otherwise sign, digits, one period and an optional exponent are read as far as
// they go. A text with no leading number reads as 0. A number beyond the double
// range reads as +/-infinity (a calculation that meets it refuses to show a result);
// one too small to represent reads as zero.
double Val(std::string_view text);

// How Val read a text that it does not read whole (something other than blanks
// follows the number, or there is no number at all): "Read as 1. A comma ends the
// number: the decimal separator is a point." Empty for a text read whole and for
// an empty one. The number is the shortest text that reads back as the same double.
std::string readingNote(std::string_view text);

// True when every value is a finite number. A calculation gives no result when a
// number it reads, or a value it computes on the way, is not. An infinity can
// vanish in a later step (x / infinity is 0) and leave a figure that looks sound,
// so the values before a division are checked; products, sums, roots, positive
// powers and tangents carry an infinity or a NaN through to the result, so where
// only those follow (the flow calculations), the result alone is checked.
inline bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The value, or nothing when it is not a finite number.
inline std::optional<double> ifFinite(double v) { return std::isfinite(v) ? std::optional(v) : std::nullopt; }

// A value in one of the display patterns "#0.00" or "#0.000": at least one digit
// before the point, fixed decimals, no grouping, "-" for negative values. The value
// is first written to 15 significant digits and then rounded half away from zero,
// as a spreadsheet does (2.675 gives 2.68). A non-finite value gives "".
std::string Format(double value, std::string_view pattern);

// The discharge in m³/s ("#0.000") and in l/s ("#0.00").
struct FlowCaptions {
    std::string cumec;
    std::string liter;
};

// l/s from the unrounded discharge: 0.0123456 shows 0.012 and 12.35.
std::optional<FlowCaptions> directPair(double q);

// l/s read back from the m³/s text just written: 0.0123456 shows 0.012 and 12.00.
std::optional<FlowCaptions> readBackPair(double q);

// What a read-back l/s figure says of itself: "Read back from the m³/s figure:
// 0.012 × 1000. The unrounded flow is 12.35 l/s."
std::string readBackNote(double q);
