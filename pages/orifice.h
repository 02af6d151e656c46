// Discharge of a small circular orifice in the wall of an open tank.
#pragma once

#include <optional>

// 1 sharp-edged, 2 rounded, 3 Borda running free, 4 Borda running full.
// 0 means no kind chosen yet.
using OrificeKind = short;

// The kind's discharge coefficient times 3.142, multiplied in double precision;
// empty for a kind outside 1..4.
std::optional<double> orificeCoefficient(OrificeKind kind);

// Q = k d² / 4 * sqrt(19.62 H) in m³/s, diameter d and head H in metres.
// Empty for an unknown kind, or when an input or any value computed on the way
// is not finite.
std::optional<double> orificeFlow(double diameter, double head, OrificeKind kind);
