// Starts with main()'s own start-up and quits as soon as the calculator form has
// painted for the first time, so the peak resident memory up to the first window
// can be read by /usr/bin/time -v. It also prints that peak itself, and
// how long the start took inside main.
#include "app/MDIQvl.h"
#include "app/startup.h"
#include "form/frmQvOpen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    qint64 paintedAfterMs = -1;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && paintedAfterMs < 0) {
            paintedAfterMs = m_clock.elapsed();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

QByteArray statusLine(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key)) return line.simplified();
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();

    QApplication app(argc, argv);
    setUpApplication();
    const MainWindow window = openMainWindow();
    QuitAfterFirstPaint watcher(clock);
    window.form->installEventFilter(&watcher);

    const int code = QApplication::exec();
    std::printf("platform %s: form painted %lld ms into main; %s\n", qPrintable(QGuiApplication::platformName()),
        static_cast<long long>(watcher.paintedAfterMs), statusLine("VmHWM").constData());
    return code;
}
