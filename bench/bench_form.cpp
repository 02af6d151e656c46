// The form as the user meets it, on the offscreen platform: how long until it is
// ready, and one keystroke's whole way from the key event in a box to the result
// caption on each page.
#include "app/MDIQvl.h"
#include "app/startup.h"
#include "form/frmQvOpen.h"
#include "targets.h"
#include "toolkit/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<frmQvOpen> loadedForm()
{
    auto form = std::make_unique<frmQvOpen>();
    form->End = [] {};
    form->Form_Load();
    return form;
}

// Creating the form with all its controls and running Form_Load.
void BM_FormReady(benchmark::State &state)
{
    for (auto _ : state) {
        auto form = loadedForm();
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}

// The whole start as main() does it, up to the form's first paint.
void BM_StartToFirstPaint(benchmark::State &state)
{
    struct PaintSeen : QObject {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint) painted = true;
            return false;
        }
    };
    for (auto _ : state) {
        MainWindow window = openMainWindow();
        window.form->End = [] {};
        PaintSeen seen;
        window.form->installEventFilter(&seen);
        while (!seen.painted) QCoreApplication::processEvents(QEventLoop::AllEvents);
        window.form->removeEventFilter(&seen);
        state.PauseTiming();
        window.parent.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// One page: the buttons that open it, pressed in this order, its boxes filled in
// this order (the last is the one typed into), and a caption that must follow
// the keystroke. Reached by name, as a user's clicks and typing reach them.
struct Page {
    QStringList buttons;
    QList<std::pair<QString, QString>> inputs;
    QString result;
};

const Page pipePage{
    {"cmdDWAB2"}, {{"txtLOP", "1000"}, {"txtDOP", "0.3"}, {"comE1", "1.5"}, {"txtQT", "10"}}, "lblPipeHL"};
const Page orificePage{{"cmdDWAB1", "AniPushButton1"}, {{"txtSODia", "0.1"}, {"txtSOH", "2"}}, "lblLiter"};
const Page rectangularPage{
    {"cmdDWAB1", "AniPushButton3", "cmdWRec"}, {{"txtRecWidth", "1"}, {"txtRecHeight", "0.2"}}, "lblRecLiter"};
const Page trapezoidalPage{{"cmdDWAB1", "AniPushButton3", "cmdWeirTrap"},
    {{"txtTrAn", "14"}, {"txtTrWidth", "1"}, {"txtTrHeight", "0.2"}}, "lblTLiter"};
const Page vNotchPage{
    {"cmdDWAB1", "AniPushButton3", "cmdWeirV"}, {{"txtVAn", "90"}, {"txtVHeight", "0.2"}}, "lblVLiter"};

void openPage(frmQvOpen &form, const Page &page)
{
    for (const QString &name : page.buttons) form.findChild<QAbstractButton *>(name)->click();
    for (const auto &[name, text] : page.inputs) {
        if (auto *combo = form.findChild<QComboBox *>(name))
            combo->setEditText(text);
        else
            form.findChild<QLineEdit *>(name)->setText(text);
    }
}

// Each iteration is one keystroke: a 5 appended to the box, then the Backspace
// that takes it away again, so every keystroke gives a different result. With
// `painted`, the repaint that the new caption asks for is included too.
void BM_Keystroke(benchmark::State &state, const Page &page, bool painted)
{
    auto form = loadedForm();
    form->resize(801, 561);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        state.SkipWithError("the form was never shown");
        return;
    }
    openPage(*form, page);
    QCoreApplication::processEvents();
    auto *box = form->findChild<TextBox *>(page.inputs.last().first);
    auto *result = form->findChild<Label *>(page.result);
    box->setFocus();
    box->end(false);

    const QString before = result->text();
    QTest::keyClick(box, Qt::Key_5);
    const QString after = result->text();
    QTest::keyClick(box, Qt::Key_Backspace);
    if (before.isEmpty() || after == before || result->text() != before) {
        state.SkipWithError("the result caption does not follow the keystroke");
        return;
    }

    bool append = true;
    for (auto _ : state) {
        QTest::keyClick(box, append ? Qt::Key_5 : Qt::Key_Backspace);
        if (painted) QCoreApplication::processEvents();
        append = !append;
    }
}

} // namespace

BENCHMARK(BM_FormReady)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, pipe, pipePage, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, orifice, orificePage, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, rectangular_notch, rectangularPage, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, trapezoidal_notch, trapezoidalPage, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, v_notch, vNotchPage, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, pipe_repainted, pipePage, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, orifice_repainted, orificePage, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, rectangular_notch_repainted, rectangularPage, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, trapezoidal_notch_repainted, trapezoidalPage, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, v_notch_repainted, vNotchPage, true)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    // The benchmark needs no display; a display given on purpose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says so at every window shown; that is no news here.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(QLatin1String("does not support propagateSizeHints"))) qtHandler(type, context, message);
    });
    QApplication app(argc, argv);
    setUpApplication();

    return runAgainst({{"BM_FormReady", 50e-3}, {"BM_Keystroke/", 1e-3}}, argc, argv);
}
