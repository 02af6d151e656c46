// The two choices the form carries from one event to the next: the orifice kind
// and the rectangular notch's end contractions, by their 16-bit codes. The form
// holds them; the calculations of their pages take them.
#pragma once

// None: no kind chosen yet (the form at start, before the orifice page opens).
enum class OrificeKind : short { None = 0, SharpEdged = 1, Rounded = 2, BordaRunningFree = 3, BordaRunningFull = 4 };

enum class Contraction : short { Suppressed = 0, OneSide = 1, Full = 2 };
