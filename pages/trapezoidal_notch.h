// Discharge over a sharp-crested trapezoidal notch.
#pragma once

#include <optional>

// Side angle in degrees from the vertical, head H and crest width B in metres.
// Empty when an input or any value computed on the way is not finite (a negative
// head leaves the power undefined).
std::optional<double> trapezoidalFlow(double angle, double head, double crestWidth);
