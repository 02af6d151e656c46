// Starts the calculator: the parent window first, then the form inside it,
// loaded and shown maximized.
#include "MDIQvl.h"
#include "frmQvOpen.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvel.Quorvel"));

    MDIQvl parent;
    // Without a window manager (a bare X server) maximizing does nothing, so the
    // window is first given the whole available screen.
    parent.setGeometry(parent.screen()->availableGeometry());
    parent.showMaximized();

    auto *form = new frmQvOpen;
    form->Form_Load();
    parent.addChild(form)->showMaximized();

    return QApplication::exec();
}
