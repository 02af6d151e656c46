// Discharge over a sharp-crested triangular (V) notch.
#pragma once

#include <optional>
#include <string>

// Included angle in degrees, head H above the vertex in metres.
// Empty unless the discharge is finite.
std::optional<double> vNotchFlow(double angle, double head);

// Where the V-notch formula is meant to be used: empty inside its range, else the
// sentence the figures carry, naming the range and its source.
std::string vNotchRangeNote(double angle, double head);
