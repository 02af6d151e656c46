// Discharge of a small circular orifice in the wall of an open tank.
#pragma once

#include "form/choices.h"

#include <optional>
#include <string>

// Q = k d² / 4 * sqrt(19.62 H) in m³/s, diameter d and head H in metres.
// Empty for an unknown kind, and unless the discharge is finite.
std::optional<double> orificeFlow(double diameter, double head, OrificeKind kind);

// Where the small-orifice formula is meant to be used: empty inside its range,
// else the sentence the figures carry, naming the range and its source.
std::string orificeRangeNote(double diameter, double head);
