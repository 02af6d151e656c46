// Discharge over a sharp-crested triangular (V) notch.
#pragma once

#include <optional>

// Included angle in degrees, head H above the vertex in metres.
// Empty when an input or any value computed on the way is not finite (a negative
// head leaves the power undefined).
std::optional<double> vNotchFlow(double angle, double head);
