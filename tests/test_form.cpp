// The calculator form driven as a user drives it: the start, the pages and their
// guards box by box, the roughness table, the chosen-variant marks as painted,
// and the parent window. Figures are the design's worked cases.
#include "AniPushButton.h"
#include "MDIQvl.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "startup.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

namespace {

void setText(QWidget *w, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(w)) combo->setEditText(text);
    else static_cast<QLineEdit *>(w)->setText(text);
}

// Replaces the text of a box key by key, as a user does.
void type(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Buttons whose caption is blue ("B") or whose state flag is set ("F").
QString marked(std::initializer_list<AniPushButton *> family)
{
    QStringList out;
    for (AniPushButton *b : family)
        if (b->foreColor() == 0xFF0000 || b->value())
            out << b->objectName() + u':' + (b->foreColor() == 0xFF0000 ? "B" : "") + (b->value() ? "F" : "");
    return out.join(u' ');
}

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

    QWidget *w(const QString &name) { return form->findChild<QWidget *>(name); }
    QString shown(const char *a, const char *b)
    {
        return form->findChild<QLabel *>(a)->text() + u'|' + form->findChild<QLabel *>(b)->text();
    }
    QString frames()
    {
        QStringList out;
        for (Frame *f : form->findChildren<Frame *>())
            if (!f->isHidden()) out << f->objectName();
        return out.join(u' ');
    }
    void clickAll(const QString &names)
    {
        for (const QString &name : names.split(u' ', Qt::SkipEmptyParts)) {
            QVERIFY2(w(name)->isVisible(), qPrintable(name));
            QTest::mouseClick(w(name), Qt::LeftButton);
        }
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
    void cleanup() { form.reset(); }

    void parentWindowHoldsTheFormMaximized()
    {
        setUpApplication();
        const MainWindow window = openMainWindow();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quorvel"));
        QCOMPARE(window.parent->windowTitle(), QStringLiteral("Pipeline Quorvel"));
        QCOMPARE(window.form->windowTitle(), QStringLiteral("Pipeline quorvel"));
        QVERIFY(window.parent->isMaximized() && window.form->parentWidget()->isMaximized());
        QCOMPARE(window.parent->area()->subWindowList().size(), 1);
    }

    void startsOnTheStripWithItsListsFilled()
    {
        QCOMPARE(frames(), QString());
        QVERIFY(w("comROE")->isHidden() && w("Label1(2)")->isHidden() && form->Label4->isHidden());
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()) && !QGuiApplication::overrideCursor());
        QCOMPARE(form->lblTime->text(), QStringLiteral("04.12.2026 14:55"));
        QStringList e1;
        for (int i = 0; i < form->comE1->count(); ++i) e1 << form->comE1->itemText(i);
        QCOMPARE(e1.join(u' '), QStringLiteral("0.5 1 1.5 2 2.5 3 3.5 4 4.5 5"));
        QCOMPARE(form->comROE->count(), 34);
        QCOMPARE(form->comROE->itemText(0) + u' ' + form->comROE->itemText(33), QStringLiteral("991 1024"));
        QCOMPARE(form->comE1->currentText() + form->comROE->currentText(), QString());
    }

    // Real mouse clicks, so a button covered by a sub-page cannot be pressed.
    void navigates()
    {
        const std::pair<const char *, const char *> rows[] = {
            {"cmdDWAB2", "fraInput"}, {"cmdDWAB1 cmdDWAB1", "fraFM"}, {"cmdDWAB1 AniPushButton1", "fraFM fraSO"},
            {"cmdDWAB1 AniPushButton1 AniPushButton4", "fraFM"}, {"cmdDWAB1 AniPushButton3 cmdWeirV", "fraFM fraWeir fraWeirV"},
            {"cmdDWAB1 AniPushButton3 cmdWRec cmdDWAB2 cmdDWAB1", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap AniPushButton2 AniPushButton3", "fraFM fraWeir fraWeirTrap"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap cmdWRec", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton1 AniPushButton4 AniPushButton3 AniPushButton2", "fraFM"},
            {"cmdDWAB1 AniPushButton3 cmdDWAB2", "fraInput fraWeir"},
        };
        for (auto [clicks, expected] : rows) {
            init();
            clickAll(QString::fromLatin1(clicks));
            QCOMPARE(frames(), QString::fromLatin1(expected));
        }
        init();
        const QPoint menu = form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center());
        clickAll("cmdDWAB1 AniPushButton1");
        QVERIFY(form->childAt(menu) != form->AniPushButton3); // covered by the sub-page
    }

    void accessKeysContactLineAndClose()
    {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(frames(), QStringLiteral("fraFM"));
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(frames() + u' ' + QApplication::focusWidget()->objectName(), QStringLiteral("fraInput txtQT"));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QTest::mouseClick(form->cmdDrop7, Qt::LeftButton);
        QCOMPARE(ended, 2);
        QTest::mouseMove(form->imgLogo, form->imgLogo->rect().center());
        QTest::mouseMove(form->Label4, form->Label4->rect().center());
        QVERIFY(form->Label4->isVisible());
        QTest::mouseMove(form->picButtons, QPoint(form->picButtons->width() - 60, 6));
        QVERIFY(form->Label4->isHidden());
    }

    // Each page's figure from its boxes; then each box in turn spoiled (zero on
    // the pipe page, below 0.001 on the orifice page, empty on a notch page): the
    // guard stops the page, so the result and the other boxes stay as they were.
    void everyBoxOfEveryPageIsGuarded()
    {
        const char *notches = "cmdDWAB1 AniPushButton3 ";
        const std::tuple<QString, QStringList, const char *, const char *, const char *, const char *> pages[] = {
            {"cmdDWAB2", {"txtQT=10", "txtLOP=100", "txtDOP=0.1", "comE1=0.5"}, "0", "lblPipeV", "lblPipeHL",
             "1.27  m/s|2.57  m"},
            {"cmdDWAB1 AniPushButton1", {"txtSODia=0.1", "txtSOH=2"}, "0.0009", "lblCumec", "lblLiter", "0.031|30.51"},
            {notches + QString("cmdWRec"), {"txtRecHeight=0.2", "txtRecWidth=1.0"}, "", "lblRecCumec", "lblRecLiter",
             "0.165|165.00"},
            {notches + QString("cmdWeirTrap"), {"txtTrAn=14", "txtTrHeight=0.2", "txtTrWidth=0.5"}, "", "lblTCumec",
             "lblTLiter", "0.089|89.00"},
            {notches + QString("cmdWeirV"), {"txtVAn=90", "txtVHeight=0.2"}, "", "lblVCumec", "lblVLiter", "0.026|26.00"},
        };
        for (const auto &[open, boxes, spoil, a, b, figure] : pages)
            for (const QString &spoilt : boxes) {
                init();
                clickAll(open);
                for (const QString &box : boxes) setText(w(box.section(u'=', 0, 0)), box.section(u'=', 1));
                QCOMPARE(shown(a, b), QString::fromLatin1(figure));
                setText(w(spoilt.section(u'=', 0, 0)), QString::fromLatin1(spoil));
                QVERIFY2(shown(a, b) == QString::fromLatin1(figure), qPrintable(spoilt));
                for (const QString &box : boxes)
                    if (box != spoilt) QCOMPARE(box.section(u'=', 0, 0) + u'=' + w(box.section(u'=', 0, 0))
                                                    ->property(qobject_cast<QComboBox *>(w(box.section(u'=', 0, 0)))
                                                                   ? "currentText" : "text").toString(), box);
            }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void pipePageFollowsTheLengthAndComesBack()
    {
        clickAll("cmdDWAB2");
        for (auto [box, text] : {std::pair{"txtQT", "10"}, {"txtLOP", "100"}, {"txtDOP", "0.1"}}) type(w(box), text);
        QVERIFY(form->fraOutput->isHidden()); // the roughness is still empty
        type(form->comE1, "0.5");
        type(form->txtLOP, "200"); // only the headloss depends on the length
        QVERIFY(form->lblPipeV->text() == "1.27  m/s" && form->lblPipeHL->text() != "2.57  m");
        clickAll("cmdDWAB1 cmdDWAB2");
        QVERIFY(form->fraOutput->isVisible() && form->txtQT->hasFocus() && form->txtQT->text() == "10");
    }

    // The table shows while the roughness box has the focus, until a roughness is
    // picked (even the one already there) or typed; Return adds nothing to the list.
    void roughnessTableAndList()
    {
        clickAll("cmdDWAB2");
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        auto pick = [&](int row) {
            form->comE1->showPopup();
            QAbstractItemView *list = form->comE1->view();
            QTRY_VERIFY(list->isVisible());
            QVERIFY(form->fraKs->isVisible()); // the list opening is not leaving the box
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
            QTRY_VERIFY(!list->isVisible());
        };
        for (int i = 0; i < 3; ++i) key(Qt::Key_Tab);
        QVERIFY(form->comE1->hasFocus() && form->fraKs->isVisible());
        pick(0);
        QVERIFY(form->comE1->currentText() == "0.5" && form->comE1->hasFocus() && form->fraKs->isHidden());
        key(Qt::Key_Tab);
        key(Qt::Key_Backtab);
        QVERIFY(form->fraKs->isVisible());
        pick(0); // the same item again: a Click without a Change
        QVERIFY(form->fraKs->isHidden());
        key(Qt::Key_Tab);
        QVERIFY(form->fraKs->isHidden());
        key(Qt::Key_Backtab);
        QTest::keyClicks(form->comE1, "7"); // over the selected text
        QVERIFY(form->fraKs->isHidden());
        QTest::keyClick(form->comE1, Qt::Key_Return);
        QCOMPARE(form->comE1->count(), 10);
        QCOMPARE(form->comE1->currentText(), QStringLiteral("7"));
    }

    void orificeMarksTheKindOfTheResultOnDisplay()
    {
        const auto kinds = {form->cmdSOSE, form->cmdSOR, form->cmdSOBRF, form->cmdSOBRU};
        auto now = [&] { return shown("lblCumec", "lblLiter") + u' ' + marked(kinds); };
        clickAll("cmdDWAB1 AniPushButton1");
        type(form->txtSODia, "0.1");
        QCOMPARE(now(), QStringLiteral("| ")); // blanked on opening; the head is still empty
        type(form->txtSOH, "2");
        for (auto [button, expected] : {std::pair{form->cmdSOR, "0.048|47.73 cmdSOR:BF"},
                                        {form->cmdSOBRF, "0.025|24.60 cmdSOBRF:BF"},
                                        {form->cmdSOBRU, "0.037|36.90 cmdSOBRU:BF"},
                                        {form->cmdSOSE, "0.031|30.51 cmdSOSE:BF"}}) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(now(), QString::fromLatin1(expected));
        }
        type(form->txtSODia, "0.0009"); // a press below the threshold records the kind only
        QTest::mouseClick(form->cmdSOR, Qt::LeftButton);
        QCOMPARE(now(), QStringLiteral("0.031|30.51 cmdSOSE:BF"));
        type(form->txtSODia, "0.1");
        QCOMPARE(now(), QStringLiteral("0.048|47.73 cmdSOR:BF"));
        clickAll("AniPushButton4 AniPushButton1"); // reopened: sharp-edged, marks kept till the next result
        QCOMPARE(now(), QStringLiteral("| cmdSOR:BF"));
        type(form->txtSOH, "2");
        QCOMPARE(now(), QStringLiteral("0.031|30.51 cmdSOSE:BF"));

        // The blue is painted as blue (0x00BBGGRR), on the chosen button only.
        auto pixels = [](QWidget *b, auto test) {
            const QImage image = b->grab().toImage();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) n += test(image.pixelColor(x, y));
            return n;
        };
        auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
        auto red = [](QColor c) { return c.red() > 200 && c.blue() < 60 && c.green() < 60; };
        QVERIFY(pixels(form->cmdSOSE, blue) > 20 && pixels(form->cmdSOSE, red) == 0 && pixels(form->cmdSOR, blue) == 0);
    }

    void rectangularNotchConditionsAndEmptying()
    {
        const auto conditions = {form->cmdCon, form->cmdCon1, form->cmdCon2};
        auto now = [&] { return shown("lblRecCumec", "lblRecLiter") + u' ' + marked(conditions); };
        clickAll("cmdDWAB1 AniPushButton3 cmdWRec");
        QCOMPARE(QApplication::focusWidget(), form->txtRecHeight);
        QTest::keyClicks(form->txtRecHeight, "0.2");
        clickAll("cmdCon1"); // an empty box: the condition waits
        type(form->txtRecWidth, "1.0");
        QCOMPARE(now(), QStringLiteral("0.161|161.00 cmdCon1:B"));
        clickAll("cmdCon2");
        QCOMPARE(now(), QStringLiteral("0.158|158.00 cmdCon2:B"));
        // A width typed key by key fails at its first key: both boxes are emptied.
        type(form->txtRecWidth, "0.5");
        QCOMPARE(form->txtRecHeight->text() + u'|' + form->txtRecWidth->text() + u' ' + now(),
                 QStringLiteral("|.5 0.158|158.00 cmdCon2:B"));
        clickAll("cmdWRec"); // emptied and fully suppressed; the blue stays till the next result
        QCOMPARE(now(), QStringLiteral("| cmdCon2:B"));
        QTest::keyClicks(form->txtRecHeight, "0.2");
        form->txtRecWidth->insert(QStringLiteral("0.5")); // pasted in one step
        QCOMPARE(now(), QStringLiteral("0.082|82.00 cmdCon:B"));
    }

    void notchPagesStartEmptyWithTheCursorInTheHead()
    {
        clickAll("cmdDWAB1 AniPushButton3 cmdWeirTrap");
        type(form->txtTrAn, "14");
        clickAll("cmdWeirV");
        QCOMPARE(QApplication::focusWidget(), form->txtVHeight);
        QTest::keyClicks(form->txtVHeight, "0.2");
        QCOMPARE(form->lblVCumec->text(), QString()); // the angle is still empty
        clickAll("cmdWeirTrap");
        QCOMPARE(form->txtTrAn->text() + form->lblTLiter->text(), QString());
        QCOMPARE(QApplication::focusWidget(), form->txtTrHeight);
    }

    // A screen reader hears every box with a name and a description, and a result
    // with its current figure.
    void spokenNames()
    {
        for (QLineEdit *box : form->findChildren<QLineEdit *>()) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box->parentWidget()->inherits("QComboBox")
                                                                                   ? box->parentWidget() : box);
            QVERIFY2(!face->text(QAccessible::Name).isEmpty() && !face->text(QAccessible::Description).isEmpty(),
                     qPrintable(box->objectName()));
        }
        clickAll("cmdDWAB1 AniPushButton1");
        form->txtSODia->setText(QStringLiteral("0.1"));
        form->txtSOH->setText(QStringLiteral("2"));
        QVERIFY(QAccessible::queryAccessibleInterface(form->lblLiter)->text(QAccessible::Name).endsWith(": 30.51"));
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
