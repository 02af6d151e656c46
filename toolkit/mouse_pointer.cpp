#include "toolkit/mouse_pointer.h"

#include <QCursor>
#include <QGuiApplication>

void setScreenMousePointer(MousePointer pointer)
{
    if (pointer == vbHourglass) {
        if (!QGuiApplication::overrideCursor()) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        return;
    }
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}
