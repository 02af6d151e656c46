// Starts the calculator: the parent window first, then the form inside it,
// loaded and shown maximized.
#include "app/MDIQvl.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const MainWindow window = openMainWindow();
    return QApplication::exec();
}
