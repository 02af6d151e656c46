#include "app/startup.h"

#include "app/MDIQvl.h"
#include "form/frmQvOpen.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // What the catalogue gives no font of its own (the calculator's title bar inside
    // the parent window) draws in Arial too: with only the Liberation fonts
    // installed, the system's sans-serif can resolve to a monospace face.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Arial"));
    QApplication::setFont(font);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvel.Quorvel"));
}

MainWindow openMainWindow()
{
    auto parent = std::make_unique<MDIQvl>();
    // Without a window manager (a bare X server) maximizing does nothing, so the
    // window is first given the whole available screen.
    parent->setGeometry(parent->screen()->availableGeometry());
    parent->showMaximized();

    auto *form = new frmQvOpen;
    form->Form_Load();
    parent->addChild(form)->showMaximized();
    return {std::move(parent), form};
}
