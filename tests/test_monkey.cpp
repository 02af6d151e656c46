// A seeded monkey on the real form: thousands of keystrokes, pastes of odd texts,
// clicks on whatever button is on top, focus moves and access keys. After every
// event the form must still be sane: results are blank or well-formed numbers
// (never inf or nan), each page shows what its inputs give, no busy cursor is
// left behind, and the frames and chosen variants follow the buttons pressed.
//
// QUORVEL_MONKEY_SEED=<n> replays one seed; QUORVEL_MONKEY_EVENTS=<n> sets the
// number of events per seed.
#include "AniPushButton.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "guards.h"
#include "numbers.h"
#include "pipe.h"
#include "trapezoidal_notch.h"
#include "v_notch.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <optional>

namespace {

constexpr quint32 Blue = 0xFF0000;

std::string text(const QLineEdit *box) { return box->text().toStdString(); }

// What the monkey believes the form shows, updated from the buttons' clicks
// (however they were caused: mouse, space bar or access key).
struct Model {
    bool input = false, fm = false, so = false, weir = false;
    QString notch;        // the notch frame last chosen
    QStringList opened;   // notch frames chosen at least once (their boxes emptied)
    OrificeKind soKind = 0;
    Contraction rec = 0;

    void clicked(const QString &button)
    {
        if (button == u"cmdDWAB2") { fm = false; input = true; }
        else if (button == u"cmdDWAB1") { input = false; fm = true; }
        else if (button == u"AniPushButton1") { weir = false; so = true; soKind = 1; }
        else if (button == u"AniPushButton3") { so = false; weir = true; }
        else if (button == u"AniPushButton4") { so = false; }
        else if (button == u"AniPushButton2") { weir = false; so = false; }
        else if (button == u"cmdWRec") { choose(QStringLiteral("fraWRec")); rec = 0; }
        else if (button == u"cmdWeirTrap") { choose(QStringLiteral("fraWeirTrap")); }
        else if (button == u"cmdWeirV") { choose(QStringLiteral("fraWeirV")); }
        else if (button == u"cmdSOSE") { soKind = 1; }
        else if (button == u"cmdSOR") { soKind = 2; }
        else if (button == u"cmdSOBRF") { soKind = 3; }
        else if (button == u"cmdSOBRU") { soKind = 4; }
        else if (button == u"cmdCon") { rec = 0; }
        else if (button == u"cmdCon1") { rec = 1; }
        else if (button == u"cmdCon2") { rec = 2; }
    }
    void choose(const QString &frame)
    {
        notch = frame;
        if (!opened.contains(frame)) opened << frame;
    }
};

QStringList oddTexts()
{
    return {QStringLiteral("1e400"), QStringLiteral("&HFFFF"), QStringLiteral("-0"), QStringLiteral("."),
            QStringLiteral("--3"), QStringLiteral("1e-200"), QStringLiteral("0,5"), QStringLiteral("1e308"),
            QStringLiteral("-1e308"), QStringLiteral("&O777"), QStringLiteral("  2.5 m"),
            QStringLiteral("0.0009"), QStringLiteral("180"), QStringLiteral("90"), QStringLiteral("0.25"),
            QStringLiteral("4.9e-324"), QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-inf"),
            QStringLiteral("The flow was 12.5 l/s,\nthe head 0.3 m;\tsee page 2."),
            QString(10000, u'9'), QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1"),
            QStringLiteral("\u00bd \u0661\u0662 \uff13")};
}

const QRegularExpression cumecShape(QStringLiteral("^-?[0-9]+\\.[0-9]{3}$"));
const QRegularExpression literShape(QStringLiteral("^-?[0-9]+\\.[0-9]{2}$"));
const QRegularExpression velocityShape(QStringLiteral("^-?[0-9]+\\.[0-9]{2}  m/s$"));
const QRegularExpression headlossShape(QStringLiteral("^-?[0-9]+\\.[0-9]{2}  m$"));

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomEvents_data();
    void randomEvents();

private:
    void act(frmQvOpen &form, QRandomGenerator &rng, QString &did);
    void checkSane(frmQvOpen &form, const Model &model, const QString &did);
    QList<QWidget *> reachable(frmQvOpen &form) const;
};

void MonkeyTest::randomEvents_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    const int events = qEnvironmentVariableIsSet("QUORVEL_MONKEY_EVENTS")
                           ? qEnvironmentVariableIntValue("QUORVEL_MONKEY_EVENTS")
                           : 2000;
    if (qEnvironmentVariableIsSet("QUORVEL_MONKEY_SEED")) {
        const quint32 seed = quint32(qEnvironmentVariable("QUORVEL_MONKEY_SEED").toULong());
        QTest::addRow("seed %u", seed) << seed << events;
        return;
    }
    for (quint32 seed : {20261206u, 7u, 424242u})
        QTest::addRow("seed %u", seed) << seed << events;
}

// The buttons and boxes a user could reach with the mouse: shown, and not covered
// by a frame stacked above them.
QList<QWidget *> MonkeyTest::reachable(frmQvOpen &form) const
{
    QList<QWidget *> out;
    const auto candidates = form.findChildren<QWidget *>();
    for (QWidget *w : candidates) {
        if (!qobject_cast<AniPushButton *>(w) && !qobject_cast<TextBox *>(w) && !qobject_cast<ComboBox *>(w))
            continue;
        if (!w->isVisible()) continue;
        QWidget *target = w;
        if (auto *combo = qobject_cast<ComboBox *>(w)) target = combo->lineEdit();
        QWidget *hit = form.childAt(target->mapTo(&form, target->rect().center()));
        if (hit == target || target->isAncestorOf(hit)) out << target;
    }
    return out;
}

void MonkeyTest::act(frmQvOpen &form, QRandomGenerator &rng, QString &did)
{
    static const QString keys = QStringLiteral("0123456789012345678901234567890.-+,eE &HhOoxa$");
    static const QStringList odd = oddTexts();
    QWidget *focus = QApplication::focusWidget();
    QWidget *keyTarget = focus ? focus : static_cast<QWidget *>(&form);
    const int pick = int(rng.bounded(100));

    if (pick < 30) { // a character
        const QChar c = keys.at(int(rng.bounded(keys.size())));
        did = QStringLiteral("type '%1' into %2").arg(c).arg(keyTarget->objectName());
        QTest::keyClick(keyTarget, c.toLatin1());
    } else if (pick < 45) { // a plausible figure over what was there, typed or pasted
        static const QStringList figures = {QStringLiteral("0.1"), QStringLiteral("2"), QStringLiteral("0.05"),
                                            QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("0.5"),
                                            QStringLiteral("1.5"), QStringLiteral("0.2"), QStringLiteral("45"),
                                            QStringLiteral("90"), QStringLiteral("0.001"), QStringLiteral("3")};
        const QString t = figures.at(int(rng.bounded(figures.size())));
        const bool paste = rng.bounded(2);
        did = QStringLiteral("%1 \"%2\" over %3").arg(paste ? "paste" : "type", t, keyTarget->objectName());
        QTest::keyClick(keyTarget, Qt::Key_A, Qt::ControlModifier);
        if (paste) {
            QGuiApplication::clipboard()->setText(t);
            QTest::keyClick(keyTarget, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(keyTarget, t);
        }
    } else if (pick < 53) { // editing keys
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> edits[] = {
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Backspace, Qt::NoModifier},
            {Qt::Key_Delete, Qt::NoModifier},    {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},
        };
        const auto [key, mods] = edits[rng.bounded(int(std::size(edits)))];
        did = QStringLiteral("key %1 (mods %2) to %3").arg(key).arg(int(mods)).arg(keyTarget->objectName());
        QTest::keyClick(keyTarget, key, mods);
    } else if (pick < 60) { // paste an odd text
        const QString t = odd.at(int(rng.bounded(odd.size())));
        did = QStringLiteral("paste \"%1\" into %2").arg(t.left(30)).arg(keyTarget->objectName());
        QGuiApplication::clipboard()->setText(t);
        QTest::keyClick(keyTarget, Qt::Key_V, Qt::ControlModifier);
    } else if (pick < 82) { // click a button or a box that is on top
        const QList<QWidget *> targets = reachable(form);
        if (targets.isEmpty()) return;
        QWidget *w = targets.at(int(rng.bounded(targets.size())));
        did = QStringLiteral("click %1").arg(w->objectName());
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    } else if (pick < 90) { // move the focus
        const bool back = rng.bounded(2);
        did = back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab");
        QTest::keyClick(keyTarget, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (pick < 95) { // space or return on whatever has the focus
        const bool space = rng.bounded(2);
        did = QStringLiteral("%1 on %2").arg(space ? "Space" : "Return").arg(keyTarget->objectName());
        QTest::keyClick(keyTarget, space ? Qt::Key_Space : Qt::Key_Return);
    } else { // access keys of the strip
        static const Qt::Key access[] = {Qt::Key_P, Qt::Key_F, Qt::Key_C};
        const Qt::Key key = access[rng.bounded(3)];
        did = QStringLiteral("Alt+%1").arg(QKeySequence(key).toString());
        QTest::keyClick(keyTarget, key, Qt::AltModifier);
    }
}

void MonkeyTest::checkSane(frmQvOpen &form, const Model &model, const QString &did)
{
    const QByteArray where = ("after: " + did).toUtf8();
    auto ok = [&](bool condition, const char *what) {
        if (!condition && !QTest::currentTestFailed())
            QTest::qFail(QByteArray(what + QByteArray(" -- ") + where).constData(), __FILE__, __LINE__);
    };

    // Results: blank or well formed; the design-time placeholders only while unseen.
    const std::pair<Label *, const QRegularExpression *> results[] = {
        {form.lblPipeV, &velocityShape}, {form.lblPipeHL, &headlossShape},
        {form.lblCumec, &cumecShape},    {form.lblLiter, &literShape},
        {form.lblRecCumec, &cumecShape}, {form.lblRecLiter, &literShape},
        {form.lblTCumec, &cumecShape},   {form.lblTLiter, &literShape},
        {form.lblVCumec, &cumecShape},   {form.lblVLiter, &literShape},
    };
    for (auto [label, shape] : results) {
        const QString t = label->text();
        const bool placeholder = t == u"lblPipeV" || t == u"lblPipeHL" || t == u"lblCumec" || t == u"lblLiter";
        if (placeholder && !label->isVisible()) continue;
        if (t.isEmpty() && label != form.lblPipeV && label != form.lblPipeHL) continue;
        if (!shape->match(t).hasMatch())
            QFAIL(qPrintable(QStringLiteral("%1 shows \"%2\" %3").arg(label->objectName(), t.left(60), QString::fromUtf8(where))));
    }

    ok(QGuiApplication::overrideCursor() == nullptr, "busy cursor left set");

    // Frames follow the buttons pressed.
    ok(form.fraInput->isHidden() != model.input, "fraInput");
    ok(form.fraFM->isHidden() != model.fm, "fraFM");
    ok(form.fraSO->isHidden() != model.so, "fraSO");
    ok(form.fraWeir->isHidden() != model.weir, "fraWeir");
    for (Frame *notch : {form.fraWRec, form.fraWeirTrap, form.fraWeirV})
        ok(notch->isHidden() != (notch->objectName() == model.notch), "notch frames");
    ok(form.fraOutput->isHidden() == (form.lblPipeV->text() == u"lblPipeV"), "fraOutput follows the first result");
    ok(form.fraKs->isHidden() || form.comE1->hasFocus() || form.comE1->isAncestorOf(QApplication::focusWidget()),
       "roughness table shown while the roughness box lacks the focus");
    ok(form.SOKind == model.soKind, "SOKind");
    ok(form.RecContraction == model.rec, "RecContraction");

    // At most one chosen kind and condition, each marked by colour and flag alike.
    int blueKinds = 0;
    for (AniPushButton *b : {form.cmdSOSE, form.cmdSOR, form.cmdSOBRF, form.cmdSOBRU}) {
        const bool blue = b->foreColor() == Blue;
        blueKinds += blue;
        ok(blue == b->value(), "orifice kind colour and state flag disagree");
    }
    ok(blueKinds <= 1, "more than one orifice kind marked");
    int blueConditions = 0;
    for (AniPushButton *b : {form.cmdCon, form.cmdCon1, form.cmdCon2}) blueConditions += b->foreColor() == Blue;
    ok(blueConditions <= 1, "more than one contraction condition marked");

    // Every page shows what its current inputs give, whenever they give something.
    // The notch boxes hold their design-time texts until their page is first chosen.
    auto shows = [&](Label *cumec, Label *liter, const std::optional<FlowCaptions> &p, const char *page) {
        if (!p) return;
        ok(cumec->text() == QString::fromStdString(p->cumec) && liter->text() == QString::fromStdString(p->liter), page);
    };
    const std::string qt = text(form.txtQT), lop = text(form.txtLOP), dop = text(form.txtDOP),
                      e1 = form.comE1->currentText().toStdString();
    if (zeroGuardPasses({lop, dop, e1, qt}))
        if (const auto r = pipeFlow(Val(qt), Val(lop), Val(dop), Val(e1)))
            ok(form.lblPipeV->text() == QString::fromStdString(Format(r->velocity, "#0.00") + "  m/s") &&
                   form.lblPipeHL->text() == QString::fromStdString(Format(r->headloss, "#0.00") + "  m"),
               "pipe result does not follow its inputs");

    const std::string dia = text(form.txtSODia), soh = text(form.txtSOH);
    // Opening the orifice page blanks its results until the next edit or kind press.
    if (thresholdGuardPasses({dia, soh}) && !form.lblCumec->text().isEmpty())
        if (const auto q = orificeFlow(Val(dia), Val(soh), form.SOKind))
            shows(form.lblCumec, form.lblLiter, directPair(*q), "orifice result does not follow its inputs");

    const std::string rh = text(form.txtRecHeight), rw = text(form.txtRecWidth);
    if (model.opened.contains(u"fraWRec") && emptyTextGuardPasses({rh, rw})) {
        const RectangularResult r = rectangularFlow(Val(rh), Val(rw), form.RecContraction);
        ok(r.outcome != RectangularResult::WidthTooSmall, "rectangular boxes kept a width below a quarter of the head");
        if (r.outcome == RectangularResult::Flow)
            shows(form.lblRecCumec, form.lblRecLiter, readBackPair(r.discharge),
                  "rectangular result does not follow its inputs");
    }

    const std::string ta = text(form.txtTrAn), th = text(form.txtTrHeight), tw = text(form.txtTrWidth);
    if (model.opened.contains(u"fraWeirTrap") && emptyTextGuardPasses({ta, th, tw}))
        if (const auto q = trapezoidalFlow(Val(ta), Val(th), Val(tw)))
            shows(form.lblTCumec, form.lblTLiter, readBackPair(*q), "trapezoid result does not follow its inputs");

    const std::string va = text(form.txtVAn), vh = text(form.txtVHeight);
    if (model.opened.contains(u"fraWeirV") && emptyTextGuardPasses({va, vh}))
        if (const auto q = vNotchFlow(Val(va), Val(vh)))
            shows(form.lblVCumec, form.lblVLiter, readBackPair(*q), "V-notch result does not follow its inputs");
}

void MonkeyTest::randomEvents()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    frmQvOpen form;
    int ends = 0;
    form.End = [&ends] { ++ends; };
    form.Form_Load();
    form.resize(801, 561);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    Model model;
    const auto buttons = form.findChildren<AniPushButton *>();
    for (AniPushButton *b : buttons) // after the form's own handler, so the model sees the result
        connect(b, &QAbstractButton::clicked, &form, [&model, b] { model.clicked(b->objectName()); });

    QRandomGenerator rng(seed);
    QString did = QStringLiteral("start");
    checkSane(form, model, did);
    for (int i = 0; i < events; ++i) {
        act(form, rng, did);
        did = QStringLiteral("event %1 of seed %2: %3").arg(i).arg(seed).arg(did);
        checkSane(form, model, did);
        if (QTest::currentTestFailed()) return;
        if (i % 64 == 0) QCoreApplication::processEvents(); // let the form paint now and then
    }
    // The access key and the button of "Close" end nothing here, but they did ask.
    qInfo("seed %u: %d events, %d requests to end", seed, events, ends);
}

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
