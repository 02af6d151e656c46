// The least Qt Widgets program that shows a window: a QLabel. scripts/bench
// measures its start beside the calculator's, as the toolkit's own floor.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quorvel"));
    label.show();
    return QApplication::exec();
}
