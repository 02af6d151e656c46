// Discharge over a sharp-crested triangular (V) notch.
#pragma once

#include <optional>

// Included angle in degrees, head H above the vertex in metres.
// Empty unless every value on the way is finite (allFinite).
std::optional<double> vNotchFlow(double angle, double head);
