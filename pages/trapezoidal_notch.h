// Discharge over a sharp-crested trapezoidal notch.
#pragma once

#include <optional>
#include <string>

// Side angle in degrees from the vertical, head H and crest width B in metres.
// Empty unless the discharge is finite.
std::optional<double> trapezoidalFlow(double angle, double head, double crestWidth);

// Where the trapezoidal formula is meant to be used: empty inside its range, else
// the sentence the figures carry, naming the range and its source.
std::string trapezoidalRangeNote(double angle, double head, double crestWidth);
