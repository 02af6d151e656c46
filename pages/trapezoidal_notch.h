// Discharge over a sharp-crested trapezoidal notch.
#pragma once

#include <optional>

// Side angle in degrees from the vertical, head H and crest width B in metres.
// Empty when the result is undefined (a negative head) or beyond the double range.
std::optional<double> trapezoidalFlow(double angle, double head, double crestWidth);
