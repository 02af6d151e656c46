// Discharge over a sharp-crested triangular (V) notch.
#pragma once

#include <optional>

// Included angle in degrees, head H above the vertex in metres.
// Empty when the result is undefined (a negative head) or beyond the double range.
std::optional<double> vNotchFlow(double angle, double head);
