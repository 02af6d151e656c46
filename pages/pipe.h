// Pipe velocity and Colebrook-White friction headloss, in plain doubles.
#pragma once

#include <optional>
#include <string>

// Base-10 logarithm as ln(x) / ln(10), the way every figure of this page was computed.
double Log10(double x);

// F gives up after this many passes. A real pipe settles within a few dozen; only
// Reynolds numbers below about 7 need thousands or never settle, and the full bound
// costs about half a millisecond.
inline constexpr int kMaxFrictionIterations = 10000;

// Darcy friction factor by fixed-point iteration on
//   1/sqrt(f) = 1.14 - 2 log10(ED + 9.35 / (RE sqrt(f))),
// from f = 0.01 until one pass changes f by 1 % or less; returns that last pass.
// Empty when any value of the iteration is not finite (a logarithm of zero or
// less, a zero base of the power, an overflow) or when it has not settled within
// kMaxFrictionIterations passes.
std::optional<double> F(double ED, double RE);

struct PipeResult {
    double velocity;          // m/s
    double headloss;          // m
    double reynolds;          // V D / nu, what the friction factor was solved for
    double relativeRoughness; // ks / D
};

// Flow in l/s, length in m, diameter in m, roughness in mm, as read from the boxes.
// Empty unless every value on the way is finite (allFinite).
std::optional<PipeResult> pipeFlow(double flowLitres, double length, double diameter, double roughnessMm);

// What the Reynolds number means for the figures shown, for the result labels'
// tooltip and description: "Reynolds number 1 200: laminar flow; ...". Laminar
// below 2 000, transitional up to 4 000, turbulent above; a negative number (a
// negative flow) is described by its size.
std::string reynoldsDescription(double reynolds);

// Where Colebrook-White is meant to be used: empty inside its range, else the
// sentence the figures carry, naming the range and its source.
std::string pipeRangeNote(const PipeResult &r);
