#include "catalogue.h"

#include "AniPushButton.h"
#include "controls.h"
#include "twips.h"

#include <QApplication>
#include <QMap>
#include <QPixmap>
#include <algorithm>

namespace {

using K = ControlKind;

// Arial resolves to Liberation Sans, its metric twin, through fontconfig.
constexpr FontDef FormFont{"Arial", 9.75, true};
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

constexpr quint32 DarkRed = rgb(128, 0, 0);
constexpr quint32 ResultRed = rgb(192, 0, 0);
constexpr quint32 Black = rgb(0, 0, 0);
constexpr quint32 Navy = rgb(0, 0, 128);
constexpr quint32 TimeBlue = rgb(29, 86, 120);

// The contact line shown beside the logo: one item a line, so that no number is
// broken across two lines in the small font.
constexpr const char *ContactLine =
    "Quorvel Hydraulics Ltd\nTel 01632 960481\nFax 01632 960482\ncalc@quorvel.example";
// The five rows are typical values on the usual 0.015 - 0.03 - 0.06 ... series,
// not copied from one table; the note says so and names the standard reference
// for such good / normal / poor values.
constexpr const char *RoughnessSource =
    "Typical values, rounded; compare the good / normal / poor ks values in HR Wallingford and "
    "D.I.H. Barr, Tables for the Hydraulic Design of Pipes, Sewers and Channels, 7th edition, "
    "Thomas Telford, London, 1998.";

constexpr ControlRow rows[] = {
    // name, kind, container, left, top, width, height, caption, font, colour, flags, tab, picture, button pictures
    {"fraFM", K::Frame, nullptr, 120, 1080, 11655, 7335, "Flow measurement", Arial1125BU, ButtonText, Hidden, -1, nullptr, PictureSet::None},
    {"fraKs", K::Frame, nullptr, 6000, 1320, 5895, 3735, "Roughness values", FormFont, ButtonText, Hidden, -1, nullptr, PictureSet::None},
    {"fraInput", K::Frame, nullptr, 240, 1320, 5655, 3735, "Pipe velocity and friction headloss", Arial1125BU, DarkRed, Hidden, -1, nullptr, PictureSet::None},
    {"fraOutput", K::Frame, nullptr, 240, 5160, 5655, 1815, "Output", Arial1125BU, DarkRed, Hidden, -1, nullptr, PictureSet::None},
    {"comROE", K::ComboBox, nullptr, 3000, 8040, 1695, 360, "", FormFont, WindowText, Hidden, 7, nullptr, PictureSet::None},
    {"picButtons", K::PictureBox, nullptr, 0, 0, 12015, 975, "", StripFont, ButtonText, 0, 0, nullptr, PictureSet::None},
    {"Label1(2)", K::Label, nullptr, 480, 8160, 2385, 285, "Effluent Density (g/l):", FormFont, Black, Hidden | RightAlign | AutoSize, -1, nullptr, PictureSet::None},

    // The flow-measurement page.
    {"fraSO", K::Frame, "fraFM", 240, 600, 11175, 6255, "Small orifices - open tank", Arial1125BU, ButtonText, Hidden, -1, nullptr, PictureSet::None},
    {"fraWeir", K::Frame, "fraFM", 240, 600, 11175, 6255, "Notches and weirs", Arial1125BU, ButtonText, Hidden, -1, nullptr, PictureSet::None},
    {"AniPushButton3", K::PushButton, "fraFM", 240, 1320, 2295, 615, "Notches and weirs", FormFont, ButtonText, 0, 88, nullptr, PictureSet::Open},
    {"AniPushButton1", K::PushButton, "fraFM", 240, 720, 1935, 615, "Small orifices", FormFont, ButtonText, 0, 87, nullptr, PictureSet::Open},

    // Small orifices.
    {"txtSOH", K::TextBox, "fraSO", 5400, 2280, 735, 360, "", FormFont, WindowText, 0, 50, nullptr, PictureSet::None},
    {"txtSODia", K::TextBox, "fraSO", 6480, 240, 735, 360, "", FormFont, WindowText, 0, 49, nullptr, PictureSet::None},
    {"AniPushButton4", K::PushButton, "fraSO", 240, 4080, 1095, 615, "Close", FormFont, ButtonText, 0, 96, nullptr, PictureSet::Close},
    {"cmdSOSE", K::PushButton, "fraSO", 2520, 4080, 1455, 615, "Sharp-edged", Arial825B, ButtonText, 0, 97, nullptr, PictureSet::Choice},
    {"cmdSOBRU", K::PushButton, "fraSO", 7320, 4080, 1335, 615, "Running full", Arial825B, ButtonText, 0, 98, nullptr, PictureSet::Choice},
    {"cmdSOBRF", K::PushButton, "fraSO", 5640, 4080, 1455, 615, "Running free", Arial825B, ButtonText, 0, 99, nullptr, PictureSet::Choice},
    {"cmdSOR", K::PushButton, "fraSO", 4200, 4080, 1095, 615, "Rounded", Arial825B, ButtonText, 0, 100, nullptr, PictureSet::Choice},
    {"Label3(2)", K::Label, "fraSO", 10080, 3240, 855, 375, "l/s", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Label3(1)", K::Label, "fraSO", 10080, 2880, 855, 375, "cumec", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"lblLiter", K::Label, "fraSO", 8880, 3240, 735, 375, "lblLiter", Arial12B, ResultRed, 0, -1, nullptr, PictureSet::None},
    {"lblCumec", K::Label, "fraSO", 8880, 2880, 735, 375, "lblCumec", Arial12B, ResultRed, 0, -1, nullptr, PictureSet::None},
    {"Label3(0)", K::Label, "fraSO", 9360, 2400, 735, 375, "Flow", Arial1425BU, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Label2(2)", K::Label, "fraSO", 6480, 3840, 1335, 735, "Borda orifice", Arial9IU, ResultRed, WordWrap, -1, nullptr, PictureSet::None},
    {"Label2(1)", K::Label, "fraSO", 5760, 2640, 975, 735, "H of water level above orifice in m.", Arial9, ButtonText, WordWrap, -1, nullptr, PictureSet::None},
    {"Label2(0)", K::Label, "fraSO", 7320, 360, 1935, 375, "Orifice diameter in m.", Arial9, ButtonText, WordWrap, -1, nullptr, PictureSet::None},
    {"Image2(1)", K::Image, "fraSO", 2520, 3960, 5895, 3255, "", FormFont, ButtonText, 0, -1, ":/orifice_kinds.svg", PictureSet::None},
    {"Image2(0)", K::Image, "fraSO", 1440, -240, 6975, 4575, "", FormFont, ButtonText, 0, -1, ":/orifice_tank.svg", PictureSet::None},
    {"Shape1", K::Shape, "fraSO", 8640, 2280, 2295, 1455, "", FormFont, ButtonText, 0, -1, nullptr, PictureSet::None},

    // Notches and weirs, with the three notch frames on one rectangle.
    {"cmdWRec", K::PushButton, "fraWeir", 240, 840, 2295, 615, "Rectangular notch", FormFont, ButtonText, 0, 89, nullptr, PictureSet::Open},
    {"cmdWeirTrap", K::PushButton, "fraWeir", 240, 2280, 2295, 615, "Trapezoidal notch", FormFont, ButtonText, 0, 90, nullptr, PictureSet::Open},
    {"cmdWeirV", K::PushButton, "fraWeir", 240, 1560, 1335, 615, "V-notch", FormFont, ButtonText, 0, 91, nullptr, PictureSet::Open},
    {"AniPushButton2", K::PushButton, "fraWeir", 240, 3600, 1095, 615, "Close", FormFont, ButtonText, 0, 92, nullptr, PictureSet::Close},
    {"fraWeirTrap", K::Frame, "fraWeir", 3360, 600, 6975, 5055, "Trapezoidal notch", Arial1125B, Navy, Hidden, -1, nullptr, PictureSet::None},
    {"fraWRec", K::Frame, "fraWeir", 3360, 600, 6975, 5055, "Rectangular notch", Arial1125B, Navy, Hidden, -1, nullptr, PictureSet::None},
    {"fraWeirV", K::Frame, "fraWeir", 3360, 600, 6975, 5055, "V-notch", Arial1125B, Navy, Hidden, -1, nullptr, PictureSet::None},

    // Trapezoidal notch.
    {"txtTrAn", K::TextBox, "fraWeirTrap", 5880, 2160, 735, 375, "txtRecWidth", FormFont, WindowText, 0, 84, nullptr, PictureSet::None},
    {"txtTrWidth", K::TextBox, "fraWeirTrap", 4920, 1920, 735, 375, "txtRecWidth", FormFont, WindowText, 0, 78, nullptr, PictureSet::None},
    {"txtTrHeight", K::TextBox, "fraWeirTrap", 1800, 2520, 735, 375, "txtRecHeight", FormFont, WindowText, 0, 77, nullptr, PictureSet::None},
    {"Image5", K::Image, "fraWeirTrap", 120, 1440, 7215, 4335, "", FormFont, ButtonText, 0, -1, ":/trap_notch.svg", PictureSet::None},
    {"Label3(11)", K::Label, "fraWeirTrap", 6000, 1200, 855, 375, "l/s", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Label3(10)", K::Label, "fraWeirTrap", 6000, 840, 855, 375, "cumec", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"lblTLiter", K::Label, "fraWeirTrap", 4680, 1200, 780, 285, "lblLiter", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblTCumec", K::Label, "fraWeirTrap", 4680, 840, 1080, 285, "lblCumec", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"Label3(9)", K::Label, "fraWeirTrap", 5280, 360, 735, 375, "Flow", Arial1425BU, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Shape4", K::Shape, "fraWeirTrap", 4560, 240, 2295, 1455, "", FormFont, ButtonText, 0, -1, nullptr, PictureSet::None},

    // Rectangular notch.
    {"txtRecHeight", K::TextBox, "fraWRec", 1200, 720, 735, 375, "txtRecHeight", FormFont, WindowText, 0, 62, nullptr, PictureSet::None},
    {"txtRecWidth", K::TextBox, "fraWRec", 3000, 360, 735, 375, "txtRecWidth", FormFont, WindowText, 0, 61, nullptr, PictureSet::None},
    {"cmdCon", K::PushButton, "fraWRec", 480, 2640, 1815, 855, "Contractions: fully suppressed", Arial825B, ButtonText, 0, 93, nullptr, PictureSet::Choice},
    {"cmdCon2", K::PushButton, "fraWRec", 4080, 2640, 1815, 855, "Fully contracted", Arial825B, ButtonText, 0, 94, nullptr, PictureSet::Choice},
    {"cmdCon1", K::PushButton, "fraWRec", 2400, 2640, 1455, 855, "One side contraction", Arial825B, ButtonText, 0, 95, nullptr, PictureSet::Choice},
    {"Label3(5)", K::Label, "fraWRec", 5280, 1200, 735, 375, "Flow", Arial1425BU, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"lblRecCumec", K::Label, "fraWRec", 4680, 1680, 1080, 285, "lblCumec", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblRecLiter", K::Label, "fraWRec", 4680, 2040, 780, 285, "lblLiter", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"Label3(4)", K::Label, "fraWRec", 6000, 1680, 855, 375, "cumec", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Label3(3)", K::Label, "fraWRec", 6000, 2040, 855, 375, "l/s", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Image4", K::Image, "fraWRec", 120, 2760, 5535, 3015, "", FormFont, ButtonText, 0, -1, ":/contractions.svg", PictureSet::None},
    {"Image3", K::Image, "fraWRec", 120, 120, 4455, 3015, "", FormFont, ButtonText, 0, -1, ":/rect_notch.svg", PictureSet::None},
    {"Shape2", K::Shape, "fraWRec", 4560, 1080, 2295, 1455, "", FormFont, ButtonText, 0, -1, nullptr, PictureSet::None},

    // V-notch.
    {"txtVHeight", K::TextBox, "fraWeirV", 1320, 2400, 735, 375, "txtRecHeight", FormFont, WindowText, 0, 70, nullptr, PictureSet::None},
    {"txtVAn", K::TextBox, "fraWeirV", 3480, 2160, 735, 375, "txtRecWidth", FormFont, WindowText, 0, 69, nullptr, PictureSet::None},
    {"Label3(6)", K::Label, "fraWeirV", 5280, 360, 735, 375, "Flow", Arial1425BU, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"lblVCumec", K::Label, "fraWeirV", 4680, 840, 1080, 285, "lblCumec", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVLiter", K::Label, "fraWeirV", 4680, 1200, 780, 285, "lblLiter", Arial12B, ResultRed, AutoSize, -1, nullptr, PictureSet::None},
    {"Label3(7)", K::Label, "fraWeirV", 6000, 840, 855, 375, "cumec", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Label3(8)", K::Label, "fraWeirV", 6000, 1200, 855, 375, "l/s", Arial12B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"Image6", K::Image, "fraWeirV", 120, 1440, 5175, 4335, "", FormFont, ButtonText, 0, -1, ":/vnotch.svg", PictureSet::None},
    {"Shape3", K::Shape, "fraWeirV", 4560, 240, 2295, 1455, "", FormFont, ButtonText, 0, -1, nullptr, PictureSet::None},

    // The table of typical roughness values.
    {"lblVCap(28)", K::Label, "fraKs", 120, 2880, 5700, 420, RoughnessSource, Arial825I, DarkRed, AutoSize | WordWrap, -1, nullptr, PictureSet::None},
    {"lblVCap(27)", K::Label, "fraKs", 3960, 720, 0, 210, "Average", Arial825U, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(26)", K::Label, "fraKs", 4800, 720, 0, 210, "Rough", Arial825U, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(25)", K::Label, "fraKs", 4800, 1680, 0, 225, "0,6", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(24)", K::Label, "fraKs", 4800, 2040, 0, 225, "1,5", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(23)", K::Label, "fraKs", 4800, 2400, 0, 225, "6", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(22)", K::Label, "fraKs", 3120, 720, 0, 210, "Smooth", Arial825U, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(21)", K::Label, "fraKs", 3960, 960, 0, 225, "0,03", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(20)", K::Label, "fraKs", 3960, 1320, 0, 225, "0,06", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(19)", K::Label, "fraKs", 3960, 1680, 0, 225, "0,3", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(18)", K::Label, "fraKs", 3960, 2040, 0, 225, "0,6", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(17)", K::Label, "fraKs", 3960, 2400, 0, 225, "3", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(16)", K::Label, "fraKs", 4800, 960, 0, 225, "0,06", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(15)", K::Label, "fraKs", 4800, 1320, 0, 225, "0,15", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(14)", K::Label, "fraKs", 3120, 1320, 0, 225, "0,03", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(13)", K::Label, "fraKs", 3120, 1680, 0, 225, "0,15", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(12)", K::Label, "fraKs", 3120, 2040, 0, 225, "0,3", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(11)", K::Label, "fraKs", 3120, 2400, 0, 225, "1,5", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(10)", K::Label, "fraKs", 3120, 960, 0, 225, "0,015", Arial9, Black, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(9)", K::Label, "fraKs", 120, 2400, 0, 225, "Rough concrete / riveted steel", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(8)", K::Label, "fraKs", 120, 2040, 0, 225, "Spun concrete", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(7)", K::Label, "fraKs", 120, 1680, 0, 225, "Cast iron / cement mortar lining", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(6)", K::Label, "fraKs", 120, 1320, 0, 225, "Coated steel", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(5)", K::Label, "fraKs", 120, 960, 0, 225, "New fibre cement or PVC", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(4)", K::Label, "fraKs", 120, 360, 0, 225, "Typical roughness of pipe materials in mm.", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},

    // Pipe inputs.
    {"txtQT", K::TextBox, "fraInput", 3300, 1320, 1695, 360, "", Arial1125B, WindowText, Max8, 1, nullptr, PictureSet::None},
    {"txtDOP", K::TextBox, "fraInput", 3300, 2280, 1695, 360, "", Arial1125B, WindowText, Max8, 3, nullptr, PictureSet::None},
    {"txtLOP", K::TextBox, "fraInput", 3300, 1800, 1695, 360, "", Arial1125B, WindowText, Max8, 2, nullptr, PictureSet::None},
    {"comE1", K::ComboBox, "fraInput", 3300, 2760, 1695, 390, "", Arial1125B, WindowText, 0, 4, nullptr, PictureSet::None},
    {"Image1(1)", K::Image, "fraInput", 600, 720, 255, 255, "", FormFont, ButtonText, 0, -1, ":/bullet32.png", PictureSet::None},
    {"Image1(0)", K::Image, "fraInput", 600, 360, 255, 255, "", FormFont, ButtonText, 0, -1, ":/bullet32.png", PictureSet::None},
    {"lblVCap(3)", K::Label, "fraInput", 960, 720, 3135, 225, "Medium: Water with density of 1000 g/l", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(2)", K::Label, "fraInput", 960, 360, 4215, 225, "Headloss calculation according to Colebrook-White", Arial9, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"Label1(17)", K::Label, "fraInput", 660, 2880, 2385, 270, "Pipe Roughness (mm):", Arial1125B, Black, RightAlign | AutoSize, -1, nullptr, PictureSet::None},
    {"Label1(7)", K::Label, "fraInput", 1620, 1440, 1545, 270, "Total flow (l/s):", Arial1125B, Black, RightAlign | AutoSize, -1, nullptr, PictureSet::None},
    {"Label1(1)", K::Label, "fraInput", 480, 2400, 2670, 270, "Diameter of Pipeline (m): ", Arial1125B, Black, RightAlign | AutoSize, -1, nullptr, PictureSet::None},
    {"Label1(0)", K::Label, "fraInput", 720, 1920, 2460, 270, "Length of Pipeline (m): ", Arial1125B, Black, RightAlign | AutoSize, -1, nullptr, PictureSet::None},

    // Pipe results.
    {"lblVCap(1)", K::Label, "fraOutput", 240, 960, 2595, 270, "Headloss due to friction:", Arial1125B, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblVCap(0)", K::Label, "fraOutput", 1440, 480, 1425, 270, "Pipe velocity:", Arial1125B, DarkRed, AutoSize, -1, nullptr, PictureSet::None},
    {"lblPipeV", K::Label, "fraOutput", 3360, 480, 1575, 375, "lblPipeV", Arial1125B, ButtonText, 0, -1, nullptr, PictureSet::None},
    {"lblPipeHL", K::Label, "fraOutput", 3360, 960, 1575, 375, "lblPipeHL", Arial1125B, ButtonText, 0, -1, nullptr, PictureSet::None},

    // The button strip.
    {"cmdDrop7", K::PushButton, "picButtons", 10800, 480, 1095, 375, "&Close", FormFont, ButtonText, 0, 5, nullptr, PictureSet::Close},
    {"cmdDWAB2", K::PushButton, "picButtons", 2520, 240, 3735, 615, "&Pipe velocity and friction headloss", FormFont, ButtonText, 0, 85, nullptr, PictureSet::Open},
    {"cmdDWAB1", K::PushButton, "picButtons", 6360, 240, 2415, 615, "&Flow measurement", FormFont, ButtonText, 0, 86, nullptr, PictureSet::Open},
    {"Label4", K::Label, "picButtons", 840, 120, 1695, 735, ContactLine, SmallFont, ButtonText, Hidden | WordWrap, -1, nullptr, PictureSet::None},
    {"imgLogo(0)", K::Image, "picButtons", 120, 120, 615, 495, "", FormFont, ButtonText, 0, -1, ":/logo.png", PictureSet::None},
    {"lblTime", K::Label, "picButtons", 11085, 120, 780, 270, "lblTime", Arial1125B, TimeBlue, RightAlign | AutoSize, -1, nullptr, PictureSet::None},
};

bool isWindowless(ControlKind kind)
{
    return kind == K::Label || kind == K::Image || kind == K::Shape;
}

QColor systemOrRgb(quint32 colour, const QPalette &system)
{
    if (colour == ButtonText) return system.color(QPalette::ButtonText);
    if (colour == WindowText) return system.color(QPalette::Text);
    return QColor(QRgb(0xFF000000 | colour));
}

QWidget *create(const ControlRow &row, QWidget *parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case K::Frame: return new Frame(caption, parent);
    case K::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(caption);
        return box;
    }
    case K::Label: {
        auto *label = new Label(parent);
        label->setText(caption);
        return label;
    }
    case K::ComboBox: return new ComboBox(parent);
    case K::PushButton: return new AniPushButton(caption, parent);
    case K::PictureBox: return new PictureBox(parent);
    case K::Image: return new ImageBox(QString::fromUtf8(row.picture), parent);
    case K::Shape: return new Shape(parent);
    }
    return nullptr;
}

void applyLook(QWidget *w, const ControlRow &row, const QPalette &system)
{
    w->setFont(catalogueFont(row.font));
    QPalette pal = w->palette();
    // The form, frames, strip and buttons all sit on the window background.
    pal.setColor(QPalette::Window, system.color(QPalette::Base));
    const QColor text = systemOrRgb(row.colour, system);
    pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);

    if (auto *label = qobject_cast<Label *>(w)) {
        label->setAlignment(Qt::Alignment(row.flags & RightAlign ? Qt::AlignRight : Qt::AlignLeft)
                            | Qt::AlignTop);
        label->setWordWrap(row.flags & WordWrap);
        label->setAutoSize(row.flags & AutoSize);
    } else if (auto *box = qobject_cast<TextBox *>(w)) {
        if (row.flags & Max8) box->setMaxLength(8);
    } else if (auto *button = qobject_cast<AniPushButton *>(w)) {
        static const char *pictures[][2] = {
            {nullptr, nullptr},
            {":/btn_close_1.png", ":/btn_close_2.png"},
            {":/btn_open_1.png", ":/btn_open_2.png"},
            {":/btn_choice_1.png", ":/btn_choice_2.png"},
        };
        const auto set = int(row.buttonPictures);
        if (set) button->setPictures(QPixmap(pictures[set][0]), QPixmap(pictures[set][1]));
        static const QCursor pointer(QPixmap(":/cursor.png"), 12, 1);
        button->setCursor(pointer);
    }
    if (row.tabIndex < 0) w->setFocusPolicy(Qt::NoFocus);
    else w->setProperty(TabIndexProperty, row.tabIndex);
}

} // namespace

std::span<const ControlRow> formCatalogue()
{
    return rows;
}

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

QHash<QString, QWidget *> buildControls(QWidget *form)
{
    const QPalette system = QApplication::palette();
    QHash<QString, QWidget *> controls;
    for (const ControlRow &row : rows) {
        QWidget *parent = row.container ? controls.value(QString::fromLatin1(row.container)) : form;
        Q_ASSERT(parent);
        QWidget *w = create(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        applyLook(w, row, system);
        if (row.flags & Hidden) w->setVisible(false);
        controls.insert(w->objectName(), w);
    }

    // Stacking: in each container the rows are listed top first, and windowless
    // controls always lie beneath windowed ones. Raising from the bottom up
    // leaves the first windowed row on top.
    QMap<QString, QList<const ControlRow *>> byContainer;
    for (const ControlRow &row : rows)
        byContainer[QString::fromLatin1(row.container ? row.container : "")].append(&row);
    for (const auto &members : byContainer) {
        for (bool windowless : {true, false})
            for (auto it = members.crbegin(); it != members.crend(); ++it)
                if (isWindowless((*it)->kind) == windowless)
                    controls.value(QString::fromLatin1((*it)->name))->raise();
    }

    // Tab order by tab index; Qt skips hidden controls by itself.
    QList<const ControlRow *> tabbing;
    for (const ControlRow &row : rows)
        if (row.tabIndex >= 0) tabbing.append(&row);
    std::sort(tabbing.begin(), tabbing.end(),
              [](auto a, auto b) { return a->tabIndex < b->tabIndex; });
    for (qsizetype i = 1; i < tabbing.size(); ++i)
        QWidget::setTabOrder(controls.value(QString::fromLatin1(tabbing[i - 1]->name)),
                             controls.value(QString::fromLatin1(tabbing[i]->name)));
    return controls;
}
