// Starts the calculator in a browser tab, as app/main.cpp does on a desktop, with
// what a page needs besides: Liberation Sans built in for the form's Arial, the
// parent window's caption as the page's title, and an end that the page shows,
// since a page cannot close its own tab.
#include "app/MDIQvl.h"
#include "app/startup.h"
#include "form/frmQvOpen.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>

#include <emscripten.h>
#include <emscripten/val.h>

namespace {

// The page's quorvelEnded() (index.html) puts its note where the program was.
void showEndInPage() { emscripten_run_script("if (typeof quorvelEnded === 'function') quorvelEnded();"); }

// Marks in the page's performance timeline when the form is first painted, after
// the browser frame that shows it: scripts/web-check's time to the first form.
class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            emscripten_run_script(
                "requestAnimationFrame(() => requestAnimationFrame(() => performance.mark('quorvel-form-painted')))");
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // A page has no fontconfig to map Arial to its metric twin: the built-in
    // Liberation Sans stands for it, so every caption sits where the catalogue puts it.
    for (const char *style : {"Regular", "Bold", "Italic"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(QLatin1String(style)));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setUpApplication();
    const MainWindow window = openMainWindow();
    emscripten::val::global("document").set("title", window.parent->windowTitle().toStdString());
    FirstPaint firstPaint;
    window.form->installEventFilter(&firstPaint);

    // "Close" ends the program as on a desktop: its windows go, and the page says
    // that it has ended and how to start it again. So does closing the parent window.
    window.form->End = [parent = window.parent.get()] {
        parent->hide();
        showEndInPage();
    };
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, showEndInPage);
    // In a browser exec() hands control to the page and never comes back here;
    // main()'s objects stay as they are.
    return QApplication::exec();
}
