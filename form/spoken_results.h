// How a screen reader hears the results: a result label reads as its figure with
// the unit in words ("2.57 metres"), without a figure as its name; and the figures
// a keystroke changes are spoken as one notification, once the keystroke has been
// handled: "velocity 1.27 metres per second, headloss 2.57 metres".
#pragma once

class Announcer;
class Label;
class QWidget;

// Installs the interfaces screen readers see for the buttons, the results and
// the announcer; called once at start-up, before the form is built.
void installAccessibleFactories();

// The hidden notification the form's new figures are spoken through.
Announcer *addAnnouncer(QWidget *form);

// Makes the label a spoken result, its new figures said after the word given
// ("headloss"; "" for none).
void makeSpokenResult(Label *label, const char *word, Announcer *announcer);
