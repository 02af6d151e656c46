// What a screen reader says for the form's controls. Most of the boxes have no
// caption of their own (the notch boxes sit on a drawing), so each input box,
// result label, page frame and drawing gets a spoken name with its unit and a
// longer description, from one table.
#pragma once

#include <span>

class QWidget;

struct AccessibleText {
    const char *objectName;
    const char *name;        // short, with the unit: "Notch width, metres"
    const char *description; // one sentence on what the control holds
    bool result;             // a result label: its caption is spoken after the name
};

std::span<const AccessibleText> accessibleTexts();

// Gives every control of the table found on the form its accessible name and
// description. A result label is spoken as "name: caption", so its current
// figure is read out with what it means.
void applyAccessibleNames(QWidget *form);
