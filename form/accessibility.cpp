#include "form/accessibility.h"

#include "form/spoken_results.h"
#include "toolkit/controls.h"

namespace {

struct AccessibleText {
    const char *objectName;
    const char *name;        // short, the unit after a comma: "Notch width, metres"; "": the caption
    const char *description; // one sentence on what the control holds
    const char *result;      // a result label: the word its new figures are spoken with
                             // ("headloss"; "" for none); nullptr for other controls
};

// One control a line, however long its texts.
// clang-format off
constexpr AccessibleText texts[] = {
    // Pipe page.
    {"fraInput", "Pipe velocity and friction headloss", "Inputs of the pipe calculation: flow, length, diameter and roughness.", nullptr},
    {"txtQT", "Total flow, litres per second", "Flow carried by the pipeline, in litres per second.", nullptr},
    {"txtLOP", "Length of pipeline, metres", "Length of the pipeline over which the friction headloss is worked out, in metres.", nullptr},
    {"txtDOP", "Diameter of pipeline, metres", "Internal diameter of the pipe, in metres.", nullptr},
    {"comE1", "Pipe roughness, millimetres", "Roughness of the pipe wall in millimetres: type a value or pick one from the list. Typical values are shown in the roughness table while this box has the focus.", nullptr},
    {"fraKs", "Roughness values", "Table of typical roughness of pipe materials in millimetres, smooth, average and rough.", nullptr},
    {"fraOutput", "Output", "Results of the pipe calculation.", nullptr},
    {"lblPipeV", "Pipe velocity, metres per second", "Mean velocity of the water in the pipe, in metres per second.", "velocity"},
    {"lblPipeHL", "Headloss due to friction, metres", "Friction headloss over the length of the pipeline by Colebrook-White, in metres of water.", "headloss"},
    {"comROE", "Effluent density, grams per litre", "Density of the effluent in grams per litre; not used by the calculation.", nullptr},

    // Flow measurement.
    {"fraFM", "Flow measurement", "Discharge through small orifices and over notches.", nullptr},

    // Small orifices.
    {"fraSO", "Small orifices - open tank", "Discharge through a small orifice in the wall of an open tank. Choose the kind of orifice with the buttons below the drawing.", nullptr},
    {"txtSODia", "Orifice diameter, metres", "Diameter of the orifice, in metres.", nullptr},
    {"txtSOH", "Head above the orifice, metres", "Height of the water level in the tank above the orifice, in metres.", nullptr},
    {"lblCumec", "Orifice flow, cubic metres per second", "Discharge through the orifice, in cubic metres per second.", "flow"},
    {"lblLiter", "Orifice flow, litres per second", "Discharge through the orifice, in litres per second.", ""},
    {"Image2(0)", "Drawing of an orifice in the wall of an open tank", "Section of the tank, marking the head of water above the orifice and the orifice diameter.", nullptr},
    {"Image2(1)", "Drawing of the four kinds of orifice", "Sharp-edged, rounded, Borda running free and Borda running full.", nullptr},

    // Notches and weirs.
    {"fraWeir", "Notches and weirs", "Discharge over a sharp-crested notch: rectangular, V-shaped or trapezoidal.", nullptr},

    {"fraWRec", "Rectangular notch", "Discharge over a rectangular notch, for three conditions of end contraction.", nullptr},
    {"txtRecHeight", "Head above the crest, metres", "Rectangular notch: height of the water surface above the crest, in metres.", nullptr},
    {"txtRecWidth", "Notch width, metres", "Rectangular notch: width of the crest, in metres. It must be at least a quarter of the head.", nullptr},
    {"lblRecCumec", "Rectangular notch flow, cubic metres per second", "Discharge over the rectangular notch, in cubic metres per second.", "flow"},
    {"lblRecLiter", "Rectangular notch flow, litres per second", "Discharge over the rectangular notch, in litres per second.", ""},
    {"Image3", "Drawing of a rectangular notch", "Side and front view of the notch, marking the head above the crest and the notch width.", nullptr},
    {"Image4", "Drawing of the end contractions", "Contractions fully suppressed, one side contraction and fully contracted.", nullptr},

    {"fraWeirTrap", "Trapezoidal notch", "Discharge over a trapezoidal notch.", nullptr},
    {"txtTrHeight", "Head above the crest, metres", "Trapezoidal notch: height of the water surface above the crest, in metres.", nullptr},
    {"txtTrWidth", "Crest width, metres", "Trapezoidal notch: width of the horizontal crest at the bottom of the notch, in metres.", nullptr},
    {"txtTrAn", "Side angle from the vertical, degrees", "Trapezoidal notch: angle of each sloping side measured from the vertical, in degrees.", nullptr},
    {"lblTCumec", "Trapezoidal notch flow, cubic metres per second", "Discharge over the trapezoidal notch, in cubic metres per second.", "flow"},
    {"lblTLiter", "Trapezoidal notch flow, litres per second", "Discharge over the trapezoidal notch, in litres per second.", ""},
    {"Image5", "Drawing of a trapezoidal notch", "Side and front view of the notch, marking the head above the crest, the crest width and the side angle.", nullptr},

    {"fraWeirV", "V-notch", "Discharge over a triangular notch.", nullptr},
    {"txtVHeight", "Head above the vertex, metres", "V-notch: height of the water surface above the bottom of the V, in metres.", nullptr},
    {"txtVAn", "Included angle, degrees", "V-notch: angle between the two sides of the notch, in degrees.", nullptr},
    {"lblVCumec", "V-notch flow, cubic metres per second", "Discharge over the V-notch, in cubic metres per second.", "flow"},
    {"lblVLiter", "V-notch flow, litres per second", "Discharge over the V-notch, in litres per second.", ""},
    {"Image6", "Drawing of a V-notch", "Side and front view of the notch, marking the head above the vertex and the included angle.", nullptr},

    // The button strip.
    {"imgLogo(0)", "Quorvel", "Program logo; pointing at it shows how to reach the makers.", nullptr},
    {"lblTime", "", "Date and time the calculator was started.", nullptr},
};
// clang-format on

// An editable combo box reads as its text; its caption, as its label, says what it is.
void labelRoughnessBox(QWidget *form)
{
    auto *roughness = form->findChild<QWidget *>(QStringLiteral("comE1"));
    if (auto *caption = form->findChild<QLabel *>(QStringLiteral("Label1(17)")); caption && roughness) {
        caption->setBuddy(roughness);
        caption->setAccessibleName(roughness->accessibleName());
    }
}

} // namespace

void applyAccessibleNames(QWidget *form)
{
    Announcer *announcer = addAnnouncer(form);
    for (const AccessibleText &row : texts) {
        auto *w = form->findChild<QWidget *>(QString::fromLatin1(row.objectName));
        if (!w) continue;
        if (*row.name) w->setAccessibleName(QString::fromUtf8(row.name));
        // A box and a figure also say on hover what they hold, and carry the
        // cues of how they were read and how sure a figure is.
        if (row.result || qobject_cast<TextBox *>(w) || qobject_cast<ComboBox *>(w))
            setDescription(w, QString::fromUtf8(row.description));
        else
            w->setAccessibleDescription(QString::fromUtf8(row.description));
        if (auto *label = qobject_cast<Label *>(w); label && row.result) makeSpokenResult(label, row.result, announcer);
    }
    labelRoughnessBox(form);
}
