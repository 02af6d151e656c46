// The control catalogue of the form, in the order of the design (containers before
// their contents; in each container, top of the stacking order first), with
// positions and sizes in twips.
#include "form/catalogue.h"

#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QFlags>
#include <QPixmap>

#include <algorithm>
#include <optional>
#include <span>

namespace {

// The design's own defaults are the form's font, the kind's usual text colour, no
// tab stop and no pictures; each row states only what differs from them.
enum class ControlKind { Frame, TextBox, Label, ComboBox, PushButton, PictureBox, Image, Shape };

struct FontDef {
    const char *family;
    double points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The form's own font, which every control without one of its own uses.
constexpr FontDef FormFont{"Arial", 9.75, true};

// A text colour of the design: an RGB value, or none for the kind's system colour
// (window text in boxes, button text everywhere else).
using Colour = std::optional<QRgb>;

// Max8: a text box that takes at most 8 characters.
enum class ControlFlag : unsigned { Hidden = 1, AutoSize = 2, RightAlign = 4, WordWrap = 8, Max8 = 16 };
Q_DECLARE_FLAGS(ControlFlags, ControlFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlFlags)

enum class PictureSet { None, Close, Open, Choice };

// What a row states beyond its name, kind and place; every field has the default.
struct ControlProps {
    const char *text = "";
    FontDef font = FormFont;
    Colour colour = {};
    ControlFlags flags = {};
    int tab = -1;                  // -1: takes no focus
    const char *picture = nullptr; // images: resource path
    PictureSet pictures = PictureSet::None;
};

struct ControlRow {
    const char *name;
    ControlKind kind;
    TwipsRect at; // in the container's coordinates
    ControlProps props = {};
};

using K = ControlKind;
using enum ControlFlag;
using enum PictureSet;

// Arial resolves to Liberation Sans, its metric twin, through fontconfig.
constexpr FontDef Arial1125B{"Arial", 11.25, true};
constexpr FontDef Arial1125BU{"Arial", 11.25, true, false, true};
constexpr FontDef Arial9{"Arial", 9};
constexpr FontDef Arial9IU{"Arial", 9, false, true, true};
constexpr FontDef Arial825B{"Arial", 8.25, true};
constexpr FontDef Arial825U{"Arial", 8.25, false, false, true};
constexpr FontDef Arial825I{"Arial", 8.25, false, true};
constexpr FontDef Arial12B{"Arial", 12, true};
constexpr FontDef Arial1425BU{"Arial", 14.25, true, false, true};
constexpr FontDef SmallFont{"Arial", 6.75, true};
constexpr FontDef StripFont{"Arial", 8.25};

constexpr QRgb DarkRed = qRgb(128, 0, 0);
constexpr QRgb ResultRed = qRgb(192, 0, 0);
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Navy = qRgb(0, 0, 128);
constexpr QRgb TimeBlue = qRgb(29, 86, 120);

// The contact line shown beside the logo: one item a line, so that no number is
// broken across two lines in the small font.
constexpr const char *ContactLine = "Quorvel Hydraulics Ltd\nTel 01632 960481\nFax 01632 960482\ncalc@quorvel.example";
// The five rows are typical values on the usual 0.015 - 0.03 - 0.06 ... series,
// not copied from one table; the note says so and names the standard reference
// for such good / normal / poor values.
constexpr const char *RoughnessSource =
    "Typical values, rounded; compare the good / normal / poor ks values in HR Wallingford and "
    "D.I.H. Barr, Tables for the Hydraulic Design of Pipes, Sewers and Channels, 7th edition, "
    "Thomas Telford, London, 1998.";

// The roughness table's labels: auto-size captions, black unless given.
constexpr ControlRow tableLabel(
    const char *name, int left, int top, int height, const char *text, FontDef font = Arial9, QRgb colour = Black)
{
    return {name, K::Label, {left, top, 0, height}, {.text = text, .font = font, .colour = colour, .flags = AutoSize}};
}

constexpr ControlRow onForm[] = {
    {"fraFM", K::Frame, {120, 1080, 11655, 7335}, {.text = "Flow measurement", .font = Arial1125BU, .flags = Hidden}},
    {"fraKs", K::Frame, {6000, 1320, 5895, 3735}, {.text = "Roughness values", .flags = Hidden}},
    {"fraInput", K::Frame, {240, 1320, 5655, 3735},
        {.text = "Pipe velocity and friction headloss", .font = Arial1125BU, .colour = DarkRed, .flags = Hidden}},
    {"fraOutput", K::Frame, {240, 5160, 5655, 1815},
        {.text = "Output", .font = Arial1125BU, .colour = DarkRed, .flags = Hidden}},
    {"comROE", K::ComboBox, {3000, 8040, 1695, 360}, {.flags = Hidden, .tab = 7}},
    {"picButtons", K::PictureBox, {0, 0, 12015, 975}, {.font = StripFont, .tab = 0}},
    {"Label1(2)", K::Label, {480, 8160, 2385, 285},
        {.text = "Effluent Density (g/l):", .colour = Black, .flags = Hidden | RightAlign | AutoSize}},
};

// The flow-measurement page.
constexpr ControlRow onFraFM[] = {
    {"fraSO", K::Frame, {240, 600, 11175, 6255},
        {.text = "Small orifices - open tank", .font = Arial1125BU, .flags = Hidden}},
    {"fraWeir", K::Frame, {240, 600, 11175, 6255}, {.text = "Notches and weirs", .font = Arial1125BU, .flags = Hidden}},
    {"AniPushButton3", K::PushButton, {240, 1320, 2295, 615},
        {.text = "Notches and weirs", .tab = 88, .pictures = Open}},
    {"AniPushButton1", K::PushButton, {240, 720, 1935, 615}, {.text = "Small orifices", .tab = 87, .pictures = Open}},
};

// Small orifices.
constexpr ControlRow onFraSO[] = {
    {"txtSOH", K::TextBox, {5400, 2280, 735, 360}, {.tab = 50}},
    {"txtSODia", K::TextBox, {6480, 240, 735, 360}, {.tab = 49}},
    {"AniPushButton4", K::PushButton, {240, 4080, 1095, 615}, {.text = "Close", .tab = 96, .pictures = Close}},
    {"cmdSOSE", K::PushButton, {2520, 4080, 1455, 615},
        {.text = "Sharp-edged", .font = Arial825B, .tab = 97, .pictures = Choice}},
    {"cmdSOBRU", K::PushButton, {7320, 4080, 1335, 615},
        {.text = "Running full", .font = Arial825B, .tab = 98, .pictures = Choice}},
    {"cmdSOBRF", K::PushButton, {5640, 4080, 1455, 615},
        {.text = "Running free", .font = Arial825B, .tab = 99, .pictures = Choice}},
    {"cmdSOR", K::PushButton, {4200, 4080, 1095, 615},
        {.text = "Rounded", .font = Arial825B, .tab = 100, .pictures = Choice}},
    {"Label3(2)", K::Label, {10080, 3240, 855, 375}, {.text = "l/s", .font = Arial12B}},
    {"Label3(1)", K::Label, {10080, 2880, 855, 375}, {.text = "cumec", .font = Arial12B}},
    {"lblLiter", K::Label, {8880, 3240, 735, 375}, {.text = "lblLiter", .font = Arial12B, .colour = ResultRed}},
    {"lblCumec", K::Label, {8880, 2880, 735, 375}, {.text = "lblCumec", .font = Arial12B, .colour = ResultRed}},
    {"Label3(0)", K::Label, {9360, 2400, 735, 375}, {.text = "Flow", .font = Arial1425BU}},
    {"Label2(2)", K::Label, {6480, 3840, 1335, 735},
        {.text = "Borda orifice", .font = Arial9IU, .colour = ResultRed, .flags = WordWrap}},
    {"Label2(1)", K::Label, {5760, 2640, 975, 735},
        {.text = "H of water level above orifice in m.", .font = Arial9, .flags = WordWrap}},
    {"Label2(0)", K::Label, {7320, 360, 1935, 375},
        {.text = "Orifice diameter in m.", .font = Arial9, .flags = WordWrap}},
    {"Image2(1)", K::Image, {2520, 3960, 5895, 3255}, {.picture = ":/orifice_kinds.svg"}},
    {"Image2(0)", K::Image, {1440, -240, 6975, 4575}, {.picture = ":/orifice_tank.svg"}},
    {"Shape1", K::Shape, {8640, 2280, 2295, 1455}},
};

// Notches and weirs, with the three notch frames on one rectangle.
constexpr ControlRow onFraWeir[] = {
    {"cmdWRec", K::PushButton, {240, 840, 2295, 615}, {.text = "Rectangular notch", .tab = 89, .pictures = Open}},
    {"cmdWeirTrap", K::PushButton, {240, 2280, 2295, 615}, {.text = "Trapezoidal notch", .tab = 90, .pictures = Open}},
    {"cmdWeirV", K::PushButton, {240, 1560, 1335, 615}, {.text = "V-notch", .tab = 91, .pictures = Open}},
    {"AniPushButton2", K::PushButton, {240, 3600, 1095, 615}, {.text = "Close", .tab = 92, .pictures = Close}},
    {"fraWeirTrap", K::Frame, {3360, 600, 6975, 5055},
        {.text = "Trapezoidal notch", .font = Arial1125B, .colour = Navy, .flags = Hidden}},
    {"fraWRec", K::Frame, {3360, 600, 6975, 5055},
        {.text = "Rectangular notch", .font = Arial1125B, .colour = Navy, .flags = Hidden}},
    {"fraWeirV", K::Frame, {3360, 600, 6975, 5055},
        {.text = "V-notch", .font = Arial1125B, .colour = Navy, .flags = Hidden}},
};

// Trapezoidal notch.
constexpr ControlRow onFraWeirTrap[] = {
    {"txtTrAn", K::TextBox, {5880, 2160, 735, 375}, {.text = "txtRecWidth", .tab = 84}},
    {"txtTrWidth", K::TextBox, {4920, 1920, 735, 375}, {.text = "txtRecWidth", .tab = 78}},
    {"txtTrHeight", K::TextBox, {1800, 2520, 735, 375}, {.text = "txtRecHeight", .tab = 77}},
    {"Image5", K::Image, {120, 1440, 7215, 4335}, {.picture = ":/trap_notch.svg"}},
    {"Label3(11)", K::Label, {6000, 1200, 855, 375}, {.text = "l/s", .font = Arial12B}},
    {"Label3(10)", K::Label, {6000, 840, 855, 375}, {.text = "cumec", .font = Arial12B}},
    {"lblTLiter", K::Label, {4680, 1200, 780, 285},
        {.text = "lblLiter", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"lblTCumec", K::Label, {4680, 840, 1080, 285},
        {.text = "lblCumec", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"Label3(9)", K::Label, {5280, 360, 735, 375}, {.text = "Flow", .font = Arial1425BU}},
    {"Shape4", K::Shape, {4560, 240, 2295, 1455}},
};

// Rectangular notch.
constexpr ControlRow onFraWRec[] = {
    {"txtRecHeight", K::TextBox, {1200, 720, 735, 375}, {.text = "txtRecHeight", .tab = 62}},
    {"txtRecWidth", K::TextBox, {3000, 360, 735, 375}, {.text = "txtRecWidth", .tab = 61}},
    {"cmdCon", K::PushButton, {480, 2640, 1815, 855},
        {.text = "Contractions: fully suppressed", .font = Arial825B, .tab = 93, .pictures = Choice}},
    {"cmdCon2", K::PushButton, {4080, 2640, 1815, 855},
        {.text = "Fully contracted", .font = Arial825B, .tab = 94, .pictures = Choice}},
    {"cmdCon1", K::PushButton, {2400, 2640, 1455, 855},
        {.text = "One side contraction", .font = Arial825B, .tab = 95, .pictures = Choice}},
    {"Label3(5)", K::Label, {5280, 1200, 735, 375}, {.text = "Flow", .font = Arial1425BU}},
    {"lblRecCumec", K::Label, {4680, 1680, 1080, 285},
        {.text = "lblCumec", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"lblRecLiter", K::Label, {4680, 2040, 780, 285},
        {.text = "lblLiter", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"Label3(4)", K::Label, {6000, 1680, 855, 375}, {.text = "cumec", .font = Arial12B}},
    {"Label3(3)", K::Label, {6000, 2040, 855, 375}, {.text = "l/s", .font = Arial12B}},
    {"Image4", K::Image, {120, 2760, 5535, 3015}, {.picture = ":/contractions.svg"}},
    {"Image3", K::Image, {120, 120, 4455, 3015}, {.picture = ":/rect_notch.svg"}},
    {"Shape2", K::Shape, {4560, 1080, 2295, 1455}},
};

// V-notch.
constexpr ControlRow onFraWeirV[] = {
    {"txtVHeight", K::TextBox, {1320, 2400, 735, 375}, {.text = "txtRecHeight", .tab = 70}},
    {"txtVAn", K::TextBox, {3480, 2160, 735, 375}, {.text = "txtRecWidth", .tab = 69}},
    {"Label3(6)", K::Label, {5280, 360, 735, 375}, {.text = "Flow", .font = Arial1425BU}},
    {"lblVCumec", K::Label, {4680, 840, 1080, 285},
        {.text = "lblCumec", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"lblVLiter", K::Label, {4680, 1200, 780, 285},
        {.text = "lblLiter", .font = Arial12B, .colour = ResultRed, .flags = AutoSize}},
    {"Label3(7)", K::Label, {6000, 840, 855, 375}, {.text = "cumec", .font = Arial12B}},
    {"Label3(8)", K::Label, {6000, 1200, 855, 375}, {.text = "l/s", .font = Arial12B}},
    {"Image6", K::Image, {120, 1440, 5175, 4335}, {.picture = ":/vnotch.svg"}},
    {"Shape3", K::Shape, {4560, 240, 2295, 1455}},
};

// The table of typical roughness values.
constexpr ControlRow onFraKs[] = {
    {"lblVCap(28)", K::Label, {120, 2880, 5700, 420},
        {.text = RoughnessSource, .font = Arial825I, .colour = DarkRed, .flags = AutoSize | WordWrap}},
    tableLabel("lblVCap(27)", 3960, 720, 210, "Average", Arial825U),
    tableLabel("lblVCap(26)", 4800, 720, 210, "Rough", Arial825U),
    tableLabel("lblVCap(25)", 4800, 1680, 225, "0,6"),
    tableLabel("lblVCap(24)", 4800, 2040, 225, "1,5"),
    tableLabel("lblVCap(23)", 4800, 2400, 225, "6"),
    tableLabel("lblVCap(22)", 3120, 720, 210, "Smooth", Arial825U),
    tableLabel("lblVCap(21)", 3960, 960, 225, "0,03"),
    tableLabel("lblVCap(20)", 3960, 1320, 225, "0,06"),
    tableLabel("lblVCap(19)", 3960, 1680, 225, "0,3"),
    tableLabel("lblVCap(18)", 3960, 2040, 225, "0,6"),
    tableLabel("lblVCap(17)", 3960, 2400, 225, "3"),
    tableLabel("lblVCap(16)", 4800, 960, 225, "0,06"),
    tableLabel("lblVCap(15)", 4800, 1320, 225, "0,15"),
    tableLabel("lblVCap(14)", 3120, 1320, 225, "0,03"),
    tableLabel("lblVCap(13)", 3120, 1680, 225, "0,15"),
    tableLabel("lblVCap(12)", 3120, 2040, 225, "0,3"),
    tableLabel("lblVCap(11)", 3120, 2400, 225, "1,5"),
    tableLabel("lblVCap(10)", 3120, 960, 225, "0,015"),
    tableLabel("lblVCap(9)", 120, 2400, 225, "Rough concrete / riveted steel", Arial9, DarkRed),
    tableLabel("lblVCap(8)", 120, 2040, 225, "Spun concrete", Arial9, DarkRed),
    tableLabel("lblVCap(7)", 120, 1680, 225, "Cast iron / cement mortar lining", Arial9, DarkRed),
    tableLabel("lblVCap(6)", 120, 1320, 225, "Coated steel", Arial9, DarkRed),
    tableLabel("lblVCap(5)", 120, 960, 225, "New fibre cement or PVC", Arial9, DarkRed),
    tableLabel("lblVCap(4)", 120, 360, 225, "Typical roughness of pipe materials in mm.", Arial9, DarkRed),
};

// Pipe inputs.
constexpr ControlRow onFraInput[] = {
    {"txtQT", K::TextBox, {3300, 1320, 1695, 360}, {.font = Arial1125B, .flags = Max8, .tab = 1}},
    {"txtDOP", K::TextBox, {3300, 2280, 1695, 360}, {.font = Arial1125B, .flags = Max8, .tab = 3}},
    {"txtLOP", K::TextBox, {3300, 1800, 1695, 360}, {.font = Arial1125B, .flags = Max8, .tab = 2}},
    {"comE1", K::ComboBox, {3300, 2760, 1695, 390}, {.font = Arial1125B, .tab = 4}},
    {"Image1(1)", K::Image, {600, 720, 255, 255}, {.picture = ":/bullet32.png"}},
    {"Image1(0)", K::Image, {600, 360, 255, 255}, {.picture = ":/bullet32.png"}},
    {"lblVCap(3)", K::Label, {960, 720, 3135, 225},
        {.text = "Medium: Water with density of 1000 g/l", .font = Arial9, .colour = DarkRed, .flags = AutoSize}},
    {"lblVCap(2)", K::Label, {960, 360, 4215, 225},
        {.text = "Headloss calculation according to Colebrook-White",
            .font = Arial9,
            .colour = DarkRed,
            .flags = AutoSize}},
    {"Label1(17)", K::Label, {660, 2880, 2385, 270},
        {.text = "Pipe Roughness (mm):", .font = Arial1125B, .colour = Black, .flags = RightAlign | AutoSize}},
    {"Label1(7)", K::Label, {1620, 1440, 1545, 270},
        {.text = "Total flow (l/s):", .font = Arial1125B, .colour = Black, .flags = RightAlign | AutoSize}},
    {"Label1(1)", K::Label, {480, 2400, 2670, 270},
        {.text = "Diameter of Pipeline (m): ", .font = Arial1125B, .colour = Black, .flags = RightAlign | AutoSize}},
    {"Label1(0)", K::Label, {720, 1920, 2460, 270},
        {.text = "Length of Pipeline (m): ", .font = Arial1125B, .colour = Black, .flags = RightAlign | AutoSize}},
};

// Pipe results.
constexpr ControlRow onFraOutput[] = {
    {"lblVCap(1)", K::Label, {240, 960, 2595, 270},
        {.text = "Headloss due to friction:", .font = Arial1125B, .colour = DarkRed, .flags = AutoSize}},
    {"lblVCap(0)", K::Label, {1440, 480, 1425, 270},
        {.text = "Pipe velocity:", .font = Arial1125B, .colour = DarkRed, .flags = AutoSize}},
    {"lblPipeV", K::Label, {3360, 480, 1575, 375}, {.text = "lblPipeV", .font = Arial1125B}},
    {"lblPipeHL", K::Label, {3360, 960, 1575, 375}, {.text = "lblPipeHL", .font = Arial1125B}},
};

// The button strip.
constexpr ControlRow onPicButtons[] = {
    {"cmdDrop7", K::PushButton, {10800, 480, 1095, 375}, {.text = "&Close", .tab = 5, .pictures = Close}},
    {"cmdDWAB2", K::PushButton, {2520, 240, 3735, 615},
        {.text = "&Pipe velocity and friction headloss", .tab = 85, .pictures = Open}},
    {"cmdDWAB1", K::PushButton, {6360, 240, 2415, 615}, {.text = "&Flow measurement", .tab = 86, .pictures = Open}},
    {"Label4", K::Label, {840, 120, 1695, 735}, {.text = ContactLine, .font = SmallFont, .flags = Hidden | WordWrap}},
    {"imgLogo(0)", K::Image, {120, 120, 615, 495}, {.picture = ":/logo.png"}},
    {"lblTime", K::Label, {11085, 120, 780, 270},
        {.text = "lblTime", .font = Arial1125B, .colour = TimeBlue, .flags = RightAlign | AutoSize}},
};

// Containers before their contents.
struct Section {
    const char *container; // nullptr: the form
    std::span<const ControlRow> rows;
};
constexpr Section sections[] = {
    {nullptr, onForm},
    {"fraFM", onFraFM},
    {"fraSO", onFraSO},
    {"fraWeir", onFraWeir},
    {"fraWeirTrap", onFraWeirTrap},
    {"fraWRec", onFraWRec},
    {"fraWeirV", onFraWeirV},
    {"fraKs", onFraKs},
    {"fraInput", onFraInput},
    {"fraOutput", onFraOutput},
    {"picButtons", onPicButtons},
};

bool isWindowless(ControlKind kind) { return kind == K::Label || kind == K::Image || kind == K::Shape; }

QColor textColour(const ControlRow &row, const QPalette &system)
{
    if (row.props.colour) return QColor(*row.props.colour);
    const bool box = row.kind == K::TextBox || row.kind == K::ComboBox;
    return system.color(box ? QPalette::Text : QPalette::ButtonText);
}

QWidget *create(const ControlRow &row, QWidget *parent)
{
    const QString text = QString::fromUtf8(row.props.text);
    switch (row.kind) {
    case K::Frame: return new Frame(text, parent);
    case K::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(text);
        return box;
    }
    case K::Label: {
        auto *label = new Label(parent);
        label->setText(text);
        return label;
    }
    case K::ComboBox: return new ComboBox(parent);
    case K::PushButton: return new AniPushButton(text, parent);
    case K::PictureBox: return new PictureBox(parent);
    case K::Image: return new ImageBox(QString::fromUtf8(row.props.picture), parent);
    case K::Shape: return new Shape(parent);
    }
    return nullptr;
}

// The font of a row, with every attribute set so nothing is inherited.
QFont catalogueFont(const FontDef &def)
{
    QFont font(QString::fromLatin1(def.family));
    font.setPixelSize(pointsToPixels(def.points));
    font.setWeight(def.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(def.italic);
    font.setUnderline(def.underline);
    font.setStrikeOut(false);
    return font;
}

void applyLook(QWidget *w, const ControlRow &row, const QPalette &system)
{
    const ControlProps &props = row.props;
    w->setFont(catalogueFont(props.font));
    QPalette pal = w->palette();
    // The form, frames, strip and buttons all sit on the window background.
    pal.setColor(QPalette::Window, system.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, textColour(row, system));
    w->setPalette(pal);

    if (auto *label = qobject_cast<Label *>(w)) {
        label->setAlignment((props.flags & RightAlign ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(props.flags & WordWrap);
        label->setAutoSize(props.flags & AutoSize);
    } else if (auto *box = qobject_cast<TextBox *>(w)) {
        if (props.flags & Max8) box->setMaxLength(8);
    } else if (auto *button = qobject_cast<AniPushButton *>(w)) {
        static const char *pictures[][2] = {
            {nullptr, nullptr},
            {"btn_close_1", "btn_close_2"},
            {"btn_open_1", "btn_open_2"},
            {"btn_choice_1", "btn_choice_2"},
        };
        if (const auto set = int(props.pictures))
            button->setPictures(AniPushButton::picture(QString::fromLatin1(pictures[set][0])),
                AniPushButton::picture(QString::fromLatin1(pictures[set][1])));
        static const QCursor pointer(QPixmap(":/cursor.png"), 12, 1);
        button->setCursor(pointer);
    }
    if (props.tab < 0)
        w->setFocusPolicy(Qt::NoFocus);
    else
        w->setProperty(TabIndexProperty, props.tab);
}

// The form itself: its caption, font and background; the layout's extent.
void applyFormLook(QWidget *form, const QPalette &system)
{
    form->setWindowTitle(QStringLiteral("Pipeline quorvel"));
    form->setWindowIcon(QIcon(QStringLiteral(":/icon_form.png")));
    form->setFont(catalogueFont(FormFont));
    form->setAutoFillBackground(true);
    form->setPalette(system);
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, system.color(QPalette::Base));
    form->setPalette(pal);
    form->setMinimumSize(formExtent());
}

// Creates a section's controls in its container, each named and placed.
void createSection(const Section &section, QWidget *parent, const QPalette &system, QHash<QString, QWidget *> &controls)
{
    for (const ControlRow &row : section.rows) {
        QWidget *w = create(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(twipsToPixels(row.at));
        applyLook(w, row, system);
        if (row.props.flags & Hidden) w->setVisible(false);
        controls.insert(w->objectName(), w);
    }
}

// The rows are listed top first, and windowless controls always lie beneath
// windowed ones. Raising from the bottom up leaves the first windowed row on top.
void stackSection(const Section &section, const QHash<QString, QWidget *> &controls)
{
    for (bool windowless : {true, false})
        for (auto it = section.rows.rbegin(); it != section.rows.rend(); ++it)
            if (isWindowless(it->kind) == windowless) controls.value(QLatin1String(it->name))->raise();
}

// Tab order by tab index; Qt skips hidden controls by itself.
void applyTabOrder(const QHash<QString, QWidget *> &controls)
{
    QList<const ControlRow *> tabbing;
    for (const Section &section : sections)
        for (const ControlRow &row : section.rows)
            if (row.props.tab >= 0) tabbing.append(&row);
    std::sort(tabbing.begin(), tabbing.end(), [](auto a, auto b) { return a->props.tab < b->props.tab; });
    for (qsizetype i = 1; i < tabbing.size(); ++i)
        QWidget::setTabOrder(
            controls.value(QLatin1String(tabbing[i - 1]->name)), controls.value(QLatin1String(tabbing[i]->name)));
}

} // namespace

QSize formExtent() { return {twipsToPixels(12015), twipsToPixels(8415)}; }

QHash<QString, QWidget *> buildForm(QWidget *form)
{
    const QPalette system = designPalette();
    applyFormLook(form, system);
    QHash<QString, QWidget *> controls;
    for (const Section &section : sections) {
        QWidget *parent = section.container ? controls.value(QLatin1String(section.container)) : form;
        Q_ASSERT(parent);
        createSection(section, parent, system, controls);
        stackSection(section, controls);
    }
    applyTabOrder(controls);
    return controls;
}
