// Discharge over a sharp-crested rectangular notch (Francis formula).
#pragma once

// 0 contractions suppressed, 1 one side contraction, 2 fully contracted.
using Contraction = short;

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
