// What a screen reader says for the form's controls. Most of the boxes have no
// caption of their own (the notch boxes sit on a drawing), so each input box,
// result label, page frame and drawing gets a spoken name with its unit and a
// longer description, from one table; and each new result is spoken once.
#pragma once

class QString;
class QWidget;

// Installs the interfaces screen readers see for the buttons, the results and
// the announcer; called once at start-up, before the form is built.
void installAccessibleFactories();

// Gives every control of the table found on the form its accessible name and
// description, and makes the roughness caption the label of its box. A result
// label reads as its figure with the unit in words ("2.57 metres"), the caption
// beside it saying what it is; without a figure it reads as its name. The
// figures a keystroke changes are then spoken as one notification, once the
// keystroke has been handled: "velocity 1.27 metres per second, headloss 2.57 metres".
void applyAccessibleNames(QWidget *form);
