#include "form/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace {

constexpr AccessibleText texts[] = {
    // Pipe page.
    {"fraInput", "Pipe velocity and friction headloss", "Inputs of the pipe calculation: flow, length, diameter and roughness.", false},
    {"txtQT", "Total flow, litres per second", "Flow carried by the pipeline, in litres per second.", false},
    {"txtLOP", "Length of pipeline, metres", "Length of the pipeline over which the friction headloss is worked out, in metres.", false},
    {"txtDOP", "Diameter of pipeline, metres", "Internal diameter of the pipe, in metres.", false},
    {"comE1", "Pipe roughness, millimetres", "Roughness of the pipe wall in millimetres: type a value or pick one from the list. Typical values are shown in the roughness table while this box has the focus.", false},
    {"fraKs", "Roughness values", "Table of typical roughness of pipe materials in millimetres, smooth, average and rough.", false},
    {"fraOutput", "Output", "Results of the pipe calculation.", false},
    {"lblPipeV", "Pipe velocity, metres per second", "Mean velocity of the water in the pipe, in metres per second.", true},
    {"lblPipeHL", "Headloss due to friction, metres", "Friction headloss over the length of the pipeline by Colebrook-White, in metres of water.", true},
    {"comROE", "Effluent density, grams per litre", "Density of the effluent in grams per litre; not used by the calculation.", false},

    // Flow measurement.
    {"fraFM", "Flow measurement", "Discharge through small orifices and over notches.", false},

    // Small orifices.
    {"fraSO", "Small orifices - open tank", "Discharge through a small orifice in the wall of an open tank. Choose the kind of orifice with the buttons below the drawing.", false},
    {"txtSODia", "Orifice diameter, metres", "Diameter of the orifice, in metres.", false},
    {"txtSOH", "Head above the orifice, metres", "Height of the water level in the tank above the orifice, in metres.", false},
    {"lblCumec", "Orifice flow, cubic metres per second", "Discharge through the orifice, in cubic metres per second.", true},
    {"lblLiter", "Orifice flow, litres per second", "Discharge through the orifice, in litres per second.", true},
    {"Image2(0)", "Drawing of an orifice in the wall of an open tank", "Section of the tank, marking the head of water above the orifice and the orifice diameter.", false},
    {"Image2(1)", "Drawing of the four kinds of orifice", "Sharp-edged, rounded, Borda running free and Borda running full.", false},

    // Notches and weirs.
    {"fraWeir", "Notches and weirs", "Discharge over a sharp-crested notch: rectangular, V-shaped or trapezoidal.", false},

    {"fraWRec", "Rectangular notch", "Discharge over a rectangular notch, for three conditions of end contraction.", false},
    {"txtRecHeight", "Head above the crest, metres", "Rectangular notch: height of the water surface above the crest, in metres.", false},
    {"txtRecWidth", "Notch width, metres", "Rectangular notch: width of the crest, in metres. It must be at least a quarter of the head.", false},
    {"lblRecCumec", "Rectangular notch flow, cubic metres per second", "Discharge over the rectangular notch, in cubic metres per second.", true},
    {"lblRecLiter", "Rectangular notch flow, litres per second", "Discharge over the rectangular notch, in litres per second.", true},
    {"Image3", "Drawing of a rectangular notch", "Side and front view of the notch, marking the head above the crest and the notch width.", false},
    {"Image4", "Drawing of the end contractions", "Contractions fully suppressed, one side contraction and fully contracted.", false},

    {"fraWeirTrap", "Trapezoidal notch", "Discharge over a trapezoidal notch.", false},
    {"txtTrHeight", "Head above the crest, metres", "Trapezoidal notch: height of the water surface above the crest, in metres.", false},
    {"txtTrWidth", "Crest width, metres", "Trapezoidal notch: width of the horizontal crest at the bottom of the notch, in metres.", false},
    {"txtTrAn", "Side angle from the vertical, degrees", "Trapezoidal notch: angle of each sloping side measured from the vertical, in degrees.", false},
    {"lblTCumec", "Trapezoidal notch flow, cubic metres per second", "Discharge over the trapezoidal notch, in cubic metres per second.", true},
    {"lblTLiter", "Trapezoidal notch flow, litres per second", "Discharge over the trapezoidal notch, in litres per second.", true},
    {"Image5", "Drawing of a trapezoidal notch", "Side and front view of the notch, marking the head above the crest, the crest width and the side angle.", false},

    {"fraWeirV", "V-notch", "Discharge over a triangular notch.", false},
    {"txtVHeight", "Head above the vertex, metres", "V-notch: height of the water surface above the bottom of the V, in metres.", false},
    {"txtVAn", "Included angle, degrees", "V-notch: angle between the two sides of the notch, in degrees.", false},
    {"lblVCumec", "V-notch flow, cubic metres per second", "Discharge over the V-notch, in cubic metres per second.", true},
    {"lblVLiter", "V-notch flow, litres per second", "Discharge over the V-notch, in litres per second.", true},
    {"Image6", "Drawing of a V-notch", "Side and front view of the notch, marking the head above the vertex and the included angle.", false},

    // The button strip.
    {"imgLogo(0)", "Quorvel", "Program logo; pointing at it shows how to reach the makers.", false},
    {"lblTime", "Started", "Date and time the calculator was started.", true},
};

// A result label keeps its meaning as accessible name and is spoken with its
// current caption after it; a plain label would speak either the one or the other.
class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const QString caption = static_cast<const QLabel *>(widget())->text().simplified();
        if (t == QAccessible::Value) return caption;
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return caption.isEmpty() ? name : name + QStringLiteral(": ") + caption;
    }
};

constexpr const char *ResultProperty = "quorvelResult";

QAccessibleInterface *resultFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(ResultProperty).toBool()) return new ResultAccessible(label);
    return nullptr;
}

} // namespace

std::span<const AccessibleText> accessibleTexts()
{
    return texts;
}

void applyAccessibleNames(QWidget *form)
{
    static const bool installed = (QAccessible::installFactory(resultFactory), true);
    Q_UNUSED(installed);

    for (const AccessibleText &row : texts) {
        auto *w = form->findChild<QWidget *>(QString::fromLatin1(row.objectName));
        if (!w) continue;
        w->setAccessibleName(QString::fromUtf8(row.name));
        w->setAccessibleDescription(QString::fromUtf8(row.description));
        if (row.result && qobject_cast<QLabel *>(w)) {
            w->setProperty(ResultProperty, true);
            // Setting a caption while the form was built may already have made
            // Qt's own interface for the label; drop it so ours is made instead.
            if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(w);
                made && !dynamic_cast<ResultAccessible *>(made))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}
