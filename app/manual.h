// The user manual in a window of the program, opened by F1. The manual is
// compiled in, so it shows offline and alike on Linux and on Windows; the window
// is made at the first F1, not at start-up.
#pragma once

class QWidget;

// Shows the manual's window over `parent` (made on the first call), or brings it
// to the front. Escape closes it; it closes with the parent.
void showManual(QWidget *parent);
