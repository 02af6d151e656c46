// The calculator form driven as a user drives it, and drawn: the start, the pages
// and their guards box by box, the roughness table, the chosen-variant marks as
// painted, the parent window, and every control where the design puts it. CTest
// runs this at device pixel ratios 1 and 2. Figures are the design's worked cases
// or their formulas worked through by hand.
#include "app/MDIQvl.h"
#include "app/startup.h"
#include "form/frmQvOpen.h"
#include "table.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

#include <QAbstractItemView>
#include <QApplication>

namespace {

// The design's catalogue in twips, "@container" before its controls: each
// control's place, font (points, Bold, Italic, Underline; F the form's 9.75 bold,
// - not checked), text colour (/r dark red, /R result red, /k black, /n navy, /t
// time blue) and, for auto-size labels, the edge they keep (< left, > right).
const char *Catalogue =
    "@frmQvOpen fraFM 120 1080 11655 7335 11.25BU; fraKs 6000 1320 5895 3735 F; fraInput 240 1320 5655 3735 "
    "11.25BU/r; fraOutput 240 5160 5655 1815 11.25BU/r; comROE 3000 8040 1695 360 F; picButtons 0 0 12015 975 "
    "8.25; Label1(2) 480 8160 2385 285 F/k> @picButtons cmdDrop7 10800 480 1095 375 F; cmdDWAB2 2520 240 3735 615 "
    "F; cmdDWAB1 6360 240 2415 615 F; Label4 840 120 1695 735 6.75B; imgLogo(0) 120 120 615 495 -; lblTime 11085 "
    "120 780 270 11.25B/t> @fraInput txtQT 3300 1320 1695 360 11.25B; txtDOP 3300 2280 1695 360 11.25B; txtLOP "
    "3300 1800 1695 360 11.25B; comE1 3300 2760 1695 390 11.25B; Image1(1) 600 720 255 255 -; Image1(0) 600 360 "
    "255 255 -; lblVCap(3) 960 720 3135 225 9/r<; lblVCap(2) 960 360 4215 225 9/r<; Label1(17) 660 2880 2385 270 "
    "11.25B/k>; Label1(7) 1620 1440 1545 270 11.25B/k>; Label1(1) 480 2400 2670 270 11.25B/k>; Label1(0) 720 1920 "
    "2460 270 11.25B/k> @fraOutput lblVCap(1) 240 960 2595 270 11.25B/r<; lblVCap(0) 1440 480 1425 270 11.25B/r<; "
    "lblPipeV 3360 480 1575 375 11.25B; lblPipeHL 3360 960 1575 375 11.25B @fraKs lblVCap(28) 120 2880 5700 0 "
    "8.25I/r<; lblVCap(27) 3960 720 0 0 8.25U/k<; lblVCap(26) 4800 720 0 0 8.25U/k<; lblVCap(25) 4800 1680 0 0 "
    "9/k<; lblVCap(24) 4800 2040 0 0 9/k<; lblVCap(23) 4800 2400 0 0 9/k<; lblVCap(22) 3120 720 0 0 8.25U/k<; "
    "lblVCap(21) 3960 960 0 0 9/k<; lblVCap(20) 3960 1320 0 0 9/k<; lblVCap(19) 3960 1680 0 0 9/k<; lblVCap(18) "
    "3960 2040 0 0 9/k<; lblVCap(17) 3960 2400 0 0 9/k<; lblVCap(16) 4800 960 0 0 9/k<; lblVCap(15) 4800 1320 0 0 "
    "9/k<; lblVCap(14) 3120 1320 0 0 9/k<; lblVCap(13) 3120 1680 0 0 9/k<; lblVCap(12) 3120 2040 0 0 9/k<; "
    "lblVCap(11) 3120 2400 0 0 9/k<; lblVCap(10) 3120 960 0 0 9/k<; lblVCap(9) 120 2400 0 0 9/r<; lblVCap(8) 120 "
    "2040 0 0 9/r<; lblVCap(7) 120 1680 0 0 9/r<; lblVCap(6) 120 1320 0 0 9/r<; lblVCap(5) 120 960 0 0 9/r<; "
    "lblVCap(4) 120 360 0 0 9/r< @fraFM fraSO 240 600 11175 6255 11.25BU; fraWeir 240 600 11175 6255 11.25BU; "
    "AniPushButton3 240 1320 2295 615 F; AniPushButton1 240 720 1935 615 F @fraSO txtSOH 5400 2280 735 360 F; "
    "txtSODia 6480 240 735 360 F; AniPushButton4 240 4080 1095 615 F; cmdSOSE 2520 4080 1455 615 8.25B; cmdSOBRU "
    "7320 4080 1335 615 8.25B; cmdSOBRF 5640 4080 1455 615 8.25B; cmdSOR 4200 4080 1095 615 8.25B; Label3(2) "
    "10080 3240 855 375 12B; Label3(1) 10080 2880 855 375 12B; lblLiter 8880 3240 735 375 12B/R; lblCumec 8880 "
    "2880 735 375 12B/R; Label3(0) 9360 2400 735 375 14.25BU; Label2(2) 6480 3840 1335 735 9IU/R; Label2(1) 5760 "
    "2640 975 735 9; Label2(0) 7320 360 1935 375 9; Image2(1) 2520 3960 5895 3255 -; Image2(0) 1440 -240 6975 "
    "4575 -; Shape1 8640 2280 2295 1455 - @fraWeir cmdWRec 240 840 2295 615 F; cmdWeirTrap 240 2280 2295 615 F; "
    "cmdWeirV 240 1560 1335 615 F; AniPushButton2 240 3600 1095 615 F; fraWeirTrap 3360 600 6975 5055 11.25B/n; "
    "fraWRec 3360 600 6975 5055 11.25B/n; fraWeirV 3360 600 6975 5055 11.25B/n @fraWRec txtRecHeight 1200 720 735 "
    "375 F; txtRecWidth 3000 360 735 375 F; cmdCon 480 2640 1815 855 8.25B; cmdCon2 4080 2640 1815 855 8.25B; "
    "cmdCon1 2400 2640 1455 855 8.25B; Label3(5) 5280 1200 735 375 14.25BU; lblRecCumec 4680 1680 1080 285 "
    "12B/R<; lblRecLiter 4680 2040 780 285 12B/R<; Label3(4) 6000 1680 855 375 12B; Label3(3) 6000 2040 855 375 "
    "12B; Image4 120 2760 5535 3015 -; Image3 120 120 4455 3015 -; Shape2 4560 1080 2295 1455 - @fraWeirTrap "
    "txtTrAn 5880 2160 735 375 F; txtTrWidth 4920 1920 735 375 F; txtTrHeight 1800 2520 735 375 F; Image5 120 "
    "1440 7215 4335 -; Label3(11) 6000 1200 855 375 12B; Label3(10) 6000 840 855 375 12B; lblTLiter 4680 1200 780 "
    "285 12B/R<; lblTCumec 4680 840 1080 285 12B/R<; Label3(9) 5280 360 735 375 14.25BU; Shape4 4560 240 2295 "
    "1455 - @fraWeirV txtVHeight 1320 2400 735 375 F; txtVAn 3480 2160 735 375 F; Label3(6) 5280 360 735 375 "
    "14.25BU; lblVCumec 4680 840 1080 285 12B/R<; lblVLiter 4680 1200 780 285 12B/R<; Label3(7) 6000 840 855 375 "
    "12B; Label3(8) 6000 1200 855 375 12B; Image6 120 1440 5175 4335 -; Shape3 4560 240 2295 1455 -";
const char *TabOrder =
    "txtQT txtLOP txtDOP comE1 cmdDrop7 comROE txtSODia txtSOH txtRecWidth txtRecHeight txtVAn "
    "txtVHeight txtTrHeight txtTrWidth txtTrAn cmdDWAB2 cmdDWAB1 AniPushButton1 AniPushButton3 cmdWRec "
    "cmdWeirTrap cmdWeirV AniPushButton2 cmdCon cmdCon2 cmdCon1 AniPushButton4 cmdSOSE cmdSOBRU "
    "cmdSOBRF cmdSOR";
const QHash<QChar, QColor> Colours{{u'r', QColor(128, 0, 0)}, {u'R', QColor(192, 0, 0)}, {u'k', Qt::black},
    {u'n', QColor(0, 0, 128)}, {u't', QColor(29, 86, 120)}};

// What a user does: clicks a shown control, puts a text in a box at once (Set)
// or types it key by key over what was there (Type), presses a key such as
// Alt+F, moves the mouse over a control (Hover), picks row n of the roughness list.
enum Act { Click, Set, Type, Key, Hover, Pick };
struct Step {
    Act act;
    QString what, text;
    Step(const char *control) : act(Click), what(control) { }
    Step(const char *box, const char *text) : act(Set), what(box), text(text) { }
    Step(Act act, const QString &what, const QString &text = {}) : act(act), what(what), text(text) { }
};
using Steps = QList<Step>;
const Steps Pipe{"cmdDWAB2", {"txtQT", "10"}, {"txtLOP", "100"}, {"txtDOP", "0.1"}, {"comE1", "0.5"}};
const Steps Orifice{"cmdDWAB1", "AniPushButton1"}, Notches{"cmdDWAB1", "AniPushButton3"};
const Steps Rough{"cmdDWAB2", {Key, "Tab"}, {Key, "Tab"}, {Key, "Tab"}}, TabBack{{Key, "Tab"}, {Key, "Shift+Tab"}};

// What a row checks, where given: the frames shown, the focus, the variant
// buttons marked (a blue caption B, the state flag F), and the texts of controls.
struct Expect {
    QString frames, focus, marks;
    QList<std::pair<const char *, const char *>> texts;
};

// A page filled with a result, and its result labels.
struct Page {
    Steps filled;
    QStringList results;
};
const Page PipePage{Pipe, {"lblPipeV", "lblPipeHL"}};
const Page OrificePage{Orifice + Steps{{"txtSODia", "0.1"}, {"txtSOH", "2"}}, {"lblCumec", "lblLiter"}};
const Page RecPage{
    Notches + Steps{"cmdWRec", {"txtRecHeight", "0.2"}, {"txtRecWidth", "1.0"}}, {"lblRecCumec", "lblRecLiter"}};
const Page TrapPage{Notches + Steps{"cmdWeirTrap", {"txtTrAn", "14"}, {"txtTrHeight", "0.2"}, {"txtTrWidth", "0.5"}},
    {"lblTCumec", "lblTLiter"}};
const Page VPage{Notches + Steps{"cmdWeirV", {"txtVAn", "90"}, {"txtVHeight", "0.2"}}, {"lblVCumec", "lblVLiter"}};
using BoxCases = Cases<QString(const Page *, QString, QString)>;
using NoteCases = Cases<QString(Steps)>;

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

    QWidget *w(const QString &name) { return name == u"frmQvOpen" ? form.get() : form->findChild<QWidget *>(name); }
    QString text(const QString &name)
    {
        auto *combo = qobject_cast<QComboBox *>(w(name));
        return combo ? combo->currentText() : w(name)->property("text").toString();
    }
    QString items(QComboBox *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items.join(u' ');
    }
    // The names that `name` gives the form's controls of kind T, sorted, where it gives one.
    template <typename T> QString listed(QString (*name)(T *))
    {
        QStringList names;
        for (T *c : form->findChildren<T *>())
            if (const QString n = name(c); !n.isEmpty()) names << n;
        names.sort(Qt::CaseInsensitive);
        return names.join(u' ');
    }
    QString frames()
    {
        return listed<Frame>([](Frame *f) { return f->isHidden() ? QString() : f->objectName(); });
    }
    QString marks()
    {
        return listed<AniPushButton>([](AniPushButton *b) {
            const bool blue = b->foreColor() == 0xFF0000;
            return blue || b->value() ? b->objectName() + u':' + (blue ? "B" : "") + (b->value() ? "F" : "")
                                      : QString();
        });
    }

    void run(const Steps &steps)
    {
        for (const Step &step : steps) {
            QWidget *target = w(step.what);
            if (step.act == Key) {
                const QKeyCombination key = QKeySequence(step.what)[0];
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : form.get(), key.key(), key.keyboardModifiers());
            } else if (step.act == Pick) {
                QAbstractItemView *list = form->comE1->view();
                form->comE1->showPopup();
                QTRY_VERIFY(list->isVisible() && form->fraKs->isVisible()); // opening the list is not leaving the box
                const QRect item = list->visualRect(list->model()->index(step.what.toInt(), 0));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
                QTRY_VERIFY(!list->isVisible());
            } else if (step.act == Hover)
                QTest::mouseMove(target, QPoint(2, 2));
            else {
                QVERIFY2(target && target->isVisible(), qPrintable(step.what));
                if (step.act == Click)
                    QTest::mouseClick(target, Qt::LeftButton);
                else if (step.act == Type) {
                    target->setFocus();
                    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(target, step.text);
                } else if (auto *combo = qobject_cast<QComboBox *>(target))
                    combo->setEditText(step.text);
                else
                    static_cast<QLineEdit *>(target)->setText(step.text);
            }
        }
    }

private slots:
    void initTestCase() { setUpApplication(); }
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        form = std::make_unique<frmQvOpen>();
        form->End = [this] { ++ended; };
        form->Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55, 59)); };
        form->Form_Load();
        form->resize(801, 561);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void parentWindowHoldsTheFormMaximized()
    {
        const MainWindow window = openMainWindow();
        QCOMPARE(window.parent->windowTitle() + u'|' + window.form->windowTitle(), "Pipeline Quorvel|Pipeline quorvel");
        QVERIFY(window.parent->isMaximized() && window.form->parentWidget()->isMaximized());
    }

    void startsWithNothingOpen()
    {
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()) && !QGuiApplication::overrideCursor());
        QCOMPARE(
            frames() + u'|' + text("comE1") + u'|' + text("comROE") + u'|' + text("lblTime"), "|||04.12.2026 14:55");
        QVERIFY(!form->comROE->isVisible() && !w("Label1(2)")->isVisible() && !form->Label4->isVisible());
        QCOMPARE(items(form->comE1), "0.5 1 1.5 2 2.5 3 3.5 4 4.5 5");
        QStringList densities;
        for (int g = 991; g <= 1024; ++g) densities << QString::number(g);
        QCOMPARE(items(form->comROE), densities.join(u' '));
    }

    // The strip's Close and Alt+C end the program; the logo names it while the mouse is over it.
    void stripEndsTheProgramAndNamesIt()
    {
        run({{Key, "Alt+C"}, "cmdDrop7", {Hover, "imgLogo(0)"}, {Hover, "Label4"}});
        QVERIFY(ended == 2 && form->Label4->isVisible());
        run({{Hover, "picButtons"}});
        QVERIFY(!form->Label4->isVisible());
    }

    // Both pipe figures carry the Reynolds number V D / 1e-6 of the flow shown, in
    // the tooltip and after the description; a guard leaves the last one with them.
    void pipeFiguresSayTheirReynoldsNumber_data()
    {
        NoteCases::rows({
            {"turbulent", Pipe, "Reynolds number 127 324: turbulent flow, where"},
            {"kept by the guard", Pipe + Steps{{"txtQT", "0"}}, "Reynolds number 127 324: turbulent flow, where"},
            {"transitional", {"cmdDWAB2", {"txtQT", "3"}, {"txtLOP", "100"}, {"txtDOP", "1"}, {"comE1", "0.5"}},
                "Reynolds number 3 820: transitional flow"},
            {"laminar", {"cmdDWAB2", {"txtQT", "0.0006"}, {"txtLOP", "1"}, {"txtDOP", "0.002"}, {"comE1", "0.001"}},
                "Reynolds number 382: laminar flow; the Colebrook"},
        });
    }
    void pipeFiguresSayTheirReynoldsNumber()
    {
        run(std::get<0>(NoteCases::arguments()));
        for (const QLabel *figure : {form->lblPipeV, form->lblPipeHL}) {
            QVERIFY2(figure->toolTip().startsWith(NoteCases::expected()), qPrintable(figure->toolTip()));
            QVERIFY2(figure->accessibleDescription().endsWith(u' ' + figure->toolTip() + u'.')
                    && figure->accessibleDescription().startsWith(figure == form->lblPipeV ? u"Mean" : u"Friction"),
                qPrintable(figure->accessibleDescription()));
        }
    }

    // Each box of a page filled with a result changed alone: a new figure, or the
    // last one where the page's guard stops it (zero on the pipe page, below 0.001
    // on the orifice page, empty on a notch page). The boxes keep what they hold
    // and the busy cursor is gone.
    void oneBoxChanged_data()
    {
        const Page *P = &PipePage, *O = &OrificePage, *R = &RecPage, *T = &TrapPage, *V = &VPage;
        const std::tuple<const Page *, const char *, const char *, const char *> rows[] = {
            {P, "txtQT", "-10", "-1.27  m/s|2.44  m"},
            {P, "txtLOP", "200", "1.27  m/s|5.14  m"},
            {P, "txtDOP", "0.05", "5.09  m/s|100.71  m"},
            {P, "comE1", "1", "1.27  m/s|3.17  m"},
            {P, "txtQT", "0", "1.27  m/s|2.57  m"},
            {P, "txtLOP", "0", "1.27  m/s|2.57  m"},
            {P, "txtDOP", "0", "1.27  m/s|2.57  m"},
            {P, "comE1", "0", "1.27  m/s|2.57  m"},
            {O, "txtSODia", "0.05", "0.008|7.63"},
            {O, "txtSOH", "0.5", "0.015|15.25"},
            {O, "txtSODia", "0.0009", "0.031|30.51"},
            {O, "txtSOH", "0.0009", "0.031|30.51"},
            {R, "txtRecHeight", "0.1", "0.058|58.00"},
            {R, "txtRecWidth", "0.5", "0.082|82.00"},
            {R, "txtRecHeight", "", "0.165|165.00"},
            {R, "txtRecWidth", "", "0.165|165.00"},
            {T, "txtTrAn", "-14", "0.076|76.00"},
            {T, "txtTrHeight", "0.3", "0.169|169.00"},
            {T, "txtTrWidth", "0", "0.007|7.00"},
            {T, "txtTrAn", "", "0.089|89.00"},
            {T, "txtTrHeight", "", "0.089|89.00"},
            {T, "txtTrWidth", "", "0.089|89.00"},
            {V, "txtVAn", "-90", "-0.026|-26.00"},
            {V, "txtVHeight", "0.3", "0.072|72.00"},
            {V, "txtVAn", "", "0.026|26.00"},
            {V, "txtVHeight", "", "0.026|26.00"},
        };
        BoxCases::columns();
        for (const auto &[page, box, typed, shown] : rows) // "txtVAn -90", "txtVAn empty"
            BoxCases::add(qPrintable(QString(box) + u' ' + (*typed ? typed : "empty")), page, box, typed, shown);
    }
    void oneBoxChanged()
    {
        BoxCases::check([this](const Page *page, const QString &box, const QString &typed) {
            run(page->filled + Steps{Step(Set, box, typed)});
            QStringList shown; // the results, then any box that does not hold what was put in it
            for (const QString &label : page->results) shown << text(label);
            for (const Step &step : page->filled)
                if (step.act == Set && text(step.what) != (step.what == box ? typed : step.text)) shown << step.what;
            if (QGuiApplication::overrideCursor()) shown << "busy";
            return shown.join(u'|');
        });
    }

    // What clicks, keys and typing open and show; a row that goes on from the one
    // before it runs that row's steps first.
    void pages_data()
    {
        const bool On = true;
        const std::tuple<const char *, bool, Steps, Expect> rows[] = {
            {"pipe page", !On, {"cmdDWAB2"}, {.frames = "fraInput", .focus = "txtQT"}},
            {"flow measurement twice", !On, {"cmdDWAB1", "cmdDWAB1"}, {.frames = "fraFM"}},
            {"notch kept", !On, Notches + Steps{"cmdWRec", "cmdDWAB2", "cmdDWAB1"},
                {.frames = "fraFM fraWeir fraWRec"}},
            {"notch closed and reopened", !On, Notches + Steps{"cmdWeirTrap", "AniPushButton2", "AniPushButton3"},
                {.frames = "fraFM fraWeir fraWeirTrap"}},
            {"V-notch then rectangular", !On, Notches + Steps{"cmdWeirV", "cmdWRec"},
                {.frames = "fraFM fraWeir fraWRec"}},
            {"sub-pages closed", !On, Orifice + Steps{"AniPushButton4", "AniPushButton3", "AniPushButton2"},
                {.frames = "fraFM"}},
            {"notches under the pipe page", !On, Notches + Steps{"cmdDWAB2"}, {.frames = "fraInput fraWeir"}},
            {"access keys", !On, {{Key, "Alt+F"}, {Key, "Alt+P"}}, {.frames = "fraInput", .focus = "txtQT"}},
            {"pipe page kept", !On, Pipe + Steps{"cmdDWAB1", "cmdDWAB2"},
                {.frames = "fraInput fraOutput",
                    .focus = "txtQT",
                    .texts = {{"txtQT", "10"}, {"lblPipeV", "1.27  m/s"}}}},
            // The roughness table shows while the roughness box has the focus, until
            // a roughness is picked (the one already there too) or typed.
            {"roughness table", !On, Rough, {.frames = "fraInput fraKs", .focus = "comE1"}},
            {"roughness table left", On, {{Key, "Tab"}}, {.frames = "fraInput"}},
            {"roughness table again", On, {{Key, "Shift+Tab"}}, {.frames = "fraInput fraKs"}},
            {"roughness picked", On, {{Pick, "0"}},
                {.frames = "fraInput", .focus = "comE1", .texts = {{"comE1", "0.5"}}}},
            {"roughness table once more", On, TabBack, {.frames = "fraInput fraKs"}},
            {"same roughness picked", On, {{Pick, "0"}}, {.frames = "fraInput"}},
            {"roughness typed", On, TabBack + Steps{{Type, "comE1", "7"}}, {.frames = "fraInput"}},
            {"orifice diameter only", !On, Orifice + Steps{{"txtSODia", "0.1"}},
                {.marks = "", .texts = {{"lblCumec", ""}, {"lblLiter", ""}}}},
            {"orifice rounded", On, {{"txtSOH", "2"}, "cmdSOR"},
                {.marks = "cmdSOR:BF", .texts = {{"lblCumec", "0.048"}, {"lblLiter", "47.73"}}}},
            {"orifice running free", On, {"cmdSOBRF"},
                {.marks = "cmdSOBRF:BF", .texts = {{"lblCumec", "0.025"}, {"lblLiter", "24.60"}}}},
            {"orifice running full", On, {"cmdSOBRU"},
                {.marks = "cmdSOBRU:BF", .texts = {{"lblCumec", "0.037"}, {"lblLiter", "36.90"}}}},
            {"orifice kind under the guard", On, {{"txtSODia", "0.0009"}, "cmdSOR"},
                {.marks = "cmdSOBRU:BF", .texts = {{"lblCumec", "0.037"}}}},
            {"orifice kind after the guard", On, {{"txtSODia", "0.1"}},
                {.marks = "cmdSOR:BF", .texts = {{"lblCumec", "0.048"}}}},
            {"orifice reopened", On, {"AniPushButton4", "AniPushButton1"},
                {.marks = "cmdSOR:BF", .texts = {{"lblCumec", ""}, {"lblLiter", ""}}}},
            {"orifice sharp-edged again", On, {{"txtSOH", "2.0"}},
                {.marks = "cmdSOSE:BF", .texts = {{"lblCumec", "0.031"}, {"lblLiter", "30.51"}}}},
            {"rectangular opened", !On, Notches + Steps{"cmdWRec"},
                {.focus = "txtRecHeight", .texts = {{"txtRecHeight", ""}, {"txtRecWidth", ""}}}},
            {"rectangular one side", On, {{"txtRecHeight", "0.2"}, "cmdCon1", {"txtRecWidth", "1.0"}},
                {.marks = "cmdCon1:B", .texts = {{"lblRecCumec", "0.161"}, {"lblRecLiter", "161.00"}}}},
            {"rectangular fully contracted", On, {"cmdCon2"},
                {.marks = "cmdCon2:B", .texts = {{"lblRecCumec", "0.158"}, {"lblRecLiter", "158.00"}}}},
            {"rectangular ratio too small", On, {{Type, "txtRecWidth", "0.5"}},
                {.marks = "cmdCon2:B",
                    .texts = {{"txtRecHeight", ""}, {"txtRecWidth", ".5"}, {"lblRecCumec", "0.158"}}}},
            {"rectangular reopened", On, {"cmdWRec"}, {.marks = "cmdCon2:B", .texts = {{"lblRecCumec", ""}}}},
            {"rectangular suppressed again", On, {{"txtRecHeight", "0.2"}, {"txtRecWidth", "0.5"}},
                {.marks = "cmdCon:B", .texts = {{"lblRecCumec", "0.082"}, {"lblRecLiter", "82.00"}}}},
            {"V-notch after trapezoidal", !On,
                Notches + Steps{"cmdWeirTrap", {"txtTrAn", "14"}, "cmdWeirV", {"txtVHeight", "0.2"}},
                {.focus = "txtVHeight", .texts = {{"lblVCumec", ""}}}},
            {"trapezoidal emptied", On, {"cmdWeirTrap"},
                {.focus = "txtTrHeight", .texts = {{"txtTrAn", ""}, {"lblTLiter", ""}}}},
        };
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<Expect>("expect");
        Steps before;
        for (const auto &[name, goesOn, steps, expect] : rows) {
            before = goesOn ? before + steps : steps;
            QTest::newRow(name) << before << expect;
        }
    }
    void pages()
    {
        QFETCH(Steps, steps);
        QFETCH(Expect, expect);
        run(steps);
        if (!expect.frames.isNull()) QCOMPARE(frames(), expect.frames);
        if (!expect.focus.isNull()) QCOMPARE(QApplication::focusWidget()->objectName(), expect.focus);
        if (!expect.marks.isNull()) QCOMPARE(marks(), expect.marks);
        for (auto [name, shown] : expect.texts) QCOMPARE(text(name), QString(shown));
    }

    // Neither the notch page's covered menu button nor Return in the roughness box
    // does anything: the list stays as it was.
    void coveredButtonAndReturnDoNothing()
    {
        run(Notches + Steps{"cmdWRec"});
        const QPoint menu = form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center());
        QVERIFY(form->childAt(menu) != form->AniPushButton3);
        run({"cmdDWAB2", {Type, "comE1", "7"}});
        QTest::keyClick(form->comE1, Qt::Key_Return);
        QCOMPARE(QString::number(form->comE1->count()) + u' ' + form->comE1->currentText(), "10 7");
    }

    // The chosen kind's caption painted blue (0x00BBGGRR), the others not.
    void chosenKindPaintedBlue()
    {
        run(OrificePage.filled + Steps{"cmdSOR"});
        auto pixels = [](QWidget *button, QRgb colour) { // below the picture, where the caption is
            const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto *bits = reinterpret_cast<const QRgb *>(image.constScanLine(image.height() * 3 / 5));
            return std::count(
                bits, reinterpret_cast<const QRgb *>(image.constBits()) + image.width() * image.height(), colour);
        };
        QVERIFY(pixels(form->cmdSOR, qRgb(0, 0, 255)) > 10 && pixels(form->cmdSOR, qRgb(255, 0, 0)) == 0);
        QVERIFY(pixels(form->cmdSOSE, qRgb(0, 0, 255)) == 0 && pixels(form->cmdSOSE, qRgb(0, 0, 0)) > 10);
    }

    // Every screen with figures in it, one after the other, rendered at full
    // resolution, with no shown text box covered and every caption inside its label.
    void everyScreen_data()
    {
        const Steps pipe = Pipe + TabBack, orifice = pipe + OrificePage.filled + Steps{"cmdSOR"};
        const Steps rec =
            orifice + Steps{"AniPushButton4", "AniPushButton3", "cmdWRec", {"txtRecHeight", "1"}, {"txtRecWidth", "2"}};
        const Steps trap = rec + Steps{"cmdWeirTrap", {"txtTrAn", "14"}, {"txtTrHeight", "1"}, {"txtTrWidth", "1"}};
        QTest::addColumn<Steps>("steps");
        QTest::newRow("start") << Steps{{Hover, "imgLogo(0)"}};
        QTest::newRow("pipe") << pipe;
        QTest::newRow("orifice") << orifice;
        QTest::newRow("rectangular") << rec;
        QTest::newRow("trapezoidal") << trap;
        QTest::newRow("v-notch") << trap + Steps{"cmdWeirV", {"txtVAn", "90"}, {"txtVHeight", "1"}};
    }
    void everyScreen()
    {
        QFETCH(Steps, steps);
        run(steps);
        QCOMPARE(form->grab().size(), QSize(801, 561) * form->devicePixelRatio());
        for (QWidget *c : form->findChildren<QWidget *>()) {
            if (!c->isVisibleTo(form.get()) || c->objectName().startsWith(u"qt_") || c->objectName().isEmpty())
                continue;
            if (qobject_cast<TextBox *>(c)) // nothing lies over a shown text box
                QVERIFY2(form->childAt(c->mapTo(form.get(), c->rect().center())) == c, qPrintable(c->objectName()));
            if (auto *label = qobject_cast<Label *>(c)) {
                const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
                const QRect need = label->fontMetrics().boundingRect(
                    QRect(0, 0, wrap ? label->width() : 9999, 9999), wrap, label->text());
                QVERIFY2(
                    need.width() <= label->width() && need.height() <= label->height(), qPrintable(c->objectName()));
            }
        }
    }

    // Each control against the catalogue: container, place (or the edge an
    // auto-size label keeps), text colour and font.
    void catalogue_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("at");
        QTest::addColumn<QString>("font");
        for (const QString &section : QString(Catalogue).split(u'@', Qt::SkipEmptyParts))
            for (const QString &record : section.section(u' ', 1).split(QStringLiteral("; "))) {
                const QStringList f = record.simplified().split(u' ');
                const auto px = [&](int i) { return qRound(f[i].toInt() / 15.0); }; // 15 twips a pixel
                QTest::newRow(qPrintable(f[0]))
                    << section.section(u' ', 0, 0) << QRect(px(1), px(2), px(3), px(4)) << f[5];
            }
    }
    void catalogue()
    {
        QFETCH(QString, container);
        QFETCH(QRect, at);
        QFETCH(QString, font);
        QWidget *c = w(QTest::currentDataTag());
        QVERIFY(c && c->parentWidget() == w(container));
        const QChar grow = font.endsWith(u'<') || font.endsWith(u'>') ? font.back() : QChar();
        font.remove(u'<').remove(u'>');
        const QRect now = c->geometry();
        const bool edgeKept = grow == u'<' ? now.left() == at.left() : now.right() == at.right();
        QVERIFY(grow.isNull() ? now == at : now.top() == at.top() && edgeKept);
        if (font.contains(u'/')) QCOMPARE(c->palette().color(QPalette::WindowText), Colours[font.back()]);
        font = font.section(u'/', 0, 0).replace(u'F', QStringLiteral("9.75B"));
        const QFont cf = c->font();
        const int pixels = qRound(font.section(QRegularExpression("[BIU]"), 0, 0).toDouble() * 96 / 72);
        QVERIFY(font == u"-"
            || (cf.pixelSize() == pixels && cf.bold() == font.contains(u'B') && cf.italic() == font.contains(u'I')
                && cf.underline() == font.contains(u'U')));
    }

    void tabOrder()
    {
        QStringList chain{"txtQT"}; // the focus chain is a ring: once round from the first
        for (QWidget *c = form->txtQT->nextInFocusChain(); c != form->txtQT; c = c->nextInFocusChain())
            if (QString(TabOrder).split(u' ').contains(c->objectName())) chain << c->objectName();
        QCOMPARE(chain.join(u' '), QString(TabOrder));
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
