// The calculator form driven as a user drives it, and drawn: the start, the pages
// and their guards box by box, the roughness table, the chosen-variant marks as
// painted, the parent window, stray input, and the tab order. CTest runs this at
// device pixel ratios 1, 1.5 and 2. Figures are the design's worked cases or their
// formulas worked through by hand.
#include "app/MDIQvl.h"
#include "app/startup.h"
#include "form/catalogue.h"
#include "form/frmQvOpen.h"
#include "table.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include <cmath>

namespace {

// The design's tab stops, in their tab order.
const char *TabOrder =
    "txtQT txtLOP txtDOP comE1 cmdDrop7 comROE txtSODia txtSOH txtRecWidth txtRecHeight txtVAn "
    "txtVHeight txtTrHeight txtTrWidth txtTrAn cmdDWAB2 cmdDWAB1 AniPushButton1 AniPushButton3 cmdWRec "
    "cmdWeirTrap cmdWeirV AniPushButton2 cmdCon cmdCon2 cmdCon1 AniPushButton4 cmdSOSE cmdSOBRU "
    "cmdSOBRF cmdSOR";

// What a user does: clicks a shown control, puts a text in a box at once (Set)
// or types it key by key over what was there (Type), presses a key such as
// Alt+F, moves the mouse over a control (Hover), picks row n of the roughness list,
// pastes a text over what a box holds (Paste), holds Space down as X11 repeats it
// (Hold: a press, then a release and a press with one time stamp, then the release).
enum Act { Click, Set, Type, Key, Hover, Pick, Paste, Hold };
struct Step {
    Act act;
    QString what, text;
    Step(const char *control) : act(Click), what(control) {}
    Step(const char *box, const char *text) : act(Set), what(box), text(text) {}
    Step(Act act, const QString &what, const QString &text = {}) : act(act), what(what), text(text) {}
};
using Steps = QList<Step>;
const Steps Pipe{"cmdDWAB2", {"txtQT", "10"}, {"txtLOP", "100"}, {"txtDOP", "0.1"}, {"comE1", "0.5"}};
const Steps Orifice{"cmdDWAB1", "AniPushButton1"}, Notches{"cmdDWAB1", "AniPushButton3"};
const Steps Rough{"cmdDWAB2", {Key, "Tab"}, {Key, "Tab"}, {Key, "Tab"}}, TabBack{{Key, "Tab"}, {Key, "Shift+Tab"}};

// What a row checks, where given: the frames shown, the focus, the variant
// buttons marked (a blue caption B, the state flag F, "?" where a screen reader is
// told otherwise), and the texts of controls.
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
const char *Nines32 = "99999999999999999999999999999999"; // the most a box takes
using BoxCases = Cases<QString(const Page *, QString, QString)>;

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

    template <typename T = QWidget> T *w(const QString &name)
    {
        return name == u"frmQvOpen" ? qobject_cast<T *>(form.get()) : form->findChild<T *>(name);
    }
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
            const QAccessible::State told = QAccessible::queryAccessibleInterface(b)->state();
            const QString wrong = told.selected == blue && told.checked == b->value() ? "" : "?";
            return blue || b->value() || !wrong.isEmpty()
                ? b->objectName() + u':' + (blue ? "B" : "") + (b->value() ? "F" : "") + wrong
                : QString();
        });
    }

    // The pixels of a control as drawn, from `below` of its height down, that are
    // within a small distance of the colour.
    static qsizetype pixelsNear(QWidget *c, QRgb colour, double below = 0)
    {
        const QImage image = c->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto *end = reinterpret_cast<const QRgb *>(image.constBits()) + image.width() * image.height();
        return std::count_if(
            reinterpret_cast<const QRgb *>(image.constScanLine(int(image.height() * below))), end, [colour](QRgb p) {
                return qAbs(qRed(p) - qRed(colour)) + qAbs(qGreen(p) - qGreen(colour)) + qAbs(qBlue(p) - qBlue(colour))
                    < 40;
            });
    }

    // A focused button's ring changes no pixel of its caption or picture (all that
    // differs from the face inside the edge, which a chosen button draws two pixels
    // wide and which at fractional ratios reaches into the next device pixel), and
    // stands out from the face at 3:1 at least.
    static void focusRingClearOfCaption(AniPushButton *button)
    {
        const auto grab = [button] { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        const QImage rest = grab();
        button->setFocus(Qt::TabFocusReason);
        const QImage focused = grab();
        const QRectF inside = QRectF(button->rect()).adjusted(2.5, 2.5, -3.5, -3.5);
        QHash<QRgb, int> count; // the face is the commonest colour
        for (int i = 0; i < rest.width() * rest.height(); ++i) ++count[rest.pixel(i % rest.width(), i / rest.width())];
        const QRgb face = std::max_element(count.keyValueBegin(), count.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
        const auto luminance = [](QRgb c) { // relative luminance + 0.05, as WCAG's contrast ratio takes it
            const auto linear = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) + 0.05;
        };
        int ring = 0;
        for (int y = 0; y < rest.height(); ++y)
            for (int x = 0; x < rest.width(); ++x) {
                const QRgb was = rest.pixel(x, y), is = focused.pixel(x, y);
                if (was == is) continue;
                ++ring;
                const QString at = button->objectName() + QStringLiteral(" at %1,%2").arg(x).arg(y);
                QVERIFY2(was == face || !inside.contains(QPointF(x + 0.5, y + 0.5) / rest.devicePixelRatio()),
                    qPrintable(at));
                QVERIFY2(std::max(luminance(is), luminance(face)) / std::min(luminance(is), luminance(face)) >= 3,
                    qPrintable(at));
            }
        QVERIFY2(ring >= button->width() + button->height(), qPrintable(button->objectName()));
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
                QAbstractItemView *list = w<QComboBox>("comE1")->view();
                w<QComboBox>("comE1")->showPopup();
                QTRY_VERIFY(list->isVisible() && w("fraKs")->isVisible()); // opening the list is not leaving the box
                const QRect item = list->visualRect(list->model()->index(step.what.toInt(), 0));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
                QTRY_VERIFY(!list->isVisible());
            } else if (step.act == Hover)
                QTest::mouseMove(target, QPoint(2, 2));
            else if (step.act == Hold)
                for (auto [type, time] : {std::pair{QEvent::KeyPress, 1}, {QEvent::KeyRelease, 2},
                         {QEvent::KeyPress, 2}, {QEvent::KeyRelease, 3}}) {
                    QKeyEvent key(type, Qt::Key_Space, {}, QStringLiteral(" "));
                    key.setTimestamp(time);
                    QApplication::sendEvent(QApplication::focusWidget(), &key);
                }
            else {
                QVERIFY2(target && target->isVisible(), qPrintable(step.what));
                if (step.act == Click)
                    QTest::mouseClick(target, Qt::LeftButton);
                else if (step.act == Type || step.act == Paste) {
                    target->setFocus();
                    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
                    if (step.act == Type) {
                        QTest::keyClicks(target, step.text);
                    } else {
                        QGuiApplication::clipboard()->setText(step.text);
                        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
                    }
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

    // Started as -reverse starts it, the window keeps one direction, left to right:
    // the parent, the form, every control and the roughness box's list.
    void parentWindowHoldsTheFormMaximized()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        setUpApplication();
        const MainWindow window = openMainWindow();
        QCOMPARE(window.parent->windowTitle() + u'|' + window.form->windowTitle(), "Pipeline Quorvel|Pipeline quorvel");
        QVERIFY(window.parent->isMaximized() && window.form->parentWidget()->isMaximized());
        // The restored size is worked out from the style before any sub-window exists.
        QCOMPARE(window.parent->childSizeFor(formExtent()), window.form->parentWidget()->sizeHint());
        QVERIFY(!window.form->parentWidget()->close()); // nor can the calculator window be closed alone
        QVERIFY(QTest::qWaitForWindowActive(window.parent.get()));
        // Where the screen is smaller than the form, the parent scrolls the focused control into view.
        for (const char *name : {"cmdDWAB1", "AniPushButton1"})
            QTest::mouseClick(window.form->findChild<QWidget *>(name), Qt::LeftButton);
        QWidget *far = window.form->findChild<QWidget *>("cmdSOBRU"), *area = window.parent->centralWidget();
        far->setFocus(Qt::TabFocusReason);
        QVERIFY(area->rect().contains(QRect(far->mapTo(area, QPoint()), far->size())));
        QTest::keyClick(far, Qt::Key_F1); // the manual, which Escape closes
        QWidget *manual = window.parent->findChild<QWidget *>("manual");
        QTRY_VERIFY(manual && manual->isActiveWindow() && manual->windowTitle() == "Quorvel 1.1.0 manual");
        QTest::keyClick(manual, Qt::Key_Escape);
        QTRY_VERIFY(!window.parent->findChild<QWidget *>("manual"));
        window.form->findChild<QComboBox *>("comE1")->view();
        for (const QWidget *w : window.parent->findChildren<QWidget *>())
            QVERIFY2(w->isLeftToRight(), qPrintable(w->objectName() + u' ' + w->metaObject()->className()));
    }

    void startsWithNothingOpen()
    {
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()) && !QGuiApplication::overrideCursor());
        QCOMPARE(
            frames() + u'|' + text("comE1") + u'|' + text("comROE") + u'|' + text("lblTime"), "|||04.12.2026 14:55");
        QVERIFY(!w("comROE")->isVisible() && !w("Label1(2)")->isVisible() && !w("Label4")->isVisible());
        QCOMPARE(items(w<QComboBox>("comE1")), "0.5 1 1.5 2 2.5 3 3.5 4 4.5 5");
        QCOMPARE(items(w<QComboBox>("comROE")),
            "991 992 993 994 995 996 997 998 999 1000 1001 1002 1003 1004 1005 1006 1007 "
            "1008 1009 1010 1011 1012 1013 1014 1015 1016 1017 1018 1019 1020 1021 1022 1023 1024");
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt)); // direction marks around its slashes
        form->Form_Load();
        QCOMPARE(text("lblTime"), "04/12/2026 14:55");
    }

    // The strip's Close and Alt+C end the program; the logo names it while the mouse is over it.
    void stripEndsTheProgramAndNamesIt()
    {
        run({{Key, "Alt+C"}, "cmdDrop7", {Hover, "imgLogo(0)"}, {Hover, "Label4"}});
        QVERIFY(ended == 2 && w("Label4")->isVisible());
        run({{Hover, "picButtons"}});
        QVERIFY(!w("Label4")->isVisible());
    }

    // The cues around the figures: how a box was read; figures kept from earlier
    // inputs, through each kind of guard and a calculation with no result; figures
    // outside their method's range, one a page (test_core holds each limit from
    // both sides); and none on the worked cases. A cue begins its control's tooltip and
    // description, and draws its mark.
    void cues_data()
    {
        const QString earlier = "=Earlier result|", outside = "=Outside the range|";
        const auto both = [](const Page &page, const QString &cue) {
            QStringList figures = page.results;
            figures.sort();
            return figures.join(cue) + cue;
        };
        const std::tuple<const char *, Steps, QString> rows[] = {
            {"pipe worked case", PipePage.filled, ""},
            {"orifice worked case", OrificePage.filled, ""},
            {"rectangular worked case", RecPage.filled + Steps{"cmdCon1"}, ""},
            {"trapezoidal worked case", TrapPage.filled, ""},
            {"V-notch worked case", VPage.filled, ""},
            {"comma", Pipe + Steps{{"comE1", "1,5"}}, "comE1=Read as 1|"},
            {"comma, zero guard", Pipe + Steps{{"comE1", "0,015"}}, "comE1=Read as 0|" + both(PipePage, earlier)},
            {"read whole again", Pipe + Steps{{"comE1", "1,5"}, {"comE1", "1.5"}}, ""},
            {"no number, threshold guard", OrificePage.filled + Steps{{"txtSODia", "abc"}},
                both(OrificePage, earlier) + "txtSODia=Read as 0|"},
            {"unit typed", RecPage.filled + Steps{{"txtRecWidth", "1000mm"}}, "txtRecWidth=Read as 1000|"},
            {"empty-text guard", VPage.filled + Steps{{"txtVAn", ""}}, both(VPage, earlier)},
            {"width too small", RecPage.filled + Steps{{"txtRecWidth", "0.01"}}, both(RecPage, earlier)},
            {"no result", TrapPage.filled + Steps{{"txtTrHeight", "-0.2"}}, both(TrapPage, earlier)},
            {"a figure again", TrapPage.filled + Steps{{"txtTrHeight", "-0.2"}, {"txtTrHeight", "0.2"}}, ""},
            {"Reynolds number 3 999", Pipe + Steps{{"txtQT", "0.3141"}}, both(PipePage, outside)},
            {"orifice head 4.9 diameters", OrificePage.filled + Steps{{"txtSOH", "0.49"}}, both(OrificePage, outside)},
            {"rectangular head 0.059 m", RecPage.filled + Steps{{"txtRecHeight", "0.059"}}, both(RecPage, outside)},
            {"trapezoidal head 0.05 m", TrapPage.filled + Steps{{"txtTrHeight", "0.05"}}, both(TrapPage, outside)},
            {"V-notch head 0.03 m", VPage.filled + Steps{{"txtVHeight", "0.03"}}, both(VPage, outside)},
            {"outside, then earlier", VPage.filled + Steps{{"txtVHeight", "0.03"}, {"txtVAn", ""}},
                both(VPage, earlier)},
        };
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("cues");
        for (const auto &[name, steps, cues] : rows) QTest::newRow(name) << steps << cues;
    }
    void cues()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, cues);
        run(steps);
        QString shown; // "name=Read as 1|" ("Read as" to its first sentence's end, else to the colon)
        QList<QWidget *> marked;
        for (QWidget *c : form->findChildren<QWidget *>())
            if (const QString cue = cueOf(c); !cue.isEmpty()) {
                shown += c->objectName() + u'=' + cue.section(cue.startsWith(u"Read") ? ". " : ":", 0, 0) + u'|';
                QVERIFY2(c->toolTip().startsWith(cue) && c->accessibleDescription().startsWith(cue), qPrintable(cue));
                marked << c;
            }
        QStringList sorted = shown.split(u'|', Qt::SkipEmptyParts);
        sorted.sort();
        QCOMPARE(sorted.join(u'|') + (sorted.isEmpty() ? "" : "|"), cues);
        for (QWidget *c : marked) { // the mark drawn: dark orange, or grey under a kept figure
            const bool stale = cueOf(c).startsWith(u"Earlier");
            QVERIFY2(pixelsNear(c, stale ? qRgb(0x76, 0x76, 0x76) : qRgb(0xb3, 0x47, 0x00)) > 4,
                qPrintable(c->objectName()));
        }
    }

    // Every box says on hover what it holds and its unit. Both pipe figures carry the
    // Reynolds number V D / 1e-6 of the flow shown, in the tooltip and after the
    // description; a read-back l/s figure says how it was reached and what the
    // page's own flow was.
    void boxesAndFiguresExplainThemselves()
    {
        run(Pipe);
        const auto labels = QAccessible::queryAccessibleInterface(w("comE1"))->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty() ? "" : labels[0].first->text(QAccessible::Name), "Pipe roughness, millimetres");
        QContextMenuEvent click(QContextMenuEvent::Mouse, {2, 2}, w("lblPipeHL")->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w("lblPipeHL"), &click); // the figure's menu: Copy
        w("lblPipeHL")->findChild<QMenu *>()->actions().value(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "2.57  m");
        for (const char *name : {"lblPipeV", "lblPipeHL"}) {
            const QString tip = w(name)->toolTip(), description = w(name)->accessibleDescription();
            QVERIFY2(tip.startsWith("Reynolds number 127 324: turbulent flow, where")
                    && description.endsWith(u' ' + tip + u'.')
                    && description.startsWith(name[7] == 'V' ? "Mean" : "Friction"),
                qPrintable(description));
        }
        run(Notches + Steps{"cmdWeirV", {"txtVAn", "90"}, {"txtVHeight", "0.15"}});
        QCOMPARE(w("txtVHeight")->toolTip() + u'|' + text("lblVLiter"), "Head above the vertex, metres|13.00");
        QVERIFY2(w("lblVLiter")->toolTip().endsWith("0.013 \u00d7 1000. The unrounded flow is 12.77 l/s."),
            qPrintable(w("lblVLiter")->toolTip()));
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            QVERIFY2(
                !box->toolTip().isEmpty() || qobject_cast<QComboBox *>(box->parent()), qPrintable(box->objectName()));
    }

    // Each box of a page filled with a result changed alone: a new figure; and one
    // box for each kind of guard, which keeps the last figure (zero on the pipe page,
    // below 0.001 on the orifice page, empty on the notch pages). The boxes keep what
    // they hold and the busy cursor is gone.
    void oneBoxChanged_data()
    {
        const Page *P = &PipePage, *O = &OrificePage, *R = &RecPage, *T = &TrapPage, *V = &VPage;
        const std::tuple<const Page *, const char *, const char *, const char *> rows[] = {
            {P, "txtQT", "-10", "-1.27  m/s|2.44  m"},
            {P, "txtLOP", "200", "1.27  m/s|5.14  m"},
            {P, "txtDOP", "0.05", "5.09  m/s|100.71  m"},
            {P, "comE1", "1", "1.27  m/s|3.17  m"},
            {P, "comE1", "0", "1.27  m/s|2.57  m"},
            {O, "txtSODia", "0.05", "0.008|7.63"},
            {O, "txtSOH", "0.5", "0.015|15.25"},
            {O, "txtSOH", "0.0009", "0.031|30.51"},
            {R, "txtRecHeight", "0.1", "0.058|58.00"},
            {R, "txtRecWidth", "0.5", "0.082|82.00"},
            {R, "txtRecHeight", "1e400", "0.165|165.00"},
            {T, "txtTrAn", "-14", "0.076|76.00"},
            {T, "txtTrHeight", "0.3", "0.169|169.00"},
            {T, "txtTrWidth", "0", "0.007|7.00"},
            {T, "txtTrAn", "", "0.089|89.00"},
            {V, "txtVAn", "-90", "-0.026|-26.00"},
            {V, "txtVHeight", "0.3", "0.072|72.00"},
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

    // Ctrl+Shift+C on a page: the page's calculation on the clipboard, as text
    // lines "  name  value  unit  note" and as an HTML table of the same rows
    // (name, value and unit in cells of their own), the method with the page's
    // constants, and "Quorvel 1.1.0" with the moment. Primary selection untouched.
    void copyCalculation_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("rows"); // "name|value|unit", and "Title" / "Method..." lines
        const auto row = [](const char *name, const Steps &steps, const QStringList &rows) {
            QTest::newRow(name) << steps << rows;
        };
        row("pipe", Pipe,
            {"Pipe velocity and friction headloss", "Total flow|10|l/s", "Length of pipeline|100|m",
                "Diameter of pipeline|0.1|m", "Pipe roughness|0.5|mm", "Pipe velocity|1.27|m/s",
                "Headloss due to friction|2.57|m", "Reynolds number|127 324|", "Darcy-Weisbach",
                "g = 9.81 m/s², π = 3.14159, ν = 0.000001 m²/s"});
        row("orifice", OrificePage.filled,
            {"Small orifices - open tank", "Orifice diameter|0.1|m", "Head above the orifice|2|m",
                "Kind of orifice|sharp-edged|", "Orifice flow|0.031|m³/s", "Orifice flow|30.51|l/s", "Cd = 0.62"});
        row("rectangular", RecPage.filled + Steps{"cmdCon2"},
            {"Rectangular notch", "Head above the crest|0.2|m", "Notch width|1.0|m", "End contractions|2|",
                "Rectangular notch flow|0.158|m³/s", "Rectangular notch flow|158.00|l/s", "1.84 (L − 0.1 n H)"});
        row("trapezoidal", TrapPage.filled,
            {"Trapezoidal notch", "Head above the crest|0.2|m", "Crest width|0.5|m",
                "Side angle from the vertical|14|°", "Trapezoidal notch flow|0.089|m³/s",
                "Trapezoidal notch flow|89.00|l/s", "Cd = 0.623"});
        row("v-notch", VPage.filled,
            {"V-notch", "Head above the vertex|0.2|m", "Included angle|90|°", "V-notch flow|0.026|m³/s",
                "V-notch flow|26.00|l/s", "Cd = 0.62"});
        row("no figure", Notches + Steps{"cmdWeirV", {"txtVAn", "90"}},
            {"V-notch", "Head above the vertex||m", "Included angle|90|°", "No figure"});
        // "1,5" reads as 1 mm (3.17 m, not the 3.63 m of 1.5 mm), and the sheet says so.
        row("a box read as 1", Pipe + Steps{{"comE1", "1,5"}},
            {"Pipe roughness|1,5|mm|Read as 1. A comma ends the number", "Headloss due to friction|3.17|m"});
    }
    void copyCalculation()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, rows);
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        if (clipboard->supportsSelection()) clipboard->setText("kept", QClipboard::Selection);
        run(steps);
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData *copied = clipboard->mimeData();
        QVERIFY(copied && copied->hasText() && copied->hasHtml());
        const QString text = copied->text(), html = copied->html();
        const QStringList lines = text.trimmed().split(u'\n');
        QCOMPARE(lines.last(), "Quorvel 1.1.0, 2026-12-04 14:55");
        QCOMPARE(html.count("<tr>"), lines.size()); // a row a line
        QVERIFY(html.contains("<table"));
        for (const QString &r : rows) {
            if (!r.contains(u'|')) {
                QVERIFY2(text.contains(r) && html.contains(r.toHtmlEscaped()), qPrintable(r));
                continue;
            }
            const QStringList cells = r.split(u'|');
            QStringList escaped;
            for (const QString &c : cells) escaped << QRegularExpression::escape(c);
            if (escaped.last().isEmpty()) escaped.removeLast(); // no unit: the line ends with the value or a note
            const QRegularExpression line("^  " + escaped.join(" +"), QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(line), qPrintable(r + u'\n' + text));
            QString cell; // a fourth cell, the note, is given by its beginning
            for (const QString &c : cells) cell += "<td align=\"left\">" + c.toHtmlEscaped() + "</td>";
            if (cells.size() == 4) cell.chop(5);
            QVERIFY2(html.contains(cell), qPrintable(r + u'\n' + html));
        }
        if (clipboard->supportsSelection()) QCOMPARE(clipboard->text(QClipboard::Selection), "kept");
    }

    // What clicks, keys and typing open and show; a row that goes on from the one
    // before it runs that row's steps first.
    void pages_data()
    {
        const bool On = true;
        const std::tuple<const char *, bool, Steps, Expect> rows[] = {
            {"pipe page", !On, {"cmdDWAB2"}, {.frames = "fraInput", .focus = "txtQT"}},
            {"flow measurement twice", !On, {"cmdDWAB1", "cmdDWAB1"}, {.frames = "fraFM"}},
            {"notch kept", !On, Notches + Steps{"cmdWRec", "cmdDWAB2", "cmdDWAB1"}, {"fraFM fraWeir fraWRec"}},
            {"notch reopened", !On, Notches + Steps{"cmdWeirTrap", "AniPushButton2", "AniPushButton3"},
                {"fraFM fraWeir fraWeirTrap"}},
            {"V-notch then rectangular", !On, Notches + Steps{"cmdWeirV", "cmdWRec"}, {"fraFM fraWeir fraWRec"}},
            {"sub-pages closed", !On, Orifice + Steps{"AniPushButton4", "AniPushButton3", "AniPushButton2"}, {"fraFM"}},
            {"notches under the pipe page", !On, Notches + Steps{"cmdDWAB2"}, {.frames = "fraInput fraWeir"}},
            {"access keys", !On, {{Key, "Alt+F"}, {Key, "Alt+P"}}, {.frames = "fraInput", .focus = "txtQT"}},
            // By keyboard: Return opens a sub-page with the focus in it, Tab passes the
            // menu buttons it covers, held Space on its Close closes it once and leaves
            // the focus on its opener, keypad Enter opens the notches.
            {"Return opens the orifice page", !On, {{Key, "Alt+F"}, {Key, "Tab"}, {Key, "Return"}},
                {.frames = "fraFM fraSO", .focus = "txtSODia"}},
            {"covered buttons passed by", On, Steps(4, {Key, "Tab"}), {.focus = "AniPushButton4"}},
            {"held Space on Close", On, {{Hold, ""}}, {.frames = "fraFM", .focus = "AniPushButton1"}},
            {"keypad Enter opens the notches", On, {{Key, "Tab"}, {Key, "Enter"}}, {"fraFM fraWeir", "cmdWRec"}},
            {"8 and 32 characters", !On,
                {"cmdDWAB2", {Type, "txtQT", "123456789"}, "cmdDWAB1", "AniPushButton1",
                    {Type, "txtSOH", QString(40, u'9')}},
                {.texts = {{"txtQT", "12345678"}, {"txtSOH", Nines32}}}},
            {"pipe page kept", !On, Pipe + Steps{"cmdDWAB1", "cmdDWAB2"},
                {"fraInput fraOutput", "txtQT", {}, {{"txtQT", "10"}}}},
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
            {"roughness typed, no completion", On, {{Type, "comE1", "1."}}, {.texts = {{"comE1", "1."}}}},
            // Digits of other scripts pasted are the digits of the same value.
            {"Persian and Arabic digits", !On,
                {"cmdDWAB2", {Paste, "txtQT", "\u06f1\u06f0"}, {Paste, "txtDOP", "\u0660\u066b\u0661"},
                    {Paste, "comE1", "\uff10.5"}},
                {.texts = {{"txtQT", "10"}, {"txtDOP", "0.1"}, {"comE1", "0.5"}}}},
            // The keypad's decimal key, which X11 gives as a comma on a German keypad.
            {"keypad decimal", !On, {"cmdDWAB2", {Key, "1"}, {Key, "Num+,"}, {Key, "5"}},
                {.texts = {{"txtQT", "1.5"}}}},
            // The orifice and rectangular kinds: the mark, and the figure of that kind.
            {"orifice diameter only", !On, Orifice + Steps{{"txtSODia", "0.1"}},
                {.marks = "", .texts = {{"lblCumec", ""}}}},
            {"orifice rounded", On, {{"txtSOH", "2"}, "cmdSOR"},
                {.marks = "cmdSOR:BF", .texts = {{"lblCumec", "0.048"}}}},
            {"orifice running free", On, {"cmdSOBRF"}, {.marks = "cmdSOBRF:BF", .texts = {{"lblCumec", "0.025"}}}},
            {"orifice running full", On, {"cmdSOBRU"}, {.marks = "cmdSOBRU:BF", .texts = {{"lblCumec", "0.037"}}}},
            {"orifice kind under the guard", On, {{"txtSODia", "0.0009"}, "cmdSOR"}, {.marks = "cmdSOBRU:BF"}},
            {"orifice kind after the guard", On, {{"txtSODia", "0.1"}},
                {.marks = "cmdSOR:BF", .texts = {{"lblCumec", "0.048"}}}},
            {"orifice reopened", On, {"AniPushButton4", "AniPushButton1"},
                {.marks = "cmdSOR:BF", .texts = {{"lblLiter", ""}}}},
            {"orifice sharp-edged again", On, {{"txtSOH", "2.0"}},
                {.marks = "cmdSOSE:BF", .texts = {{"lblLiter", "30.51"}}}},
            {"rectangular opened", !On, Notches + Steps{"cmdWRec"},
                {.focus = "txtRecHeight", .texts = {{"txtRecWidth", ""}}}},
            {"rectangular one side", On, {{"txtRecHeight", "0.2"}, "cmdCon1", {"txtRecWidth", "1.0"}},
                {.marks = "cmdCon1:B", .texts = {{"lblRecCumec", "0.161"}}}},
            {"rectangular fully contracted", On, {"cmdCon2"},
                {.marks = "cmdCon2:B", .texts = {{"lblRecLiter", "158.00"}}}},
            {"rectangular ratio too small", On, {{Type, "txtRecWidth", "0.5"}},
                {.texts = {{"txtRecHeight", ""}, {"txtRecWidth", ".5"}, {"lblRecCumec", "0.158"}}}},
            {"rectangular reopened", On, {"cmdWRec"}, {.marks = "cmdCon2:B", .texts = {{"lblRecCumec", ""}}}},
            {"rectangular suppressed again", On, {{"txtRecHeight", "0.2"}, {"txtRecWidth", "0.5"}},
                {.marks = "cmdCon:B", .texts = {{"lblRecCumec", "0.082"}}}},
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

    // None of these does anything: the notch page's covered menu button, Return in
    // the roughness box, the wheel over that box while another has the focus.
    void strayInputDoesNothing()
    {
        run(Notches + Steps{"cmdWRec"});
        QWidget *menu = w("AniPushButton3");
        QVERIFY(form->childAt(menu->mapTo(form.get(), menu->rect().center())) != menu);
        run({"cmdDWAB2", {Type, "comE1", "7"}, {Key, "Return"}, {Key, "Shift+Tab"}});
        QWheelEvent wheel({5, 5}, w("comE1")->mapToGlobal(QPointF(5, 5)), {}, {0, -240}, {}, {}, Qt::NoScrollPhase, 0);
        QApplication::sendEvent(w("comE1"), &wheel);
        QCOMPARE(QString::number(w<QComboBox>("comE1")->count()) + u' ' + text("comE1"), "10 7");
    }

    // The design's colours: the chosen kind's caption painted blue (0x00BBGGRR), the
    // others black; button faces and boxes white.
    void designColours()
    {
        run(OrificePage.filled + Steps{"cmdSOR"});
        const auto caption = [this](const char *button, QRgb colour) { return pixelsNear(w(button), colour, 0.6); };
        QVERIFY(caption("cmdSOR", qRgb(0, 0, 255)) > 10 && caption("cmdSOR", qRgb(255, 0, 0)) == 0);
        QVERIFY(caption("cmdSOSE", qRgb(0, 0, 255)) == 0 && caption("cmdSOSE", qRgb(0, 0, 0)) > 10);
        for (const char *light : {"cmdSOSE", "txtSOH"})
            QVERIFY2(pixelsNear(w(light), qRgb(255, 255, 255)) > 10 * pixelsNear(w(light), qRgb(0, 0, 0)), light);
    }

    // Every screen with figures in it, one after the other, rendered at full
    // resolution, with every control but the drawings inside its container, no shown
    // text box covered, every caption inside its label and every shown button's
    // focus ring clear of its caption.
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
            if (!qobject_cast<ImageBox *>(c)) // a control other than a drawing lies wholly in its container
                QVERIFY2(c->parentWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
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
        // Last, since focusing a button hides the roughness table checked above.
        for (AniPushButton *button : form->findChildren<AniPushButton *>()) {
            if (button->isVisibleTo(form.get())) focusRingClearOfCaption(button);
            if (QTest::currentTestFailed()) return;
        }
    }

    void tabOrder()
    {
        QStringList chain{"txtQT"}; // the focus chain is a ring: once round from the first
        for (QWidget *c = w("txtQT")->nextInFocusChain(); c != w("txtQT"); c = c->nextInFocusChain())
            if (QString(TabOrder).split(u' ').contains(c->objectName())) chain << c->objectName();
        QCOMPARE(chain.join(u' '), QString(TabOrder));
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
