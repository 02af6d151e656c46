// The window as it is laid out and drawn: every screen inside the form's extent,
// texts inside their controls, the flow page hiding the pipe page, result labels
// growing away from their units, and the tab order. Each screen is also rendered
// to <build>/tests/screens/<screen>.png for a reviewer to look at.
#include "AniPushButton.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

// The form's controls occupy 12015 x 8415 twips.
const QRect Extent(0, 0, twipsToPixels(12015), twipsToPixels(8415));

// Opens one screen of the form the way a user would reach it, with inputs typed
// in so that the results are on it.
void open(frmQvOpen &form, const QString &screen)
{
    if (screen.startsWith(u"pipe")) {
        form.cmdDWAB2_Click();
        form.txtQT->setText("10");
        form.txtLOP->setText("100");
        form.txtDOP->setText("0.1");
        form.comE1->setEditText("0.5");
        if (screen == u"pipe-roughness") form.comE1->setFocus();
        return;
    }
    if (screen == u"start") {
        form.imgLogo_MouseMove(); // the contact line beside the logo
        return;
    }
    form.cmdDWAB1_Click();
    if (screen == u"orifice") {
        form.AniPushButton1_Click();
        form.txtSODia->setText("0.1");
        form.txtSOH->setText("2");
        form.cmdSOSE_Click();
    } else if (screen == u"rectangular") {
        form.AniPushButton3_Click();
        form.cmdWRec_Click();
        form.txtRecHeight->setText("0.2");
        form.txtRecWidth->setText("1.0");
    } else if (screen == u"trapezoidal") {
        form.AniPushButton3_Click();
        form.cmdWeirTrap_Click();
        form.txtTrAn->setText("14");
        form.txtTrHeight->setText("0.2");
        form.txtTrWidth->setText("0.5");
    } else if (screen == u"v-notch") {
        form.AniPushButton3_Click();
        form.cmdWeirV_Click();
        form.txtVAn->setText("90");
        form.txtVHeight->setText("0.2");
    }
}

// The controls of the catalogue that a user can see, with their rectangles on the form.
QList<QWidget *> visibleControls(QWidget &form)
{
    QList<QWidget *> shown;
    for (QWidget *w : form.findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") && w->isVisibleTo(&form))
            shown << w;
    return shown;
}

// The part of a control its containers let show, in the form's coordinates.
QRect shownOnForm(const QWidget *w, const QWidget *form)
{
    QRect shown(w->mapTo(form, QPoint(0, 0)), w->size());
    for (const QWidget *c = w->parentWidget(); c != form; c = c->parentWidget())
        shown &= QRect(c->mapTo(form, QPoint(0, 0)), c->size());
    return shown;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;

    std::unique_ptr<frmQvOpen> shownForm()
    {
        auto f = std::make_unique<frmQvOpen>();
        f->End = [] {};
        f->Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55)); };
        f->Form_Load();
        f->resize(Extent.size());
        f->show();
        return f;
    }

    // Shows the form; activation makes focus changes real (the roughness table
    // follows the focus of its combo box).
    bool showActive()
    {
        form = shownForm();
        return QTest::qWaitForWindowActive(form.get());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void cleanup() { form.reset(); }

    void everyScreenFitsTheForm_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"start", "pipe", "pipe-roughness", "flow", "orifice", "rectangular",
                                   "trapezoidal", "v-notch"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    // Every visible control lies inside the form's extent; every caption fits
    // the label or the button that shows it, and every picture its button.
    void everyScreenFitsTheForm()
    {
        QFETCH(QString, screen);
        QVERIFY(showActive());
        open(*form, screen);
        if (screen == u"pipe-roughness") QVERIFY(form->fraKs->isVisible());

        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screens");
        QDir().mkpath(dir);
        QVERIFY(form->grab().save(dir + u'/' + screen + QStringLiteral(".png")));

        for (QWidget *w : visibleControls(*form)) {
            const QString name = w->objectName();
            QVERIFY2(Extent.contains(shownOnForm(w, form.get())), qPrintable(name));
            if (auto *label = qobject_cast<Label *>(w)) {
                const QFontMetrics fm = label->fontMetrics();
                const QRect need = fm.boundingRect(QRect(0, 0, label->wordWrap() ? label->width() : 10000, 10000),
                                                   label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                QVERIFY2(need.width() <= label->width() && need.height() <= label->height(), qPrintable(name));
            } else if (auto *button = qobject_cast<AniPushButton *>(w)) {
                const AniPushButton::Placement place = button->placement();
                QVERIFY2(button->rect().contains(place.picture) || place.picture.isNull(), qPrintable(name));
                QVERIFY2(!place.picture.intersects(place.caption), qPrintable(name));
                const QRect need = button->fontMetrics().boundingRect(
                    place.caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
                QVERIFY2(place.caption.contains(need), qPrintable(name));
            }
        }
        // The labels that grow downwards or leftwards, or wrap, stay clear of the
        // edges of their frame and of the strip.
        for (const char *name : {"lblVCap(28)", "Label4", "lblTime"}) {
            auto *label = form->findChild<Label *>(QString::fromLatin1(name));
            QVERIFY2(label->parentWidget()->rect().adjusted(1, 1, -1, -1).contains(label->geometry()), name);
        }
    }

    // The flow page lies over the whole pipe page but the rightmost 120 twips of
    // the roughness table.
    void flowPageCoversThePipePage()
    {
        form = shownForm();
        const QRect flow = form->fraFM->geometry();
        QVERIFY(flow.contains(form->fraInput->geometry()));
        QVERIFY(flow.contains(form->fraOutput->geometry()));
        QVERIFY(flow.contains(form->comROE->geometry()));
        const QRect table = form->fraKs->geometry();
        QCOMPARE(QRegion(table).subtracted(flow), QRegion(table.adjusted(table.width() - twipsToPixels(120), 0, 0, 0)));
    }

    // Rendered, the flow page opened over a filled-in pipe page looks exactly
    // like the flow page of a form whose pipe page was never opened.
    void nothingOfThePipePageShowsThroughTheFlowPage()
    {
        QVERIFY(showActive());
        const QRect below(0, form->picButtons->height(), Extent.width(),
                          Extent.height() - form->picButtons->height());
        QRegion compared(below);
        compared -= form->fraKs->geometry().adjusted(form->fraFM->geometry().right() + 1 - form->fraKs->x(), 0, 0, 0);

        open(*form, QStringLiteral("pipe-roughness"));
        QVERIFY(form->fraOutput->isVisible());
        const QImage pipe = form->grab().toImage();
        form->cmdDWAB1_Click();
        const QImage over = form->grab().toImage();
        form.reset();

        form = shownForm();
        form->cmdDWAB1_Click();
        const QImage clean = form->grab().toImage();

        int differing = 0, differingFromPipe = 0;
        for (const QRect &r : compared)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    differing += over.pixel(x, y) != clean.pixel(x, y);
                    differingFromPipe += pipe.pixel(x, y) != clean.pixel(x, y);
                }
        QVERIFY(differingFromPipe > 1000); // the pipe page was really drawn there before
        QCOMPARE(differing, 0);
    }

    void resultLabelsGrowAwayFromTheirUnits_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("unit");
        QTest::newRow("rectangular cumec") << "lblRecCumec" << "Label3(4)";
        QTest::newRow("rectangular l/s") << "lblRecLiter" << "Label3(3)";
        QTest::newRow("trapezoidal cumec") << "lblTCumec" << "Label3(10)";
        QTest::newRow("trapezoidal l/s") << "lblTLiter" << "Label3(11)";
        QTest::newRow("v-notch cumec") << "lblVCumec" << "Label3(7)";
        QTest::newRow("v-notch l/s") << "lblVLiter" << "Label3(8)";
    }

    // A longer result widens its label to the right; its unit stays where it
    // is, and the widest result these pages give still ends before it.
    void resultLabelsGrowAwayFromTheirUnits()
    {
        QFETCH(QString, result);
        QFETCH(QString, unit);
        form = shownForm();
        auto *label = form->findChild<Label *>(result);
        auto *unitLabel = form->findChild<Label *>(unit);
        const QRect unitBefore = unitLabel->geometry();

        label->setCaption(QStringLiteral("0.03"));
        const QRect shortCaption = label->geometry();
        label->setCaption(QStringLiteral("9999.99"));
        const QRect longCaption = label->geometry();
        QCOMPARE(longCaption.left(), shortCaption.left());
        QCOMPARE(longCaption.top(), shortCaption.top());
        QVERIFY(longCaption.width() > shortCaption.width());
        QCOMPARE(unitLabel->geometry(), unitBefore);
        QVERIFY(longCaption.right() < unitBefore.left());
    }

    // The right-aligned captions of the pipe inputs end before the boxes at
    // 3300 twips and do not run out of their frame on the left.
    void pipeCaptionsEndBeforeTheirBoxes()
    {
        form = shownForm();
        for (const char *name : {"Label1(7)", "Label1(0)", "Label1(1)", "Label1(17)"}) {
            const QRect caption = form->findChild<Label *>(QString::fromLatin1(name))->geometry();
            QVERIFY2(caption.right() < twipsToPixels(3300), name);
            QVERIFY2(caption.left() > 0, name);
        }
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        const QStringList strip{"cmdDWAB2", "cmdDWAB1"};
        const QStringList flow = strip + QStringList{"AniPushButton1", "AniPushButton3"};
        const QStringList notches = flow + QStringList{"cmdWRec", "cmdWeirTrap", "cmdWeirV", "AniPushButton2"};
        QTest::newRow("start") << "start" << QStringList{"cmdDrop7"} + strip;
        QTest::newRow("pipe") << "pipe" << QStringList{"txtQT", "txtLOP", "txtDOP", "comE1", "cmdDrop7"} + strip;
        QTest::newRow("flow") << "flow" << QStringList{"cmdDrop7"} + flow;
        QTest::newRow("orifice")
            << "orifice"
            << QStringList{"cmdDrop7", "txtSODia", "txtSOH"} + flow
                   + QStringList{"AniPushButton4", "cmdSOSE", "cmdSOBRU", "cmdSOBRF", "cmdSOR"};
        QTest::newRow("rectangular") << "rectangular"
                                     << QStringList{"cmdDrop7", "txtRecWidth", "txtRecHeight"} + notches
                                            + QStringList{"cmdCon", "cmdCon2", "cmdCon1"};
        QTest::newRow("v-notch") << "v-notch" << QStringList{"cmdDrop7", "txtVAn", "txtVHeight"} + notches;
        QTest::newRow("trapezoidal") << "trapezoidal"
                                     << QStringList{"cmdDrop7", "txtTrHeight", "txtTrWidth", "txtTrAn"} + notches;
    }

    // Tab visits the shown controls in their tab order, skips everything hidden,
    // and comes round to the first again.
    void tabOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        QVERIFY(showActive());
        open(*form, screen);
        form->findChild<QWidget *>(order.first())->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order + QStringList{order.first()});
    }
};

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
