// The calculator form driven as a user drives it, and drawn: the start, the pages
// and their guards box by box, the roughness table, the chosen-variant marks as
// painted, the parent window, and every control where the design puts it. CTest
// runs this at device pixel ratios 1 and 2. Figures are the design's worked cases.
#include "toolkit/AniPushButton.h"
#include "app/MDIQvl.h"
#include "toolkit/controls.h"
#include "form/frmQvOpen.h"
#include "app/startup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

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
const char *TabOrder = "txtQT txtLOP txtDOP comE1 cmdDrop7 comROE txtSODia txtSOH txtRecWidth txtRecHeight txtVAn "
                       "txtVHeight txtTrHeight txtTrWidth txtTrAn cmdDWAB2 cmdDWAB1 AniPushButton1 AniPushButton3 cmdWRec "
                       "cmdWeirTrap cmdWeirV AniPushButton2 cmdCon cmdCon2 cmdCon1 AniPushButton4 cmdSOSE cmdSOBRU "
                       "cmdSOBRF cmdSOR";
const QHash<QChar, QColor> Colours{{u'r', QColor(128, 0, 0)}, {u'R', QColor(192, 0, 0)}, {u'k', Qt::black},
                                   {u'n', QColor(0, 0, 128)}, {u't', QColor(29, 86, 120)}};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

    QWidget *w(const QString &name) { return name == u"frmQvOpen" ? form.get() : form->findChild<QWidget *>(name); }

    // Runs a script on the form: "name" clicks a shown button with the mouse,
    // "name=text" puts a text in a box at once, "name:text" types it key by key
    // over what was there, "^key" presses a key such as Alt+F or Tab, "~name"
    // moves the mouse over a control, "#n" picks row n of the roughness list.
    void run(const QString &script)
    {
        for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype at = step.indexOf(QRegularExpression("[=:]"));
            QWidget *target = w(step.left(at).remove(QRegularExpression("^~")));
            if (step[0] == u'^') { // a key, "^Alt+F", "^Shift+Tab"
                const QKeyCombination key = QKeySequence(step.mid(1))[0];
                QWidget *focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : form.get(), key.key(), key.keyboardModifiers());
            } else if (step[0] == u'#') {
                QAbstractItemView *list = form->comE1->view();
                form->comE1->showPopup();
                QTRY_VERIFY(list->isVisible() && form->fraKs->isVisible()); // opening the list is not leaving the box
                const QRect item = list->visualRect(list->model()->index(step.mid(1).toInt(), 0));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
                QTRY_VERIFY(!list->isVisible());
            } else if (step[0] == u'~') QTest::mouseMove(target, QPoint(2, 2));
            else {
                QVERIFY2(target && target->isVisible(), qPrintable(step));
                if (at < 0) QTest::mouseClick(target, Qt::LeftButton);
                else if (step[at] == u':') {
                    target->setFocus();
                    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(target, step.mid(at + 1));
                } else if (auto *combo = qobject_cast<QComboBox *>(target)) combo->setEditText(step.mid(at + 1));
                else static_cast<QLineEdit *>(target)->setText(step.mid(at + 1));
            }
        }
    }

    // What the named things show, joined by "|": "frames" the frames shown,
    // "focus" the control with the focus, "marks" the buttons with a blue caption
    // (B) or a state flag (F), "ended" how often the program was asked to end, "busy"
    // whether the busy cursor is set,
    // "name?" whether a control is shown, any other name its control's text.
    QString look(const QString &names)
    {
        QStringList out;
        for (const QString &name : names.split(u' ')) {
            QStringList items;
            if (name == u"frames")
                for (Frame *f : form->findChildren<Frame *>()) { if (!f->isHidden()) items << f->objectName(); }
            else if (name == u"marks")
                for (AniPushButton *b : form->findChildren<AniPushButton *>())
                    if (b->foreColor() == 0xFF0000 || b->value())
                        items << b->objectName() + u':' + (b->foreColor() == 0xFF0000 ? "B" : "") + (b->value() ? "F" : "");
            items.sort(Qt::CaseInsensitive);
            if (name == u"focus") items << QApplication::focusWidget()->objectName();
            else if (name == u"ended") items << QString::number(ended);
            else if (name == u"busy") items << QString::number(QGuiApplication::overrideCursor() != nullptr);
            else if (name.endsWith(u'?')) items << QString::number(w(name.chopped(1))->isVisible());
            else if (name.endsWith(u'*')) // a list's items
                for (int i = 0; i < static_cast<QComboBox *>(w(name.chopped(1)))->count(); ++i)
                    items << static_cast<QComboBox *>(w(name.chopped(1)))->itemText(i);
            else if (auto *combo = qobject_cast<QComboBox *>(w(name))) items << combo->currentText();
            else if (w(name)) items << w(name)->property("text").toString();
            out << items.join(u' ');
        }
        return out.join(u'|');
    }

private slots:
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
        setUpApplication();
        const MainWindow window = openMainWindow();
        QCOMPARE(window.parent->windowTitle() + u'|' + window.form->windowTitle(), "Pipeline Quorvel|Pipeline quorvel");
        QVERIFY(window.parent->isMaximized() && window.form->parentWidget()->isMaximized());
    }

    // Both pipe figures carry the Reynolds number V D / 1e-6 of the flow shown, in
    // the tooltip and after the description; a guard leaves the last one with them.
    void pipeFiguresSayTheirReynoldsNumber()
    {
        const char *rows[][2] = {
            {"cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5", "Reynolds number 127 324: turbulent flow, where"},
            {"+ txtQT=0", "Reynolds number 127 324: turbulent flow, where"},
            {"cmdDWAB2 txtQT=3 txtLOP=100 txtDOP=1 comE1=0.5", "Reynolds number 3 820: transitional flow"},
            {"cmdDWAB2 txtQT=0.0006 txtLOP=1 txtDOP=0.002 comE1=0.001", "Reynolds number 382: laminar flow; the Colebrook"},
        };
        for (auto [script, note] : rows) {
            if (script[0] != '+') init();
            run(QString::fromLatin1(script[0] == '+' ? script + 1 : script));
            for (const QLabel *figure : {form->lblPipeV, form->lblPipeHL}) {
                QVERIFY2(figure->toolTip().startsWith(QLatin1String(note)), qPrintable(figure->toolTip()));
                QVERIFY2(figure->accessibleDescription().endsWith(u' ' + figure->toolTip() + u'.') &&
                             figure->accessibleDescription().startsWith(figure == form->lblPipeV ? u"Mean" : u"Friction"),
                         qPrintable(figure->accessibleDescription()));
            }
        }
    }


    // One case a line; a script starting with "+" goes on with the form of the
    // line before.
    void pagesAnswerClicksAndTyping()
    {
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()) && !QGuiApplication::overrideCursor());
        QStringList densities;
        for (int g = 991; g <= 1024; ++g) densities << QString::number(g);
        const QByteArray start = "|||04.12.2026 14:55|0|0|0|0.5 1 1.5 2 2.5 3 3.5 4 4.5 5|" + densities.join(u' ').toLatin1();
        const char *rows[][3] = {
            {"", "frames comE1 comROE lblTime comROE? Label1(2)? Label4? comE1* comROE*", start.constData()},
            {"cmdDWAB2", "frames focus", "fraInput|txtQT"},
            {"cmdDWAB1 cmdDWAB1", "frames", "fraFM"},
            {"cmdDWAB1 AniPushButton3 cmdWRec cmdDWAB2 cmdDWAB1", "frames", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap AniPushButton2 AniPushButton3", "frames", "fraFM fraWeir fraWeirTrap"},
            {"cmdDWAB1 AniPushButton3 cmdWeirV cmdWRec", "frames", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton1 AniPushButton4 AniPushButton3 AniPushButton2", "frames", "fraFM"},
            {"cmdDWAB1 AniPushButton3 cmdDWAB2", "frames", "fraInput fraWeir"},
            {"^Alt+F ^Alt+P", "frames focus", "fraInput|txtQT"},
            {"^Alt+C cmdDrop7 ~imgLogo(0) ~Label4", "ended Label4?", "2|1"},
            {"+ ~picButtons", "Label4?", "0"},
            // Each box in turn spoiled (zero on the pipe page, below 0.001 on the orifice
            // page, empty on a notch page) stops its page: the result and the boxes stay.
            {"cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"+ txtQT=0", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"+ txtQT=10 txtLOP=0", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"+ txtLOP=100 txtDOP=0", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"+ txtDOP=0.1 comE1=0", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"cmdDWAB1 AniPushButton1 txtSODia=0.1 txtSOH=2", "lblCumec lblLiter", "0.031|30.51"},
            {"+ txtSODia=0.0009", "lblCumec lblLiter", "0.031|30.51"},
            {"+ txtSODia=0.1 txtSOH=0.0009", "lblCumec lblLiter", "0.031|30.51"},
            {"cmdDWAB1 AniPushButton3 cmdWRec txtRecHeight=0.2 txtRecWidth=1.0", "lblRecCumec lblRecLiter", "0.165|165.00"},
            {"+ txtRecHeight=", "lblRecCumec lblRecLiter txtRecWidth", "0.165|165.00|1.0"},
            {"+ txtRecHeight=0.2 txtRecWidth=", "lblRecCumec lblRecLiter txtRecHeight", "0.165|165.00|0.2"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap txtTrAn=14 txtTrHeight=0.2 txtTrWidth=0.5", "lblTCumec lblTLiter",
             "0.089|89.00"},
            {"+ txtTrAn=", "lblTCumec lblTLiter", "0.089|89.00"},
            {"+ txtTrAn=14 txtTrHeight=", "lblTCumec lblTLiter", "0.089|89.00"},
            {"+ txtTrHeight=0.2 txtTrWidth=", "lblTCumec lblTLiter", "0.089|89.00"},
            {"cmdDWAB1 AniPushButton3 cmdWeirV txtVAn=90 txtVHeight=0.2", "lblVCumec lblVLiter", "0.026|26.00"},
            {"+ txtVAn=", "lblVCumec lblVLiter", "0.026|26.00"},
            {"+ txtVAn=90 txtVHeight=", "lblVCumec lblVLiter", "0.026|26.00"},
            {"cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5 txtLOP=200", "lblPipeV busy", "1.27  m/s|0"},
            {"+ cmdDWAB1 cmdDWAB2", "frames focus txtQT", "fraInput fraOutput|txtQT|10"},
            // The roughness table shows while the roughness box has the focus, until
            // a roughness is picked (the one already there too) or typed.
            {"cmdDWAB2 ^Tab ^Tab ^Tab", "focus fraKs?", "comE1|1"},
            {"+ ^Tab", "fraKs?", "0"},
            {"+ ^Shift+Tab", "fraKs?", "1"},
            {"+ #0", "comE1 focus fraKs?", "0.5|comE1|0"},
            {"+ ^Tab ^Shift+Tab", "fraKs?", "1"},
            {"+ #0", "fraKs?", "0"},
            {"+ ^Tab ^Shift+Tab comE1:7", "fraKs?", "0"},
            {"cmdDWAB1 AniPushButton1 txtSODia=0.1", "lblCumec lblLiter marks", "||"},
            {"+ txtSOH=2 cmdSOR", "lblCumec lblLiter marks", "0.048|47.73|cmdSOR:BF"},
            {"+ cmdSOBRF", "lblCumec lblLiter marks", "0.025|24.60|cmdSOBRF:BF"},
            {"+ cmdSOBRU", "lblCumec lblLiter marks", "0.037|36.90|cmdSOBRU:BF"},
            {"+ txtSODia=0.0009 cmdSOR", "lblCumec marks", "0.037|cmdSOBRU:BF"},
            {"+ txtSODia=0.1", "lblCumec marks", "0.048|cmdSOR:BF"},
            {"+ AniPushButton4 AniPushButton1", "lblCumec lblLiter marks", "||cmdSOR:BF"},
            {"+ txtSOH=2.0", "lblCumec lblLiter marks", "0.031|30.51|cmdSOSE:BF"},
            {"cmdDWAB1 AniPushButton3 cmdWRec", "focus txtRecHeight txtRecWidth", "txtRecHeight||"},
            {"+ txtRecHeight=0.2 cmdCon1 txtRecWidth=1.0", "lblRecCumec lblRecLiter marks", "0.161|161.00|cmdCon1:B"},
            {"+ cmdCon2", "lblRecCumec lblRecLiter marks", "0.158|158.00|cmdCon2:B"},
            {"+ txtRecWidth:0.5", "txtRecHeight txtRecWidth lblRecCumec marks", "|.5|0.158|cmdCon2:B"},
            {"+ cmdWRec", "lblRecCumec marks", "|cmdCon2:B"},
            {"+ txtRecHeight=0.2 txtRecWidth=0.5", "lblRecCumec lblRecLiter marks", "0.082|82.00|cmdCon:B"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap txtTrAn=14 cmdWeirV txtVHeight=0.2", "focus lblVCumec", "txtVHeight|"},
            {"+ cmdWeirTrap", "focus txtTrAn lblTLiter", "txtTrHeight||"},
        };
        for (auto [script, names, expected] : rows) {
            if (script[0] != '+') init();
            run(QString::fromLatin1(script[0] == '+' ? script + 1 : script));
            QVERIFY2(look(names) == expected, qPrintable(script + QStringLiteral(": ") + look(names)));
        }
        const QPoint menu = form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center());
        QVERIFY(form->childAt(menu) != form->AniPushButton3); // covered by the open notch page
        run("cmdDWAB2 comE1:7");
        QTest::keyClick(form->comE1, Qt::Key_Return); // confirms the text; the list stays as it was
        QCOMPARE(QString::number(form->comE1->count()) + u' ' + form->comE1->currentText(), "10 7");
    }

    // Every screen with figures in it rendered at full resolution, with no shown
    // text box covered and every caption inside its label; then every control
    // against the catalogue, and the tab order.
    void everyScreenAndControlAsDesigned()
    {
        const char *screens[][2] = {
            {"start", "~imgLogo(0)"}, {"pipe", "cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5 ^Tab ^Shift+Tab"},
            {"orifice", "cmdDWAB1 AniPushButton1 txtSODia=0.1 txtSOH=2 cmdSOR"},
            {"rectangular", "AniPushButton4 AniPushButton3 cmdWRec txtRecHeight=1 txtRecWidth=2"},
            {"trapezoidal", "cmdWeirTrap txtTrAn=14 txtTrHeight=1 txtTrWidth=1"},
            {"v-notch", "cmdWeirV txtVAn=90 txtVHeight=1"},
        };
        auto pixels = [](QWidget *button, QRgb colour) { // below the picture, where the caption is
            const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto *bits = reinterpret_cast<const QRgb *>(image.constScanLine(image.height() * 3 / 5));
            return std::count(bits, reinterpret_cast<const QRgb *>(image.constBits()) + image.width() * image.height(), colour);
        };
        for (auto [screen, script] : screens) {
            run(script);
            if (screen == QLatin1String("orifice")) // the chosen kind's caption painted blue (0x00BBGGRR), the others not
                QVERIFY(pixels(form->cmdSOR, qRgb(0, 0, 255)) > 10 && pixels(form->cmdSOR, qRgb(255, 0, 0)) == 0
                        && pixels(form->cmdSOSE, qRgb(0, 0, 255)) == 0 && pixels(form->cmdSOSE, qRgb(0, 0, 0)) > 10);
            QVERIFY2(form->grab().size() == QSize(801, 561) * form->devicePixelRatio(), screen); // full resolution
            for (QWidget *c : form->findChildren<QWidget *>()) {
                if (!c->isVisibleTo(form.get()) || c->objectName().startsWith(u"qt_") || c->objectName().isEmpty()) continue;
                if (qobject_cast<TextBox *>(c)) // nothing lies over a shown text box
                    QVERIFY2(form->childAt(c->mapTo(form.get(), c->rect().center())) == c, qPrintable(c->objectName()));
                if (auto *label = qobject_cast<Label *>(c)) {
                    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
                    const QRect need = label->fontMetrics().boundingRect(
                        QRect(0, 0, wrap ? label->width() : 9999, 9999), wrap, label->text());
                    QVERIFY2(need.width() <= label->width() && need.height() <= label->height(), qPrintable(c->objectName()));
                }
            }
        }
        for (const QString &section : QString(Catalogue).split(u'@', Qt::SkipEmptyParts)) {
            const QString container = section.section(u' ', 0, 0);
            for (const QString &record : section.section(u' ', 1).split(QStringLiteral("; "))) {
                const QStringList f = record.simplified().split(u' ');
                QWidget *c = w(f[0]);
                QVERIFY2(c && c->parentWidget() == w(container), qPrintable(f[0]));
                QString font = f[5];
                const QChar grow = font.endsWith(u'<') || font.endsWith(u'>') ? font.back() : QChar();
                font.remove(u'<').remove(u'>');
                const auto px = [&](int i) { return qRound(f[i].toInt() / 15.0); }; // 15 twips a pixel
                const QRect at(px(1), px(2), px(3), px(4)), now = c->geometry();
                const bool edgeKept = grow == u'<' ? now.left() == at.left() : now.right() == at.right();
                QVERIFY2(grow.isNull() ? now == at : now.top() == at.top() && edgeKept, qPrintable(f[0]));
                if (font.contains(u'/'))
                    QVERIFY2(c->palette().color(QPalette::WindowText) == Colours[font.back()], qPrintable(f[0]));
                font = font.section(u'/', 0, 0).replace(u'F', QStringLiteral("9.75B"));
                const QFont cf = c->font();
                const int pixels = qRound(font.section(QRegularExpression("[BIU]"), 0, 0).toDouble() * 96 / 72);
                QVERIFY2(font == u"-" || (cf.pixelSize() == pixels && cf.bold() == font.contains(u'B')
                                           && cf.italic() == font.contains(u'I') && cf.underline() == font.contains(u'U')),
                         qPrintable(f[0]));
            }
        }
        QStringList chain{"txtQT"}; // the focus chain is a ring: once round from the first
        for (QWidget *c = form->txtQT->nextInFocusChain(); c != form->txtQT; c = c->nextInFocusChain())
            if (QString(TabOrder).split(u' ').contains(c->objectName())) chain << c->objectName();
        QCOMPARE(chain.join(u' '), QString(TabOrder));
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
