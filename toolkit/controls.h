// The control kinds of the calculator form, as thin Qt widgets: what each adds to
// Qt is only what the form's logic and its look rely on.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QValidator>
#include <QWidget>

#include <functional>

class QSvgRenderer;

// The longest text an input box takes. A box only ever holds a number: 32
// characters take any double written out in full (at most 24) with a few
// grouping blanks, and keep every keystroke's text layout short, which a box
// filled towards Qt's own limit of 32767 would not.
inline constexpr int MaxInputLength = 32;

// A control that takes the focus carries its place in the tab order in this
// property. (Qt's focus chain is a ring with no first member.)
inline constexpr const char *TabIndexProperty = "tabIndex";

// The window's colours: the light system colours the form's fixed caption
// colours were chosen against. Kept whatever the desktop's theme, so that dark
// red, navy and black captions keep their contrast on a dark desktop too.
QPalette designPalette();

// The keypad's decimal key types a period in a box, the program's one decimal
// separator, whatever the layout gives it (a comma on a German keypad).
// Returns true when it has typed into box.
bool typeKeypadDecimal(QLineEdit *box, QKeyEvent *event);

// What a control says of itself on hover and to a screen reader, from parts
// kept in the control: its cue (how its text was read, or why the figure it
// shows is not sure), its description, and a note on the figure it shows. The
// tooltip is the cue, then the note or else the accessible name; the accessible
// description is the cue, the description and the note. A control with a cue
// draws a small mark (a box in its top right corner, a figure under it); the
// mark takes no focus and no click.
void setDescription(QWidget *control, const QString &description);
void setNote(QWidget *control, const QString &note);
void setCue(QWidget *control, const QString &cue);
QString cueOf(const QWidget *control);

// An input box takes a digit of any script as the ASCII digit of the same value,
// and the Arabic decimal separator as a point, typed or pasted: the box holds
// the number the user meant, in the only digits the program reads.
class LatinDigits : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Text box: QLineEdit's textChanged is the Change event (typing, and any setText
// that really changes the text, raised synchronously, once).
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Label: transparent, optionally sized to its caption. An auto-size label keeps its
// left edge, or its right edge when its caption is right-aligned. It takes its own
// mouse moves, so the container under it never sees them.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    void setAutoSize(bool on);
    // Sets the caption, fits an auto-size label to it and tells a screen reader.
    void setTextFitted(const QString &caption);
    // A result: the mouse selects its text, Ctrl+C and the context menu's Copy
    // copy it (the whole caption when nothing is selected). A click gives it the
    // focus, Tab never does. The menu's "Copy calculation" runs copyCalculation.
    void setCopyable(std::function<void()> copyCalculation);
    // A figure kept from earlier inputs is drawn grey. An empty caption has no
    // cue, note or grey.
    void setStale(bool stale);
    bool isStale() const { return m_stale; }

signals:
    void captionChanged(); // by setTextFitted, to a different text

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToCaption();
    bool m_autoSize = false;
    bool m_stale = false;
    QColor m_colour; // the caption colour while not stale
    std::function<void()> m_copyCalculation;
};

// Editable drop-down combo box; editTextChanged is its Change, activated its Click.
// It holds exactly what was typed or picked: no completion from its list, and
// Return adds nothing to the list. The wheel changes its value only while it has
// the focus; a wheel passing over it neither takes the focus nor changes it.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent = nullptr);
    // Appends to the list; unlike addItem, the text in the box stays as it is
    // (no first item is put into an empty box) and no Change is raised.
    void appendKeepingText(const QString &item);
    bool hasPart(const QWidget *w) const; // the box itself, its editor or its list

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Frame: a flat rectangle with a caption on its top edge, on an opaque
// background, so a frame covers whatever lies beneath it.
//
// setVisible sets the frame's Visible flag, which the handlers own. What lies
// under a frame with its flag set (a control of the same container that the
// frame takes in whole, lower in the stacking order) cannot be seen, so it is
// hidden from Qt as well: it takes no focus and no click, Tab passes it by and a
// screen reader is not told it shows. A covered frame keeps its flag and shows
// again once nothing covers it. The focus never stays on a control that
// disappears: a control that gets covered hands it to the first control of the
// frame on top (the lowest tab index), and a frame whose flag is cleared hands it
// to its focus heir.
class Frame : public QWidget {
    Q_OBJECT
public:
    explicit Frame(const QString &caption, QWidget *parent = nullptr);
    // Where the caption interrupts the top edge, in the frame's coordinates.
    QRect captionRect() const;

    // Sets the Visible flag and restacks the container. The flag is what the
    // handlers asked for, isHidden() what Qt shows: a covered frame has the one
    // set and the other true, which is why the flag is kept apart.
    void setVisible(bool visible) override;
    // Takes the focus when the frame is hidden while holding it (for a sub-page,
    // the button that opens it again). Without one, the frame's container takes
    // it, which Tab then leaves like any other place.
    void setFocusHeir(QWidget *heir) { m_focusHeir = heir; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    struct Change {
        QWidget *widget;
        bool show;
        Frame *cover;
    };
    static void restack(QWidget *container);
    static QList<Change> coverage(QWidget *container);
    static bool showsUnder(QWidget *w, const QList<Frame *> &above, Frame *&cover);
    static void handFocusOver(const QList<Change> &changes, QWidget *container);
    static constexpr int CaptionIndent = 6, CaptionPadding = 2;
    QString m_caption;
    bool m_visible = true;
    QPointer<QWidget> m_focusHeir;
};

// Result panel: tooltip-coloured fill with a 3-pixel dark red outline.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;
};

// Picture stretched to the control, vector or bitmap.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(const QString &resource, QWidget *parent = nullptr);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool hasPicture() const;
    QPixmap renderPicture(QSize pixels) const; // the picture stretched to pixels

    QSvgRenderer *m_svg = nullptr;
    // A bitmap: the logo, the bullet, or a drawing rendered at build time where Qt reads no SVG.
    QImage m_bitmap;
    QPixmap m_rendered; // the picture at the current size
};

// Picture box used as the button strip: reports mouse moves over its bare surface.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *) override;
};

// Raises gotFocus / lostFocus for one combo box the way a user means them: the
// list dropping down and closing is not leaving the box, nor is switching to
// another application; moving to another control of the window is.
class FocusWatcher : public QObject {
    Q_OBJECT
public:
    FocusWatcher(ComboBox *box, QObject *parent);

signals:
    void gotFocus();
    void lostFocus();

private:
    void focusChanged(QWidget *old, QWidget *now);
    QPointer<ComboBox> m_box;
    bool m_hasFocus = false;
};
