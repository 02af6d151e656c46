// A seeded monkey on the real form: keystrokes, pastes of odd texts, clicks on
// whatever is on top, focus moves and access keys. After every event results are
// blank or well-formed numbers (never inf or nan), each page shows what its
// inputs give, no busy cursor is left behind, and the frames and chosen variants
// follow the buttons pressed. QUORVEL_MONKEY_SEED=<n> replays one seed and
// QUORVEL_MONKEY_EVENTS=<n> sets the events per seed.
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

namespace {

// What the monkey believes the form shows, from the buttons' clicks (however
// they were caused: mouse, space bar or access key).
struct Model {
    QSet<QString> shown, opened; // frames shown; notch frames chosen at least once (boxes emptied)
    OrificeKind soKind = 0;
    Contraction rec = 0;

    void clicked(const QString &b)
    {
        static const QHash<QString, std::pair<QStringList, QString>> moves{ // frames hidden, frame shown
            {"cmdDWAB2", {{"fraFM"}, "fraInput"}}, {"cmdDWAB1", {{"fraInput"}, "fraFM"}},
            {"AniPushButton1", {{"fraWeir"}, "fraSO"}}, {"AniPushButton3", {{"fraSO"}, "fraWeir"}},
            {"AniPushButton4", {{"fraSO"}, ""}}, {"AniPushButton2", {{"fraWeir", "fraSO"}, ""}},
            {"cmdWRec", {{"fraWeirV", "fraWeirTrap"}, "fraWRec"}},
            {"cmdWeirTrap", {{"fraWRec", "fraWeirV"}, "fraWeirTrap"}},
            {"cmdWeirV", {{"fraWRec", "fraWeirTrap"}, "fraWeirV"}}};
        static const QStringList kinds{"", "cmdSOSE", "cmdSOR", "cmdSOBRF", "cmdSOBRU"},
            conditions{"cmdCon", "cmdCon1", "cmdCon2"};
        if (const auto m = moves.constFind(b); m != moves.cend()) {
            for (const QString &frame : m->first) shown.remove(frame);
            if (!m->second.isEmpty()) shown << m->second;
            if (b.startsWith(u"cmdW")) opened << m->second;
        }
        if (b == u"AniPushButton1") soKind = 1;
        if (b == u"cmdWRec") rec = 0;
        if (kinds.contains(b)) soKind = OrificeKind(kinds.indexOf(b));
        if (conditions.contains(b)) rec = Contraction(conditions.indexOf(b));
    }
};

void act(frmQvOpen &form, QRandomGenerator &rng, QString &did)
{
    static const QStringList figures{"0.1", "2", "0.05", "10", "100", "0.5", "1.5", "0.2", "45", "90", "0.001", "3"};
    static const QStringList odd{"1e400", "&HFFFF", "-0", ".", "--3", "1e-200", "0,5", "1e308", "-1e308", "&O777",
                                 "  2.5 m", "0.0009", "180", "0.25", "4.9e-324", "nan", "inf", "-inf",
                                 "The flow was 12.5 l/s,\nthe head 0.3 m;\tsee page 2.", QString(10000, u'9'),
                                 "0." + QString(400, u'0') + "1", QStringLiteral("\u00bd \u0661\u0662 \uff13")};
    // Editing keys, space and return, focus moves and the strip's access keys.
    static const QList<QKeyCombination> strokes{
        Qt::Key_Backspace, Qt::Key_Delete, Qt::CTRL | Qt::Key_A, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
        Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_X, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return,
        Qt::Key_Tab, Qt::Key_Tab, Qt::SHIFT | Qt::Key_Backtab, Qt::SHIFT | Qt::Key_Backtab,
        Qt::ALT | Qt::Key_P, Qt::ALT | Qt::Key_F, Qt::ALT | Qt::Key_C};
    auto any = [&](const auto &list) { return list.at(int(rng.bounded(int(list.size())))); };
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
    const int pick = int(rng.bounded(100));
    did = target->objectName() + QStringLiteral(": ");
    if (pick < 30) { // a character
        const QChar c = any(QStringLiteral("0123456789012345678901234567890.-+,eE &HhOoxa$"));
        did += c;
        QTest::keyClick(target, c.toLatin1());
    } else if (pick < 52) { // a plausible figure over what was there, or an odd text at the cursor
        const QString t = pick < 45 ? any(figures) : any(odd);
        did += u'"' + t.left(30) + u'"';
        if (pick < 45) QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        if (pick < 45 && rng.bounded(2)) return QTest::keyClicks(target, t);
        QGuiApplication::clipboard()->setText(t);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (pick < 78) {
        const QKeyCombination key = any(strokes);
        did += QKeySequence(key).toString();
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    } else { // click a button or box that is shown and on top
        QList<QWidget *> onTop;
        for (QWidget *w : form.findChildren<QWidget *>()) {
            if (auto *combo = qobject_cast<ComboBox *>(w)) w = combo->lineEdit();
            else if (!qobject_cast<AniPushButton *>(w) && !qobject_cast<TextBox *>(w)) continue;
            QWidget *hit = form.childAt(w->mapTo(&form, w->rect().center()));
            if (w->isVisible() && (hit == w || w->isAncestorOf(hit))) onTop << w;
        }
        QWidget *w = onTop.isEmpty() ? &form : any(onTop);
        did = QStringLiteral("click ") + w->objectName();
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
}

std::string text(const QLineEdit *box) { return box->text().toStdString(); }

void checkSane(frmQvOpen &form, const Model &model, const QString &did)
{
    auto ok = [&](bool condition, const QString &what) {
        if (!condition && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(what + QStringLiteral(" -- after ") + did), __FILE__, __LINE__);
    };
    // Results: blank or well formed; the design-time placeholders only while unseen.
    static const QRegularExpression shape("^-?[0-9]+\\.([0-9]{3}|[0-9]{2}(  m/s|  m)?)$");
    for (Label *label : {form.lblPipeV, form.lblPipeHL, form.lblCumec, form.lblLiter, form.lblRecCumec, form.lblRecLiter,
                         form.lblTCumec, form.lblTLiter, form.lblVCumec, form.lblVLiter}) {
        const QString t = label->text();
        if ((t.startsWith(u"lbl") && !label->isVisible()) || (t.isEmpty() && !label->objectName().startsWith(u"lblPipe")))
            continue;
        ok(shape.match(t).hasMatch(), label->objectName() + QStringLiteral(" shows \"%1\"").arg(t.left(60)));
    }
    ok(!QGuiApplication::overrideCursor(), "busy cursor left set");

    for (Frame *f : {form.fraInput, form.fraFM, form.fraSO, form.fraWeir, form.fraWRec, form.fraWeirTrap, form.fraWeirV})
        ok(f->isHidden() != model.shown.contains(f->objectName()), f->objectName() + " does not follow the buttons");
    ok(form.fraOutput->visibleFlag() != (form.lblPipeV->text() == u"lblPipeV"), "fraOutput follows the first result");
    ok(form.fraKs->isHidden() || form.comE1->hasFocus() || form.comE1->isAncestorOf(QApplication::focusWidget()),
       "roughness table shown while the roughness box lacks the focus");
    ok(form.SOKind == model.soKind && form.RecContraction == model.rec, "chosen kind or condition");

    // At most one kind and one condition marked, by colour and state flag alike.
    const auto kinds = {form.cmdSOSE, form.cmdSOR, form.cmdSOBRF, form.cmdSOBRU};
    auto blue = [](std::initializer_list<AniPushButton *> buttons) {
        return std::count_if(buttons.begin(), buttons.end(), [](auto *b) { return b->foreColor() == 0xFF0000; });
    };
    ok(blue(kinds) <= 1 && blue({form.cmdCon, form.cmdCon1, form.cmdCon2}) <= 1, "more than one variant marked");
    for (AniPushButton *b : kinds) ok(blue({b}) == b->value(), "orifice kind colour and state flag disagree");

    // Every page shows what its current inputs give, whenever they give something.
    // Notch boxes hold their design-time texts until their page is first chosen.
    auto shows = [&](Label *c, Label *l, const std::optional<FlowCaptions> &p, const char *page) {
        if (p) ok(c->text().toStdString() == p->cumec && l->text().toStdString() == p->liter,
                  QStringLiteral("%1 result does not follow its inputs").arg(page));
    };
    const std::string qt = text(form.txtQT), lop = text(form.txtLOP), dop = text(form.txtDOP),
                      e1 = form.comE1->currentText().toStdString(), dia = text(form.txtSODia),
                      soh = text(form.txtSOH), rh = text(form.txtRecHeight), rw = text(form.txtRecWidth),
                      ta = text(form.txtTrAn), th = text(form.txtTrHeight), tw = text(form.txtTrWidth),
                      va = text(form.txtVAn), vh = text(form.txtVHeight);
    if (zeroGuardPasses({lop, dop, e1, qt}))
        if (const auto r = pipeFlow(Val(qt), Val(lop), Val(dop), Val(e1)))
            ok(form.lblPipeV->text().toStdString() == Format(r->velocity, "#0.00") + "  m/s"
                   && form.lblPipeHL->text().toStdString() == Format(r->headloss, "#0.00") + "  m",
               "pipe result does not follow its inputs");
    // Opening the orifice page blanks its results until the next edit or kind press.
    if (thresholdGuardPasses({dia, soh}) && !form.lblCumec->text().isEmpty())
        if (const auto q = orificeFlow(Val(dia), Val(soh), form.SOKind))
            shows(form.lblCumec, form.lblLiter, directPair(*q), "orifice");
    if (model.opened.contains("fraWRec") && emptyTextGuardPasses({rh, rw})) {
        const RectangularResult r = rectangularFlow(Val(rh), Val(rw), form.RecContraction);
        ok(r.outcome != RectangularResult::WidthTooSmall, "rectangular boxes kept a width below a quarter of the head");
        if (r.outcome == RectangularResult::Flow)
            shows(form.lblRecCumec, form.lblRecLiter, readBackPair(r.discharge), "rectangular");
    }
    if (model.opened.contains("fraWeirTrap") && emptyTextGuardPasses({ta, th, tw}))
        if (const auto q = trapezoidalFlow(Val(ta), Val(th), Val(tw)))
            shows(form.lblTCumec, form.lblTLiter, readBackPair(*q), "trapezoid");
    if (model.opened.contains("fraWeirV") && emptyTextGuardPasses({va, vh}))
        if (const auto q = vNotchFlow(Val(va), Val(vh))) shows(form.lblVCumec, form.lblVLiter, readBackPair(*q), "V-notch");
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomEvents_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : qEnvironmentVariableIsSet("QUORVEL_MONKEY_SEED")
                 ? QList<quint32>{quint32(qEnvironmentVariableIntValue("QUORVEL_MONKEY_SEED"))}
                 : QList<quint32>{20261206u, 7u, 424242u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomEvents()
    {
        QFETCH(quint32, seed);
        const int events = qEnvironmentVariableIsSet("QUORVEL_MONKEY_EVENTS")
            ? qEnvironmentVariableIntValue("QUORVEL_MONKEY_EVENTS") : 2000;
        frmQvOpen form;
        form.End = [] {}; // Close and Alt+C end nothing here
        form.Form_Load();
        form.resize(801, 561);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        Model model;
        for (AniPushButton *b : form.findChildren<AniPushButton *>()) // after the form's own handler
            connect(b, &QAbstractButton::clicked, &form, [&model, b] { model.clicked(b->objectName()); });
        QRandomGenerator rng(seed);
        QString did = QStringLiteral("start");
        checkSane(form, model, did);
        for (int i = 0; i < events && !QTest::currentTestFailed(); ++i) {
            act(form, rng, did);
            did = QStringLiteral("event %1 of seed %2: %3").arg(i).arg(seed).arg(did);
            checkSane(form, model, did);
            if (i % 64 == 0) QCoreApplication::processEvents(); // let the form paint now and then
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
