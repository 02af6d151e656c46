// What a screen reader says for the form's controls. Most of the boxes have no
// caption of their own (the notch boxes sit on a drawing), so each input box,
// result label, page frame and drawing gets a spoken name with its unit and a
// longer description, from one table.
#pragma once

class QWidget;

// Gives every control of the table found on the form its accessible name and
// description, makes the roughness caption the label of its box, and makes the
// result labels spoken results (form/spoken_results.h).
void applyAccessibleNames(QWidget *form);
