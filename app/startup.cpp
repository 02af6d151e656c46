#include "app/startup.h"

#include "app/MDIQvl.h"
#include "form/catalogue.h"
#include "form/frmQvOpen.h"
#include "form/spoken_results.h"
#include "toolkit/controls.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QScreen>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // One writing direction for the whole window, the design's left to right,
    // whatever -reverse or a right-to-left language asks: the form places every
    // control by its own coordinates and reads left to right, so Qt's mirroring
    // would flip only the few controls that mirror themselves (the roughness box)
    // and the frame around the form (the title bar's buttons, the scroll bars,
    // which would then scroll a left-to-right form from its right-hand end).
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The design's light colours everywhere, the form's lists and menus included,
    // whatever the desktop's theme: see designPalette().
    QApplication::setPalette(designPalette());
    // What the catalogue gives no font of its own (the calculator's title bar inside
    // the parent window) draws in Arial too: with only the Liberation fonts
    // installed, the system's sans-serif can resolve to a monospace face.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Arial"));
    QApplication::setFont(font);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvel.Quorvel"));
    installAccessibleFactories();
}

MainWindow openMainWindow()
{
    // The parent shows first, as the window the form loads into; the form is
    // built and loaded after it, under the hourglass, and shown maximized in it.
    // Nothing is painted before the message loop runs, so the form still shows
    // whole; the window is mapped (and framed) before the form's work, not after.
    auto parent = std::make_unique<MDIQvl>();

    // Restored (not maximized), the window holds the form if the screen's work
    // area has room for it, and is otherwise smaller than the work area, centred
    // on it with room above for the window manager's title bar.
    const QRect work = parent->screen()->availableGeometry();
    const int margin = work.height() / 20, titleBar = 40;
    const QSize room(work.width() - 2 * margin, work.height() - 2 * margin - titleBar);
    QRect restored(QPoint(), (parent->childSizeFor(formExtent()) + QSize(8, 8)).boundedTo(room));
    restored.moveCenter(work.center() + QPoint(0, titleBar / 2));
    parent->setGeometry(restored);
    parent->showMaximized();

    auto *form = new frmQvOpen;
    form->Form_Load();
    QMdiSubWindow *child = parent->addChild(form);
    child->showMaximized();
    return {std::move(parent), form};
}
