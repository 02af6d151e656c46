// The calculator form as designed: one row per control, in the order of the
// design (containers before their contents; in each container, top of the
// stacking order first). Positions and sizes are in twips.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include <span>

enum class ControlKind { Frame, TextBox, Label, ComboBox, PushButton, PictureBox, Image, Shape };

struct FontDef {
    const char *family;
    double points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Colours: 0x00RRGGBB, or a system colour.
enum : quint32 { ButtonText = 0xFF000001, WindowText = 0xFF000002 };
constexpr quint32 rgb(int r, int g, int b) { return quint32(r) << 16 | quint32(g) << 8 | quint32(b); }

// Max8: a text box that takes at most 8 characters.
enum ControlFlag : unsigned { Hidden = 1, AutoSize = 2, RightAlign = 4, WordWrap = 8, Max8 = 16 };

enum class PictureSet { None, Close, Open, Choice };

struct ControlRow {
    const char *name;
    ControlKind kind;
    const char *container; // nullptr: the form itself
    int left, top, width, height;
    const char *caption;
    FontDef font;
    quint32 colour;
    unsigned flags;
    int tabIndex;            // -1: takes no focus
    const char *picture;     // images: resource path
    PictureSet buttonPictures;
};

std::span<const ControlRow> formCatalogue();

// Creates every control of the catalogue on the form, with its design-time
// properties, stacking order and tab order. Returns them by name.
QHash<QString, QWidget *> buildControls(QWidget *form);

// The font of a catalogue row, with every attribute set so nothing is inherited.
QFont catalogueFont(const FontDef &def);
