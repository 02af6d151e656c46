// The window as it is laid out and drawn. CTest runs this program at device pixel
// ratios 1, 1.5 and 2 (QT_SCALE_FACTOR): every screen renders at the full
// resolution, keeps every control where the design puts it in logical pixels and
// inside the form, and every text inside its control; the flow page hides the
// pipe page, results grow away from their units, and Tab follows the tab order.
// The renders go to <build>/tests/screens/ (ratio 1) and highdpi/x<ratio>/.
#include "AniPushButton.h"
#include "catalogue.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

const QRect Extent(0, 0, 801, 561); // 12015 x 8415 twips
const double Ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                                                  : 1.0;

std::unique_ptr<frmQvOpen> shownForm()
{
    auto form = std::make_unique<frmQvOpen>();
    form->End = [] {};
    form->Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55)); };
    form->Form_Load();
    form->resize(Extent.size());
    form->show();
    // Active, so that focus changes are real (the roughness table follows them).
    if (!QTest::qWaitForWindowActive(form.get())) qFatal("the form never became active");
    return form;
}

// Opens a screen by a script of steps: a button pressed, "box=text", "@box" to
// give it the focus, "logo" for the pointer over the logo.
void open(frmQvOpen &form, const QString &script)
{
    for (const QString &step : script.split(u' ')) {
        const QString name = step.section(u'=', 0, 0), text = step.section(u'=', 1);
        if (step == u"logo") form.imgLogo_MouseMove();
        else if (step.startsWith(u'@')) form.findChild<QWidget *>(step.mid(1))->setFocus();
        else if (auto *combo = form.findChild<QComboBox *>(name)) combo->setEditText(text);
        else if (auto *box = form.findChild<QLineEdit *>(name)) box->setText(text);
        else form.findChild<AniPushButton *>(name)->click();
    }
}

const QString Pipe = QStringLiteral("cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5");

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void everyScreenFitsTheForm_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("tabOrder");
        // Under an open sub-page the two menu buttons are covered: Tab passes them by.
        const QString strip = " cmdDWAB2 cmdDWAB1", flow = strip + " AniPushButton1 AniPushButton3",
                      notches = strip + " cmdWRec cmdWeirTrap cmdWeirV AniPushButton2",
                      toNotches = "cmdDWAB1 AniPushButton3 ";
        QTest::newRow("start") << "logo" << "cmdDrop7 cmdDWAB2 cmdDWAB1";
        QTest::newRow("pipe") << Pipe << "txtQT txtLOP txtDOP comE1 cmdDrop7 cmdDWAB2 cmdDWAB1";
        QTest::newRow("pipe-roughness") << Pipe + " @comE1" << "comE1 cmdDrop7 cmdDWAB2 cmdDWAB1 txtQT txtLOP txtDOP";
        QTest::newRow("flow") << "cmdDWAB1" << "cmdDrop7" + flow;
        QTest::newRow("orifice") << "cmdDWAB1 AniPushButton1 txtSODia=0.1 txtSOH=2 cmdSOSE"
                                 << "cmdDrop7 txtSODia txtSOH" + strip + " AniPushButton4 cmdSOSE cmdSOBRU cmdSOBRF cmdSOR";
        QTest::newRow("rectangular") << toNotches + "cmdWRec txtRecHeight=0.2 txtRecWidth=1.0"
                                     << "cmdDrop7 txtRecWidth txtRecHeight" + notches + " cmdCon cmdCon2 cmdCon1";
        QTest::newRow("trapezoidal") << toNotches + "cmdWeirTrap txtTrAn=14 txtTrHeight=0.2 txtTrWidth=0.5"
                                     << "cmdDrop7 txtTrHeight txtTrWidth txtTrAn" + notches;
        QTest::newRow("v-notch") << toNotches + "cmdWeirV txtVAn=90 txtVHeight=0.2"
                                 << "cmdDrop7 txtVAn txtVHeight" + notches;
    }

    void everyScreenFitsTheForm()
    {
        QFETCH(QString, script);
        QFETCH(QString, tabOrder);
        const QString screen = QString::fromLatin1(QTest::currentDataTag());
        const auto form = shownForm();
        open(*form, script);
        QCOMPARE(form->fraKs->isVisible(), screen == u"pipe-roughness");
        QCoreApplication::processEvents();
        const QPixmap render = form->grab();
        QCOMPARE(form->minimumSize(), Extent.size());
        QCOMPARE(render.devicePixelRatio(), Ratio);
        QCOMPARE(render.size(), Extent.size() * Ratio);
        const QString dir = QCoreApplication::applicationDirPath()
            + (Ratio == 1 ? QStringLiteral("/screens") : QStringLiteral("/highdpi/x%1").arg(Ratio));
        QVERIFY(QDir().mkpath(dir) && render.save(dir + u'/' + screen + QStringLiteral(".png")));

        // Every control where the design puts it in logical pixels; an auto-size
        // label keeps the edge it grows from.
        for (const ControlRow &row : formCatalogue()) {
            const QRect now = form->findChild<QWidget *>(row.name)->geometry(),
                        was = twipsRect(row.left, row.top, row.width, row.height);
            const bool keptEdge = row.flags & RightAlign ? now.right() == was.right() : now.left() == was.left();
            QVERIFY2(row.flags & AutoSize ? now.top() == was.top() && keptEdge : now == was, row.name);
        }

        // Every shown control inside the form, as far as its containers let it show;
        // every caption inside its label or button, every picture inside its button.
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") || !w->isVisibleTo(form.get())) continue;
            const QByteArray name = w->objectName().toLatin1();
            QRect shown(w->mapTo(form.get(), QPoint()), w->size());
            for (QWidget *c = w->parentWidget(); c != form.get(); c = c->parentWidget())
                shown &= QRect(c->mapTo(form.get(), QPoint()), c->size());
            QVERIFY2(Extent.contains(shown), name);
            if (qobject_cast<TextBox *>(w)) // no drawing or caption lies over a box
                QVERIFY2(form->childAt(w->mapTo(form.get(), w->rect().center())) == w, name);
            if (auto *label = qobject_cast<Label *>(w)) {
                const QRect need = label->fontMetrics().boundingRect(
                    QRect(0, 0, label->wordWrap() ? label->width() : 10000, 10000),
                    label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                QVERIFY2(need.width() <= label->width() && need.height() <= label->height(), name);
            } else if (auto *button = qobject_cast<AniPushButton *>(w)) {
                const AniPushButton::Placement place = button->placement();
                QVERIFY2(place.picture.isNull() || button->rect().contains(place.picture), name);
                QVERIFY2(!place.picture.intersects(place.caption), name);
                QVERIFY2(place.caption.contains(button->fontMetrics().boundingRect(
                             place.caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text())),
                         name);
            }
        }
        // The labels that grow downwards or leftwards, or wrap, stay clear of the
        // edges of their frame and of the strip; the right-aligned pipe captions
        // end before their boxes at 3300 twips.
        for (const char *name : {"lblVCap(28)", "Label4", "lblTime"}) {
            auto *label = form->findChild<Label *>(name);
            QVERIFY2(label->parentWidget()->rect().adjusted(1, 1, -1, -1).contains(label->geometry()), name);
        }
        for (const char *name : {"Label1(7)", "Label1(0)", "Label1(1)", "Label1(17)"}) {
            const QRect caption = form->findChild<Label *>(name)->geometry();
            QVERIFY2(caption.left() > 0 && caption.right() < twipsToPixels(3300), name);
        }

        // Tab visits the shown controls in their tab order, skips everything
        // hidden, and comes round to the first again.
        const QStringList order = tabOrder.split(u' ');
        form->findChild<QWidget *>(order.first())->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order.mid(1) << order.first());
    }

    // The flow page lies over the whole pipe page but the rightmost 120 twips of
    // the roughness table; rendered over a filled-in pipe page, it looks exactly
    // like the flow page of a form whose pipe page was never opened.
    void nothingOfThePipePageShowsThroughTheFlowPage()
    {
        auto form = shownForm();
        const QRect flow = form->fraFM->geometry(), table = form->fraKs->geometry();
        for (QWidget *w : QList<QWidget *>{form->fraInput, form->fraOutput, form->comROE})
            QVERIFY2(flow.contains(w->geometry()), qPrintable(w->objectName()));
        const QRect tableEdge = table.adjusted(table.width() - twipsToPixels(120), 0, 0, 0);
        QCOMPARE(QRegion(table).subtracted(flow), QRegion(tableEdge));

        open(*form, Pipe + " @comE1");
        QVERIFY(form->fraOutput->isVisible());
        const QImage pipe = form->grab().toImage();
        form->cmdDWAB1_Click();
        const QImage over = form->grab().toImage();
        form = shownForm();
        form->cmdDWAB1_Click();
        const QImage clean = form->grab().toImage();

        // Below the strip, less the edge of the table (and a pixel beside it, for
        // device pixels that straddle two logical ones).
        const QRegion compared = QRegion(Extent.adjusted(0, form->picButtons->height(), 0, 0))
                                     .subtracted(tableEdge.adjusted(-1, 0, 0, 0));
        int differing = 0, differingFromPipe = 0;
        for (int y = 0; y < clean.height(); ++y)
            for (int x = 0; x < clean.width(); ++x)
                if (compared.contains(QPoint(int(x / Ratio), int(y / Ratio)))) {
                    differing += over.pixel(x, y) != clean.pixel(x, y);
                    differingFromPipe += pipe.pixel(x, y) != clean.pixel(x, y);
                }
        QVERIFY(differingFromPipe > 1000); // the pipe page was really drawn there before
        QCOMPARE(differing, 0);
    }

    // A longer result widens its label to the right; its unit stays where it is,
    // and the widest result these pages give still ends before it.
    void resultLabelsGrowAwayFromTheirUnits()
    {
        const auto form = shownForm();
        for (auto [result, unit] : {std::pair{"lblRecCumec", "Label3(4)"}, {"lblRecLiter", "Label3(3)"},
                                    {"lblTCumec", "Label3(10)"}, {"lblTLiter", "Label3(11)"},
                                    {"lblVCumec", "Label3(7)"}, {"lblVLiter", "Label3(8)"}}) {
            auto *label = form->findChild<Label *>(result);
            const QRect unitBefore = form->findChild<Label *>(unit)->geometry();
            label->setCaption(QStringLiteral("0.03"));
            const QRect shortCaption = label->geometry();
            label->setCaption(QStringLiteral("9999.99"));
            QVERIFY2(label->pos() == shortCaption.topLeft() && label->width() > shortCaption.width(), result);
            QVERIFY2(label->geometry().right() < unitBefore.left(), result);
            QCOMPARE(form->findChild<Label *>(unit)->geometry(), unitBefore);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
