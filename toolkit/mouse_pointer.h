// The screen's mouse pointer, set absolutely: 11 shows the hourglass, 0 restores
// the default however many times the hourglass was asked for.
#pragma once

enum MousePointer { vbDefault = 0, vbHourglass = 11 };

void setScreenMousePointer(MousePointer pointer);
