// The calculator form driven as a user drives it: the start, the pages and their
// guards box by box, the roughness table, the chosen-variant marks as painted,
// and the parent window. Figures are the design's worked cases.
#include "AniPushButton.h"
#include "MDIQvl.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "startup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

    QWidget *w(const QString &name) { return form->findChild<QWidget *>(name); }

    // Runs a script on the form: "name" clicks a button with the mouse (it must
    // be visible), "name=text" puts a text in a box at once, "name:text" types it
    // key by key over what was there.
    void run(const QString &script)
    {
        for (const QString &step : script.split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype at = step.indexOf(QRegularExpression("[=:]"));
            QWidget *target = w(step.left(at));
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

    // What the named things show, joined by "|": "frames" the frames shown,
    // "focus" the control with the focus, "marks" the choice buttons with a blue
    // caption (B) or a state flag (F), any other name its control's text.
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
            if (name == u"focus") items << QApplication::focusWidget()->objectName();
            else if (auto *combo = qobject_cast<QComboBox *>(w(name))) items << combo->currentText();
            else if (w(name)) items << w(name)->property("text").toString();
            items.sort(Qt::CaseInsensitive);
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
        QCOMPARE(window.parent->area()->subWindowList().size(), 1);
    }

    void startsOnTheStripWithItsListsFilled()
    {
        QCOMPARE(look("frames comE1 comROE lblTime"), "|||04.12.2026 14:55");
        QVERIFY(w("comROE")->isHidden() && w("Label1(2)")->isHidden() && form->Label4->isHidden());
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()) && !QGuiApplication::overrideCursor());
        QStringList e1;
        for (int i = 0; i < form->comE1->count(); ++i) e1 << form->comE1->itemText(i);
        QCOMPARE(e1.join(u' '), "0.5 1 1.5 2 2.5 3 3.5 4 4.5 5");
        QCOMPARE(QString::number(form->comROE->count()) + u' ' + form->comROE->itemText(0) + u' '
                     + form->comROE->itemText(33), "34 991 1024");
    }

    // One case a line; a script starting with "+" goes on with the form of the
    // line before.
    void pagesAnswerClicksAndTyping()
    {
        const char *rows[][3] = {
            {"cmdDWAB2", "frames focus", "fraInput|txtQT"},
            {"cmdDWAB1 cmdDWAB1", "frames", "fraFM"},
            {"cmdDWAB1 AniPushButton1 AniPushButton4", "frames", "fraFM"},
            {"cmdDWAB1 AniPushButton3 cmdWRec cmdDWAB2 cmdDWAB1", "frames", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap AniPushButton2 AniPushButton3", "frames", "fraFM fraWeir fraWeirTrap"},
            {"cmdDWAB1 AniPushButton3 cmdWeirV cmdWRec", "frames", "fraFM fraWeir fraWRec"},
            {"cmdDWAB1 AniPushButton1 AniPushButton4 AniPushButton3 AniPushButton2", "frames", "fraFM"},
            {"cmdDWAB1 AniPushButton3 cmdDWAB2", "frames", "fraInput fraWeir"},
            {"cmdDWAB2 txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5 txtLOP=200", "lblPipeV", "1.27  m/s"},
            {"+ cmdDWAB1 cmdDWAB2", "frames focus txtQT", "fraInput fraOutput|txtQT|10"},
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
            run(QString::fromLatin1(script).remove(u'+'));
            QVERIFY2(look(names) == expected, qPrintable(script + QStringLiteral(": ") + look(names)));
        }
        const QPoint menu = form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center());
        QVERIFY(form->childAt(menu) != form->AniPushButton3); // covered by the open notch page
    }

    // Each page's figure from its boxes; then each box in turn spoiled (zero on
    // the pipe page, below 0.001 on the orifice page, empty on a notch page): the
    // guard stops the page, so the result and the other boxes stay as they were.
    void everyBoxOfEveryPageIsGuarded()
    {
        const char *rows[][5] = {
            {"cmdDWAB2", "txtQT=10 txtLOP=100 txtDOP=0.1 comE1=0.5", "0", "lblPipeV lblPipeHL", "1.27  m/s|2.57  m"},
            {"cmdDWAB1 AniPushButton1", "txtSODia=0.1 txtSOH=2", "0.0009", "lblCumec lblLiter", "0.031|30.51"},
            {"cmdDWAB1 AniPushButton3 cmdWRec", "txtRecHeight=0.2 txtRecWidth=1.0", "", "lblRecCumec lblRecLiter",
             "0.165|165.00"},
            {"cmdDWAB1 AniPushButton3 cmdWeirTrap", "txtTrAn=14 txtTrHeight=0.2 txtTrWidth=0.5", "", "lblTCumec lblTLiter",
             "0.089|89.00"},
            {"cmdDWAB1 AniPushButton3 cmdWeirV", "txtVAn=90 txtVHeight=0.2", "", "lblVCumec lblVLiter", "0.026|26.00"},
        };
        for (auto [open, boxes, spoil, results, figure] : rows)
            for (const QString &box : QString(boxes).split(u' ')) {
                init();
                run(QString(open) + u' ' + boxes);
                const QString watched = results + QString(u' ' + QString(boxes)).remove(box).remove(QRegularExpression("=\\S*"));
                const QString before = look(watched.simplified());
                QVERIFY2(before.startsWith(figure), qPrintable(before));
                run(box.section(u'=', 0, 0) + u'=' + spoil);
                QVERIFY2(look(watched.simplified()) == before, qPrintable(box));
            }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void accessKeysContactLineAndClose()
    {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(look("frames focus"), "fraInput|txtQT");
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        run("cmdDrop7");
        QCOMPARE(ended, 2);
        QTest::mouseMove(form->imgLogo, form->imgLogo->rect().center());
        QTest::mouseMove(form->Label4, form->Label4->rect().center());
        QVERIFY(form->Label4->isVisible());
        QTest::mouseMove(form->picButtons, QPoint(form->picButtons->width() - 60, 6));
        QVERIFY(form->Label4->isHidden());
    }

    // The table shows while the roughness box has the focus, until a roughness is
    // picked (even the one already there) or typed; Return adds nothing to the list.
    void roughnessTableAndList()
    {
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        auto pick = [&](int row) {
            form->comE1->showPopup();
            QAbstractItemView *list = form->comE1->view();
            QTRY_VERIFY(list->isVisible() && form->fraKs->isVisible()); // opening the list is not leaving the box
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
            QTRY_VERIFY(!list->isVisible());
        };
        run("cmdDWAB2");
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
        key(Qt::Key_Backtab);
        QTest::keyClicks(form->comE1, "7"); // over the selected text
        QTest::keyClick(form->comE1, Qt::Key_Return);
        QCOMPARE(QString::number(form->comE1->count()) + u' ' + form->comE1->currentText(), "10 7");
        QVERIFY(form->fraKs->isHidden());
    }

    // The chosen kind's caption is painted blue (0x00BBGGRR), the others not.
    void chosenCaptionIsPaintedBlue()
    {
        run("cmdDWAB1 AniPushButton1 txtSODia=0.1 txtSOH=2");
        auto pixels = [](QWidget *b, int r, int g, int bl) {
            const QImage image = b->grab().toImage();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    n += std::abs(c.red() - r) < 60 && std::abs(c.green() - g) < 60 && std::abs(c.blue() - bl) < 60;
                }
            return n;
        };
        QVERIFY(pixels(form->cmdSOSE, 0, 0, 255) > 20 && pixels(form->cmdSOSE, 255, 0, 0) == 0);
        QCOMPARE(pixels(form->cmdSOR, 0, 0, 255), 0);
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
