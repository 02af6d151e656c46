// Discharge over a sharp-crested rectangular notch (Francis formula).
#pragma once

#include "form/choices.h"

#include <string>

struct RectangularResult {
    enum Outcome {
        Flow,          // discharge holds the flow in m³/s
        WidthTooSmall, // width below a quarter of the head: the page empties its boxes
        NoResult       // nothing to show (a value that is not finite, unknown condition)
    };
    Outcome outcome;
    double discharge;
};

// Head H and width L in metres, as read from the boxes.
RectangularResult rectangularFlow(double head, double width, Contraction condition);

// Where the Francis formula is meant to be used: empty inside its range, else the
// sentence the figures carry, naming the range and its source.
std::string rectangularRangeNote(double head, double width, Contraction condition);
