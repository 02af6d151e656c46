#include "form/accessibility.h"

#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

constexpr const char *ResultProperty = "quorvelResult"; // the word its figures are spoken with
constexpr const char *RoleProperty = "quorvelRole";

// "2.57 metres": the figure of a result label with the unit of its name in
// words; its name while it shows no figure (nothing, or the design placeholder).
QString figureSpoken(const QLabel *label)
{
    const QString figure = label->text().simplified().section(u' ', 0, 0);
    bool isNumber = false;
    figure.toDouble(&isNumber);
    const QString name = label->accessibleName();
    return isNumber ? figure + u' ' + name.section(QStringLiteral(", "), 1) : name;
}

class ResultAccessible : public QAccessibleWidget {
public:
    explicit ResultAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Value) return label->text().simplified();
        return t == QAccessible::Name ? figureSpoken(label) : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *formFactory(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w) return nullptr;
    if (auto *label = qobject_cast<QLabel *>(w); label && label->property(ResultProperty).isValid())
        return new ResultAccessible(label);
    if (const QVariant role = w->property(RoleProperty); role.isValid())
        return new QAccessibleWidget(w, role.value<QAccessible::Role>());
    return nullptr;
}

// Orca 43 ignores a label whose name changes, and Qt 6.4 has no announcement
// event; but Orca speaks a notification as it shows, and inside a status bar
// it reads just the labels in it, without a role name. So the figures a
// keystroke changes are gathered and, once the keystroke has been handled,
// written into the label of a hidden notification in a hidden status bar,
// which is then reported as shown: one message per keystroke, none when a
// guard stops the calculation or nothing changes.
class Announcer : public QWidget {
public:
    // Built apart and then put on the form, so that no interface of Qt's own is
    // made for the two before they have their roles.
    explicit Announcer(QWidget *form) : m_note(new QWidget), m_message(new QLabel(m_note))
    {
        setObjectName(QStringLiteral("announcements"));
        m_message->setObjectName(QStringLiteral("announcement"));
        setProperty(RoleProperty, QVariant::fromValue(QAccessible::StatusBar));
        m_note->setProperty(RoleProperty, QVariant::fromValue(QAccessible::Notification));
        m_note->setParent(this);
        setParent(form);
        hide();
    }

    void changed(QLabel *result)
    {
        QAccessibleEvent renamed(result, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        if (m_changed.isEmpty()) QMetaObject::invokeMethod(this, &Announcer::speak, Qt::QueuedConnection);
        if (!m_changed.contains(result)) m_changed << result;
    }

private:
    void speak()
    {
        QStringList said;
        for (QLabel *result : std::exchange(m_changed, {}))
            if (!result->text().isEmpty())
                said << (result->property(ResultProperty).toString() + u' ' + figureSpoken(result)).trimmed();
        if (said.isEmpty()) return;
        m_message->setText(said.join(QStringLiteral(", ")));
        QAccessibleEvent shown(m_note, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

    QWidget *m_note;
    QLabel *m_message;
    QList<QLabel *> m_changed;
};

} // namespace

void installAccessibleFactories()
{
    AniPushButton::installAccessibleFactory();
    QAccessible::installFactory(formFactory);
}

namespace {

// A result label reads as its figure through our interface, and each new
// caption is handed to the announcer.
void makeSpokenResult(Label *label, const char *result, Announcer *announcer)
{
    label->setProperty(ResultProperty, QString::fromUtf8(result));
    QObject::connect(label, &Label::captionChanged, announcer, [announcer, label] { announcer->changed(label); });
    // Setting a caption while the form was built may already have made
    // Qt's own interface for the label; drop it so ours is made instead.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
        made && !dynamic_cast<ResultAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

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
    auto *announcer = new Announcer(form);
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
