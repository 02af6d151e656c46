// Discharge over a sharp-crested trapezoidal notch.
#pragma once

#include <optional>

// Side angle in degrees from the vertical, head H and crest width B in metres.
// Empty unless every value on the way is finite (allFinite).
std::optional<double> trapezoidalFlow(double angle, double head, double crestWidth);
