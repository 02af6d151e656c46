// The form's push button: a caption with an access key, a caption colour that can
// be set at run time, a state flag that makes it look selected, two small picture
// frames (at rest; hovered, pressed or selected) and its own mouse pointer.
#pragma once

#include <QAbstractButton>
#include <QIcon>

class QPainter;

// Caption colours in the 0x00BBGGRR encoding: the blue that marks a chosen
// variant, and black for the others.
inline constexpr quint32 vbBlue = 0xFF0000;
inline constexpr quint32 vbBlack = 0;

class AniPushButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit AniPushButton(const QString &caption, QWidget *parent = nullptr);

    // Makes screen readers see every button as a push button with its state;
    // called once at start-up, before the first button is made.
    static void installAccessibleFactory();

    // Caption colour in the 0x00BBGGRR encoding, drawn at once. A blue caption
    // marks the chosen button of a row; a screen reader is told it is selected.
    void setForeColor(quint32 bgr);
    quint32 foreColor() const { return m_foreColor; }

    // The state flag: true draws the button as the selected one; a screen reader
    // is told it is checked.
    void setValue(bool selected);
    bool value() const { return m_value; }

    // Marks this button as a family's chosen variant or not: the caption colour
    // (blue or black) first, then the state flag.
    void markChosen(bool chosen);

    // A picture frame from the resources: the 20-pixel bitmap name.png, shown as
    // it is at 100 %, and the same picture as a vector, name.svg, for every other
    // scale. Where Qt reads no SVG, PNGs rendered from it at build time at 25 to
    // 40 pixels stand in for it (cmake/windows.cmake).
    static QIcon picture(const QString &name);
    void setPictures(const QIcon &atRest, const QIcon &active);

    // The caption as shown: without the ampersand that marks the access key.
    QString plainCaption() const;

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *) override;

private:
    // Where the picture and the caption are drawn, in the button's coordinates.
    struct Placement {
        QRect picture; // empty when the button has no pictures
        QRect caption;
    };
    Placement placement() const;
    QColor captionColor() const;
    void paintFace(QPainter &p, const QRect &body) const;
    quint32 m_foreColor;
    bool m_value = false;
    QIcon m_pictures[2];
};
