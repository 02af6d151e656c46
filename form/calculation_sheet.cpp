#include "form/calculation_sheet.h"

#include "toolkit/controls.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

namespace {

// The unit at the end of an accessible name ("Head above the crest, metres"),
// as a calculation sheet writes it.
QString unitSymbol(const QString &words)
{
    static const std::pair<const char *, const char *> units[] = {
        {"cubic metres per second", "m³/s"},
        {"litres per second", "l/s"},
        {"metres per second", "m/s"},
        {"millimetres", "mm"},
        {"metres", "m"},
        {"degrees", "°"},
    };
    for (auto [name, symbol] : units)
        if (words == QLatin1String(name)) return QString::fromUtf8(symbol);
    return words;
}

SheetRow namedRow(const QWidget *w, const QString &value)
{
    const QString name = w->accessibleName();
    return {name.section(QStringLiteral(", "), 0, 0), value, unitSymbol(name.section(QStringLiteral(", "), 1)),
        cueOf(w)}; // the words of its mark: "Read as 1. ...", "Earlier result ...", "Outside the range: ..."
}

} // namespace

SheetRow inputRow(const QWidget *box)
{
    const auto *combo = qobject_cast<const QComboBox *>(box);
    const auto *line = qobject_cast<const QLineEdit *>(box);
    return namedRow(box, combo ? combo->currentText() : line ? line->text() : QString());
}

std::optional<SheetRow> figureRow(const QLabel *result)
{
    // "2.57  m": the figure is the caption's first word, where that is a number
    // (not an empty caption, nor the placeholder a result shows before its first).
    const QString figure = result->text().simplified().section(u' ', 0, 0);
    bool isNumber = false;
    figure.toDouble(&isNumber);
    if (!isNumber) return std::nullopt;
    return namedRow(result, figure);
}

CalculationSheet startSheet(const QWidget *page, std::initializer_list<const QWidget *> boxes,
    std::initializer_list<const QLabel *> figures, const QDateTime &now, const QString &method)
{
    CalculationSheet sheet;
    sheet.title = page->accessibleName();
    sheet.method = method;
    for (const QWidget *box : boxes) sheet.inputs << inputRow(box);
    for (const QLabel *figure : figures)
        if (const auto row = figureRow(figure)) sheet.figures << *row;
    sheet.stamp = QStringLiteral("Quorvel " QUORVEL_VERSION ", ") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return sheet;
}

QString sheetText(const CalculationSheet &sheet)
{
    qsizetype quantity = 0, value = 0, unit = 0;
    for (const QList<SheetRow> *rows : {&sheet.inputs, &sheet.figures})
        for (const SheetRow &r : *rows) {
            quantity = qMax(quantity, r.quantity.size());
            value = qMax(value, r.value.size());
            unit = qMax(unit, r.unit.size());
        }
    QStringList lines{sheet.title, QStringLiteral("Inputs")};
    const auto add = [&](const SheetRow &r) {
        QString line = QStringLiteral("  ") + r.quantity.leftJustified(quantity) + QStringLiteral("  ")
            + r.value.leftJustified(value) + QStringLiteral("  ") + r.unit.leftJustified(unit) + QStringLiteral("  ")
            + r.note;
        while (line.endsWith(u' ')) line.chop(1);
        lines << line;
    };
    for (const SheetRow &r : sheet.inputs) add(r);
    lines << (sheet.figures.isEmpty() ? QStringLiteral("No figure") : QStringLiteral("Results"));
    for (const SheetRow &r : sheet.figures) add(r);
    lines << QStringLiteral("Method: ") + sheet.method << sheet.stamp;
    return lines.join(u'\n') + u'\n';
}

QString sheetHtml(const CalculationSheet &sheet)
{
    const auto cell = [](const char *tag, const QString &text, int span = 1) {
        const QString attributes = span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(span) : QString();
        return QStringLiteral("<%1 align=\"left\"%2>%3</%1>").arg(QLatin1String(tag), attributes, text.toHtmlEscaped());
    };
    QStringList rows{cell("th", sheet.title, 4)};
    const auto section = [&](const QString &name) {
        rows << cell("th", name) + cell("th", QStringLiteral("Value")) + cell("th", QStringLiteral("Unit"))
                + cell("th", QStringLiteral("Note"));
    };
    const auto add = [&](const SheetRow &r) {
        rows << cell("td", r.quantity) + cell("td", r.value) + cell("td", r.unit) + cell("td", r.note);
    };
    section(QStringLiteral("Inputs"));
    for (const SheetRow &r : sheet.inputs) add(r);
    if (sheet.figures.isEmpty())
        rows << cell("th", QStringLiteral("No figure"), 4);
    else
        section(QStringLiteral("Results"));
    for (const SheetRow &r : sheet.figures) add(r);
    rows << cell("td", QStringLiteral("Method")) + cell("td", sheet.method, 3) << cell("td", sheet.stamp, 4);
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>\n"
                          "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>%2</tr>\n</table>\n"
                          "</body></html>\n")
        .arg(sheet.title.toHtmlEscaped(), rows.join(QStringLiteral("</tr>\n<tr>")));
}

void copySheet(const CalculationSheet &sheet)
{
    auto *data = new QMimeData;
    data->setText(sheetText(sheet));
    data->setHtml(sheetHtml(sheet));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}
