// Layout units: the form is designed in twips, 15 to a logical pixel at 96 dpi.
// Qt's device pixel ratio takes care of denser screens.
#pragma once

#include <QRect>
#include <QtMath>

inline int twipsToPixels(int twips) { return qRound(twips / 15.0); }

struct TwipsRect {
    int left, top, width, height;
};

inline QRect twipsToPixels(const TwipsRect &r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height));
}

// Point sizes of the design are for 96 dpi; fonts are set in pixels so that text
// keeps its size relative to the fixed layout whatever the screen reports.
inline int pointsToPixels(double points) { return qRound(points * 96.0 / 72.0); }
