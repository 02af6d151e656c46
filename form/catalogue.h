// The calculator form as designed, built from its control catalogue
// (catalogue.cpp): one row per control, in the order of the design.
#pragma once

#include <QHash>
#include <QSize>
#include <QString>

class QWidget;

// What the form's controls occupy, from its top-left corner: 12015 x 8415 twips.
// Nothing moves or scales them in a larger window; the form is never smaller.
QSize formExtent();

// Gives the form its own design-time look, then creates every control of the
// catalogue on it, with its properties, stacking order and tab order. Returns
// the controls by name.
QHash<QString, QWidget *> buildForm(QWidget *form);
