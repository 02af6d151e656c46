// A page's calculation as it goes into an engineer's calculation sheet: the
// page, each input as typed, each figure as shown with its unit, the method
// with its constants, any mark in words, and the program and moment. Written as
// plain text aligned for a monospace font and as an HTML table, both put on the
// clipboard together, so that a paste into a word processor or a spreadsheet
// gives a table. Built only when the user asks for it (Ctrl+Shift+C, "Copy
// calculation"), never on a keystroke's way.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <initializer_list>
#include <optional>

class QLabel;
class QMimeData;
class QWidget;

struct SheetRow {
    QString quantity; // "Total flow"
    QString value;    // as typed in the box, or the figure as shown
    QString unit;     // "l/s"
    QString note;     // how the box was read, a mark on the figure, the regime
};

struct CalculationSheet {
    QString title;
    QList<SheetRow> inputs;
    QList<SheetRow> figures; // none: the page shows no figure
    QString method;          // the formula with every constant, in one line
    QString stamp;           // "Quorvel 1.1.0, 2026-12-04 14:55"
};

// The row of an input box (a line edit or an editable combo box): its name and
// unit from its accessible name ("Head above the crest, metres"), its text as
// typed, and, where it is marked, the mark's words (which say how it was read).
SheetRow inputRow(const QWidget *box);

// The row of a result label, or none when it shows no figure: the figure as
// shown, the unit of its accessible name, and the mark's words where it has one.
std::optional<SheetRow> figureRow(const QLabel *result);

// A sheet for `page` (its accessible name the title) with the rows of these boxes
// and figures, stamped with the program's version and `now`, and the method
// where the page's method is always the same.
CalculationSheet startSheet(const QWidget *page, std::initializer_list<const QWidget *> boxes,
    std::initializer_list<const QLabel *> figures, const QDateTime &now, const QString &method = {});

QString sheetText(const CalculationSheet &sheet);
QString sheetHtml(const CalculationSheet &sheet);

// Puts both on the clipboard (not on X11's primary selection).
void copySheet(const CalculationSheet &sheet);
