#include "app/manual.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>

namespace {
QPointer<QTextBrowser> manual;
} // namespace

void showManual(QWidget *parent)
{
    if (!manual) {
        // A window of its own, owned by the parent: it closes when the program ends.
        manual = new QTextBrowser(parent);
        manual->setWindowFlag(Qt::Window);
        manual->setAttribute(Qt::WA_DeleteOnClose);
        manual->setObjectName(QStringLiteral("manual"));
        manual->setWindowTitle(QStringLiteral("Quorvel " QUORVEL_VERSION " manual"));
        manual->setAccessibleName(manual->windowTitle());
        // Links lead only to the report beside the manual, inside the program;
        // nothing is fetched from anywhere else.
        manual->setOpenExternalLinks(false);
        QFont font = manual->font();
        font.setPointSizeF(11);
        manual->setFont(font);
        manual->setSource(QUrl(QStringLiteral("qrc:/manual/manual.md")), QTextDocument::MarkdownResource);
        new QShortcut(QKeySequence(Qt::Key_Escape), manual, manual.data(), &QWidget::close);
        // As wide as a page of text, and no larger than the screen.
        const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        manual->resize(QSize(760, 900).boundedTo(screen.size() * 9 / 10));
        manual->move(screen.center() - manual->rect().center());
    }
    manual->show();
    manual->raise();
    manual->activateWindow();
}
