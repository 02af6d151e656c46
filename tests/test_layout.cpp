// The window as designed and as drawn. The catalogue below is the design's own,
// in twips: each control's container, place, font (points, Bold, Italic,
// Underline; F the form's 9.75 bold, - not checked), text colour (/r dark red,
// /R result red, /k black, /n navy, /t time blue) and, for auto-size labels,
// the edge they keep (< left, > right). CTest runs this at device pixel ratios
// 1 and 2; the rendered screens go to <build>/tests/screens/x<ratio>/.
#include "controls.h"
#include "frmQvOpen.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

const char *const Catalogue[][2] = {
    {"frmQvOpen", "fraFM 120 1080 11655 7335 11.25BU, fraKs 6000 1320 5895 3735 F, fraInput 240 1320 5655 3735 "
                  "11.25BU/r, fraOutput 240 5160 5655 1815 11.25BU/r, comROE 3000 8040 1695 360 F, picButtons 0 0 "
                  "12015 975 8.25, Label1(2) 480 8160 2385 285 F/k>"},
    {"picButtons", "cmdDrop7 10800 480 1095 375 F, cmdDWAB2 2520 240 3735 615 F, cmdDWAB1 6360 240 2415 615 F, "
                   "Label4 840 120 1695 735 6.75B, imgLogo(0) 120 120 615 495 -, lblTime 11085 120 780 270 11.25B/t>"},
    {"fraInput", "txtQT 3300 1320 1695 360 11.25B, txtDOP 3300 2280 1695 360 11.25B, txtLOP 3300 1800 1695 360 "
                 "11.25B, comE1 3300 2760 1695 390 11.25B, Image1(1) 600 720 255 255 -, Image1(0) 600 360 255 255 -, "
                 "lblVCap(3) 960 720 3135 225 9/r<, lblVCap(2) 960 360 4215 225 9/r<, Label1(17) 660 2880 2385 270 "
                 "11.25B/k>, Label1(7) 1620 1440 1545 270 11.25B/k>, Label1(1) 480 2400 2670 270 11.25B/k>, "
                 "Label1(0) 720 1920 2460 270 11.25B/k>"},
    {"fraOutput", "lblVCap(1) 240 960 2595 270 11.25B/r<, lblVCap(0) 1440 480 1425 270 11.25B/r<, "
                  "lblPipeV 3360 480 1575 375 11.25B, lblPipeHL 3360 960 1575 375 11.25B"},
    {"fraKs", "lblVCap(28) 120 2880 5700 0 8.25I/r<, lblVCap(27) 3960 720 0 0 8.25U/k<, lblVCap(26) 4800 720 0 0 "
              "8.25U/k<, lblVCap(25) 4800 1680 0 0 9/k<, lblVCap(24) 4800 2040 0 0 9/k<, lblVCap(23) 4800 2400 0 0 "
              "9/k<, lblVCap(22) 3120 720 0 0 8.25U/k<, lblVCap(21) 3960 960 0 0 9/k<, lblVCap(20) 3960 1320 0 0 9/k<, "
              "lblVCap(19) 3960 1680 0 0 9/k<, lblVCap(18) 3960 2040 0 0 9/k<, lblVCap(17) 3960 2400 0 0 9/k<, "
              "lblVCap(16) 4800 960 0 0 9/k<, lblVCap(15) 4800 1320 0 0 9/k<, lblVCap(14) 3120 1320 0 0 9/k<, "
              "lblVCap(13) 3120 1680 0 0 9/k<, lblVCap(12) 3120 2040 0 0 9/k<, lblVCap(11) 3120 2400 0 0 9/k<, "
              "lblVCap(10) 3120 960 0 0 9/k<, lblVCap(9) 120 2400 0 0 9/r<, lblVCap(8) 120 2040 0 0 9/r<, "
              "lblVCap(7) 120 1680 0 0 9/r<, lblVCap(6) 120 1320 0 0 9/r<, lblVCap(5) 120 960 0 0 9/r<, "
              "lblVCap(4) 120 360 0 0 9/r<"},
    {"fraFM", "fraSO 240 600 11175 6255 11.25BU, fraWeir 240 600 11175 6255 11.25BU, AniPushButton3 240 1320 2295 "
              "615 F, AniPushButton1 240 720 1935 615 F"},
    {"fraSO", "txtSOH 5400 2280 735 360 F, txtSODia 6480 240 735 360 F, AniPushButton4 240 4080 1095 615 F, "
              "cmdSOSE 2520 4080 1455 615 8.25B, cmdSOBRU 7320 4080 1335 615 8.25B, cmdSOBRF 5640 4080 1455 615 "
              "8.25B, cmdSOR 4200 4080 1095 615 8.25B, Label3(2) 10080 3240 855 375 12B, Label3(1) 10080 2880 855 "
              "375 12B, lblLiter 8880 3240 735 375 12B/R, lblCumec 8880 2880 735 375 12B/R, Label3(0) 9360 2400 735 "
              "375 14.25BU, Label2(2) 6480 3840 1335 735 9IU/R, Label2(1) 5760 2640 975 735 9, Label2(0) 7320 360 "
              "1935 375 9, Image2(1) 2520 3960 5895 3255 -, Image2(0) 1440 -240 6975 4575 -, Shape1 8640 2280 2295 "
              "1455 -"},
    {"fraWeir", "cmdWRec 240 840 2295 615 F, cmdWeirTrap 240 2280 2295 615 F, cmdWeirV 240 1560 1335 615 F, "
                "AniPushButton2 240 3600 1095 615 F, fraWeirTrap 3360 600 6975 5055 11.25B/n, fraWRec 3360 600 "
                "6975 5055 11.25B/n, fraWeirV 3360 600 6975 5055 11.25B/n"},
    {"fraWRec", "txtRecHeight 1200 720 735 375 F, txtRecWidth 3000 360 735 375 F, cmdCon 480 2640 1815 855 8.25B, "
                "cmdCon2 4080 2640 1815 855 8.25B, cmdCon1 2400 2640 1455 855 8.25B, Label3(5) 5280 1200 735 375 "
                "14.25BU, lblRecCumec 4680 1680 1080 285 12B/R<, lblRecLiter 4680 2040 780 285 12B/R<, Label3(4) "
                "6000 1680 855 375 12B, Label3(3) 6000 2040 855 375 12B, Image4 120 2760 5535 3015 -, Image3 120 120 "
                "4455 3015 -, Shape2 4560 1080 2295 1455 -"},
    {"fraWeirTrap", "txtTrAn 5880 2160 735 375 F, txtTrWidth 4920 1920 735 375 F, txtTrHeight 1800 2520 735 375 F, "
                    "Image5 120 1440 7215 4335 -, Label3(11) 6000 1200 855 375 12B, Label3(10) 6000 840 855 375 12B, "
                    "lblTLiter 4680 1200 780 285 12B/R<, lblTCumec 4680 840 1080 285 12B/R<, Label3(9) 5280 360 735 "
                    "375 14.25BU, Shape4 4560 240 2295 1455 -"},
    {"fraWeirV", "txtVHeight 1320 2400 735 375 F, txtVAn 3480 2160 735 375 F, Label3(6) 5280 360 735 375 14.25BU, "
                 "lblVCumec 4680 840 1080 285 12B/R<, lblVLiter 4680 1200 780 285 12B/R<, Label3(7) 6000 840 855 "
                 "375 12B, Label3(8) 6000 1200 855 375 12B, Image6 120 1440 5175 4335 -, Shape3 4560 240 2295 1455 -"},
};
const char *TabOrder = "txtQT txtLOP txtDOP comE1 cmdDrop7 comROE txtSODia txtSOH txtRecWidth txtRecHeight txtVAn "
                       "txtVHeight txtTrHeight txtTrWidth txtTrAn cmdDWAB2 cmdDWAB1 AniPushButton1 AniPushButton3 cmdWRec "
                       "cmdWeirTrap cmdWeirV AniPushButton2 cmdCon cmdCon2 cmdCon1 AniPushButton4 cmdSOSE cmdSOBRU "
                       "cmdSOBRF cmdSOR";
const QHash<QChar, QColor> Colours{{u'r', QColor(128, 0, 0)}, {u'R', QColor(192, 0, 0)}, {u'k', Qt::black},
                                   {u'n', QColor(0, 0, 128)}, {u't', QColor(29, 86, 120)}};
int px(double twips) { return qRound(twips / 15); }
bool windowless(QWidget *w) { return qobject_cast<Label *>(w) || w->inherits("ImageBox") || w->inherits("Shape"); }

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    // Every screen with figures in it, rendered; then every control against the
    // catalogue, the stacking in each container and the tab order.
    void everyScreenAndControlAsDesigned()
    {
        frmQvOpen form;
        form.End = [] {};
        form.Form_Load();
        form.resize(801, 561);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const qreal ratio = form.devicePixelRatio();
        const QString dir = QStringLiteral("%1/screens/x%2/").arg(QCoreApplication::applicationDirPath()).arg(ratio);
        QVERIFY(QDir().mkpath(dir));
        const std::pair<const char *, std::function<void()>> screens[] = {
            {"start", [&] { form.imgLogo_MouseMove(); }},
            {"pipe", [&] { form.cmdDWAB2_Click(); form.txtQT->setText("10"); form.txtLOP->setText("100");
                           form.txtDOP->setText("0.1"); form.comE1->setFocus(); form.comE1->setEditText("0.5");
                           form.comE1->lineEdit()->clearFocus(); form.comE1->setFocus(); }},
            {"orifice", [&] { form.cmdDWAB1_Click(); form.AniPushButton1_Click(); form.txtSODia->setText("0.1");
                              form.txtSOH->setText("2"); form.cmdSOR_Click(); }},
            {"rectangular", [&] { form.AniPushButton3_Click(); form.cmdWRec_Click(); form.txtRecHeight->setText("1");
                                  form.txtRecWidth->setText("2"); }},
            {"trapezoidal", [&] { form.cmdWeirTrap_Click(); form.txtTrAn->setText("14"); form.txtTrHeight->setText("1");
                                  form.txtTrWidth->setText("1"); }},
            {"v-notch", [&] { form.cmdWeirV_Click(); form.txtVAn->setText("90"); form.txtVHeight->setText("1"); }},
        };
        for (const auto &[screen, open] : screens) {
            open();
            const QPixmap render = form.grab();
            QVERIFY(render.size() == QSize(801, 561) * ratio && render.save(dir + screen + QStringLiteral(".png")));
            // Every shown control inside the form; every caption inside its label;
            // nothing lies over a text box.
            for (QWidget *w : form.findChildren<QWidget *>()) {
                if (!w->isVisibleTo(&form) || w->objectName().startsWith(u"qt_") || w->objectName().isEmpty()) continue;
                QRect shown(w->mapTo(&form, QPoint()), w->size()); // as far as its containers let it show
                for (QWidget *c = w->parentWidget(); c != &form; c = c->parentWidget())
                    shown &= QRect(c->mapTo(&form, QPoint()), c->size());
                QVERIFY2(QRect(0, 0, 801, 561).contains(shown), screen);
                if (auto *box = qobject_cast<TextBox *>(w))
                    QVERIFY2(form.childAt(box->mapTo(&form, box->rect().center())) == box, screen);
                if (auto *label = qobject_cast<Label *>(w)) {
                    const int wrap = label->wordWrap() ? label->width() : 100000;
                    const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, wrap, 100000),
                                                                         label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                    QVERIFY2(need.width() <= label->width() && need.height() <= label->height(), qPrintable(w->objectName()));
                }
            }
        }

        for (auto [container, records] : Catalogue) {
            QStringList windowed;
            for (const QString &record : QString(records).split(QStringLiteral(", "))) {
                const QStringList f = record.split(u' ');
                QWidget *w = form.findChild<QWidget *>(f[0]);
                QVERIFY2(w && w->parentWidget()->objectName() == container, qPrintable(f[0]));
                QString font = f[5];
                const QChar grow = font.endsWith(u'<') || font.endsWith(u'>') ? font.back() : QChar();
                font.remove(u'<').remove(u'>');
                const QRect at(px(f[1].toInt()), px(f[2].toInt()), px(f[3].toInt()), px(f[4].toInt()));
                const QRect now = w->geometry();
                if (grow.isNull()) QVERIFY2(now == at, qPrintable(f[0]));
                else QVERIFY2(now.top() == at.top() && (grow == u'<' ? now.left() == at.left() : now.right() == at.right()),
                              qPrintable(f[0]));
                if (font.contains(u'/'))
                    QVERIFY2(w->palette().color(QPalette::WindowText) == Colours[font.back()], qPrintable(f[0]));
                font = font.section(u'/', 0, 0).replace(u'F', QStringLiteral("9.75B"));
                if (font != u"-") {
                    const QFont wf = w->font();
                    QVERIFY2(wf.pixelSize() == qRound(font.section(QRegularExpression("[BIU]"), 0, 0).toDouble() * 96 / 72)
                                 && wf.bold() == font.contains(u'B') && wf.italic() == font.contains(u'I')
                                 && wf.underline() == font.contains(u'U'),
                             qPrintable(f[0]));
                }
                if (!windowless(w)) windowed << f[0];
            }
            // Listed top first: the first windowed control is the last child, and
            // every windowless one lies beneath all windowed ones.
            QStringList stack;
            QWidget *parent = form.objectName() == container ? &form : form.findChild<QWidget *>(container);
            for (QObject *child : parent->children())
                if (auto *w = qobject_cast<QWidget *>(child); w && !windowless(w) && windowed.contains(w->objectName()))
                    stack.prepend(w->objectName());
            QCOMPARE(stack, windowed);
        }

        QStringList chain{"txtQT"}; // the focus chain is a ring: once round from the first
        for (QWidget *w = form.txtQT->nextInFocusChain(); w != form.txtQT; w = w->nextInFocusChain())
            if (QString(TabOrder).split(u' ').contains(w->objectName())) chain << w->objectName();
        QCOMPARE(chain.join(u' '), QString(TabOrder));
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
