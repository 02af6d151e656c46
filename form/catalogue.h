// The calculator form as designed, built from its control catalogue
// (catalogue.cpp): one row per control, in the order of the design.
#pragma once

#include <QHash>
#include <QString>

class QWidget;

// Gives the form its own design-time look, then creates every control of the
// catalogue on it, with its properties, stacking order and tab order. Returns
// the controls by name.
QHash<QString, QWidget *> buildForm(QWidget *form);
