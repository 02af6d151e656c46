// The calculator form driven as a user drives it: start-up state, page
// navigation, and each page answering keystrokes and button presses.
#include "AniPushButton.h"
#include "controls.h"
#include "frmQvOpen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

namespace {

constexpr quint32 Blue = 0xFF0000;

// The frames whose own visibility flag is set.
QStringList shownFrames(const frmQvOpen &form)
{
    QStringList shown;
    for (const char *name : {"fraInput", "fraOutput", "fraKs", "fraFM", "fraSO", "fraWeir", "fraWRec",
                             "fraWeirTrap", "fraWeirV"})
        if (!form.findChild<QWidget *>(name)->isHidden()) shown << name;
    return shown;
}

// Replaces the text of a box key by key, as a user does.
void type(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }

// The two captions of a result pair, as "first|second".
QString shown(const QLabel *a, const QLabel *b) { return a->text() + u'|' + b->text(); }

// The buttons of a family drawn as chosen: "name:B" for a blue caption, plus "F"
// where the state flag is set.
QString marked(std::initializer_list<AniPushButton *> family)
{
    QStringList out;
    for (AniPushButton *b : family)
        if (b->foreColor() == Blue || b->value())
            out << b->objectName() + u':' + (b->foreColor() == Blue ? "B" : "") + (b->value() ? "F" : "");
    return out.join(u' ');
}

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        form = std::make_unique<frmQvOpen>();
        ended = 0;
        form->End = [this] { ++ended; };
        form->Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55, 31)); };
        form->Form_Load();
        form->resize(801, 561);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() { form.reset(); }

    void startsOnTheButtonStripWithItsListsFilled()
    {
        QVERIFY(shownFrames(*form).isEmpty());
        for (const char *name : {"comROE", "Label1(2)", "Label4"})
            QVERIFY2(form->findChild<QWidget *>(name)->isHidden(), name);
        // Typing goes nowhere: no input box has the focus.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(!qobject_cast<QLineEdit *>(focus) && !qobject_cast<QComboBox *>(focus));
        QVERIFY(!QGuiApplication::overrideCursor());

        QStringList e1;
        for (int i = 0; i < form->comE1->count(); ++i) e1 << form->comE1->itemText(i);
        QCOMPARE(e1.join(u' '), QStringLiteral("0.5 1 1.5 2 2.5 3 3.5 4 4.5 5"));
        QCOMPARE(form->comROE->count(), 34);
        QCOMPARE(form->comROE->itemText(0) + u' ' + form->comROE->itemText(33), QStringLiteral("991 1024"));
        QCOMPARE(form->comE1->currentText() + form->comROE->currentText(), QString());
    }

    // dd/mm/yyyy hh:nn with the locale's own separators, whatever its own order.
    void showsTheStartTimeWithRegionalSeparators()
    {
        for (auto [locale, caption] : {std::pair{QLocale(QLocale::German, QLocale::Germany), "04.12.2026 14:55"},
                                       {QLocale(QLocale::English, QLocale::UnitedStates), "04/12/2026 14:55"},
                                       {QLocale(QLocale::Dutch, QLocale::Netherlands), "04-12-2026 14:55"}}) {
            QLocale::setDefault(locale);
            frmQvOpen fresh;
            fresh.Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55, 59)); };
            fresh.Form_Load();
            QCOMPARE(fresh.lblTime->text(), QString::fromLatin1(caption));
            // The strip shows all of it.
            QVERIFY(fresh.lblTime->geometry().right() < fresh.picButtons->width());
            QVERIFY(fresh.lblTime->width() >= fresh.lblTime->sizeHint().width());
        }
    }

    void navigates_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("pipe page") << "cmdDWAB2" << "fraInput";
        QTest::newRow("flow twice") << "cmdDWAB1 cmdDWAB1" << "fraFM";
        QTest::newRow("orifice closed") << "cmdDWAB1 AniPushButton1 AniPushButton4" << "fraFM";
        QTest::newRow("rect then V") << "cmdDWAB1 AniPushButton3 cmdWRec cmdWeirV" << "fraFM fraWeir fraWeirV";
        QTest::newRow("rect kept after leaving") << "cmdDWAB1 AniPushButton3 cmdWRec cmdDWAB2 cmdDWAB1"
                                                 << "fraFM fraWeir fraWRec";
        QTest::newRow("notch kept after closing") << "cmdDWAB1 AniPushButton3 cmdWeirTrap AniPushButton2 AniPushButton3"
                                                  << "fraFM fraWeir fraWeirTrap";
        QTest::newRow("orifice kept across pages") << "cmdDWAB1 AniPushButton1 cmdDWAB2 cmdDWAB1" << "fraFM fraSO";
        QTest::newRow("menu after close and back")
            << "cmdDWAB1 AniPushButton1 AniPushButton4 cmdDWAB2 cmdDWAB1" << "fraFM";
        // The sub-page keeps its own flag inside the hidden flow page.
        QTest::newRow("back to pipe") << "cmdDWAB1 AniPushButton3 cmdDWAB2" << "fraInput fraWeir";
    }

    // Real mouse clicks, so a button hidden in a closed frame cannot be pressed.
    void navigates()
    {
        QFETCH(QString, clicks);
        for (const QString &name : clicks.split(u' ')) {
            auto *button = form->findChild<AniPushButton *>(name);
            QVERIFY2(button->isVisible(), qPrintable(name));
            click(button);
        }
        QTEST(shownFrames(*form).join(u' '), "shown");
    }

    void subPageCoversTheMenuButtons()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton1_Click();
        QWidget *hit = form->childAt(form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center()));
        QVERIFY(hit && hit != form->AniPushButton3);
    }

    // Each press or access key raises its Click once: Close asks to end once.
    void stripButtonsAnswerAccessKeysOnce()
    {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(shownFrames(*form), QStringList{"fraFM"});
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(shownFrames(*form), QStringList{"fraInput"});
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ended, 1);
        click(form->cmdDrop7);
        QCOMPARE(ended, 2);
    }

    void contactLineFollowsThePointer()
    {
        QTest::mouseMove(form->imgLogo, form->imgLogo->rect().center());
        QVERIFY(form->Label4->isVisible());
        for (Label *w : {form->Label4, form->lblTime}) {
            QTest::mouseMove(w, w->rect().center());
            QVERIFY(form->Label4->isVisible());
        }
        QTest::mouseMove(form->picButtons, QPoint(form->picButtons->width() - 60, 6));
        QVERIFY(form->Label4->isHidden());
    }

    void pipePageAnswersEveryKeystroke()
    {
        form->cmdDWAB2_Click();
        type(form->txtQT, "10");
        type(form->txtLOP, "100");
        type(form->txtDOP, "0.1");
        QVERIFY(form->fraOutput->isHidden()); // roughness still empty
        type(form->comE1, "0.5");
        QVERIFY(form->fraOutput->isVisible());
        auto shown = [&] { return ::shown(form->lblPipeV, form->lblPipeHL); };
        QCOMPARE(shown(), QStringLiteral("1.27  m/s|2.57  m"));
        QVERIFY(!QGuiApplication::overrideCursor());

        type(form->txtLOP, "200"); // only the headloss depends on the length
        QCOMPARE(shown(), QStringLiteral("1.27  m/s|5.14  m"));
        // Empty, a comma that reads as 0, or a negative diameter (the logarithm is
        // undefined) leave the last result and no hourglass.
        for (const char *diameter : {"", "0,1", "-0.1"}) {
            type(form->txtDOP, diameter);
            QCOMPARE(shown(), QStringLiteral("1.27  m/s|5.14  m"));
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        type(form->txtDOP, "0.1");
        type(form->txtQT, "-10");
        type(form->txtLOP, "100");
        QCOMPARE(shown(), QStringLiteral("-1.27  m/s|2.44  m"));

        // Back from the flow page: the same figures, and the cursor in the flow box.
        form->cmdDWAB1_Click();
        form->cmdDWAB2_Click();
        QCOMPARE(QApplication::focusWidget(), form->txtQT);
        QVERIFY(form->fraOutput->isVisible());
        QCOMPARE(form->txtQT->text() + u' ' + form->txtDOP->text(), QStringLiteral("-10 0.1"));
    }

    // The roughness table shows while the roughness box has the focus, until a
    // roughness is picked from the list or typed.
    void roughnessTableFollowsTheFocusOfTheRoughnessBox()
    {
        form->cmdDWAB2_Click();
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        for (const char *text : {"10", "100", "0.1"}) { // flow, length, diameter
            QTest::keyClicks(QApplication::focusWidget(), text);
            QVERIFY(form->fraKs->isHidden());
            key(Qt::Key_Tab);
        }
        QVERIFY(form->comE1->hasFocus() && form->fraKs->isVisible());
        form->comE1->showPopup();
        QAbstractItemView *list = form->comE1->view();
        QTRY_VERIFY(list->isVisible());
        QVERIFY(form->fraKs->isVisible()); // the list opening is not leaving the box
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(form->comE1->currentText(), QStringLiteral("0.5"));
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("2.57  m"));
        QVERIFY(form->comE1->hasFocus() && form->fraKs->isHidden());

        key(Qt::Key_Tab);
        key(Qt::Key_Backtab);
        QVERIFY(form->comE1->hasFocus() && form->fraKs->isVisible());
        key(Qt::Key_Tab);
        QVERIFY(form->fraKs->isHidden());
        key(Qt::Key_Backtab);
        QTest::keyClicks(form->comE1, "2");
        QVERIFY(form->comE1->hasFocus() && form->fraKs->isHidden());
    }

    void orificeMarksTheKindOfTheResultOnDisplay()
    {
        const auto kinds = {form->cmdSOSE, form->cmdSOR, form->cmdSOBRF, form->cmdSOBRU};
        auto now = [&] { return shown(form->lblCumec, form->lblLiter) + u' ' + marked(kinds); };
        form->cmdDWAB1_Click();
        click(form->AniPushButton1);
        type(form->txtSODia, "0.1");
        QCOMPARE(now(), QStringLiteral("| ")); // blanked on opening; the head is still empty
        type(form->txtSOH, "2");
        QCOMPARE(now(), QStringLiteral("0.031|30.51 cmdSOSE:BF"));
        for (auto [button, expected] : {std::pair{form->cmdSOR, "0.048|47.73 cmdSOR:BF"},
                                        {form->cmdSOBRF, "0.025|24.60 cmdSOBRF:BF"},
                                        {form->cmdSOBRU, "0.037|36.90 cmdSOBRU:BF"},
                                        {form->cmdSOSE, "0.031|30.51 cmdSOSE:BF"}}) {
            click(button);
            QCOMPARE(now(), QString::fromLatin1(expected));
        }
        // A press while an input is below the threshold records the kind only.
        type(form->txtSODia, "0.0009");
        click(form->cmdSOR);
        QCOMPARE(form->SOKind, OrificeKind(2));
        QCOMPARE(now(), QStringLiteral("0.031|30.51 cmdSOSE:BF"));
        type(form->txtSODia, "0.1");
        QCOMPARE(now(), QStringLiteral("0.048|47.73 cmdSOR:BF"));
        // Reopening selects sharp-edged; the marks stay until the next result.
        click(form->AniPushButton4);
        click(form->AniPushButton1);
        QCOMPARE(now(), QStringLiteral("| cmdSOR:BF"));
        type(form->txtSOH, "2");
        QCOMPARE(now(), QStringLiteral("0.031|30.51 cmdSOSE:BF"));
    }

    void rectangularNotchUnderTheThreeConditions()
    {
        const auto conditions = {form->cmdCon, form->cmdCon1, form->cmdCon2};
        auto now = [&] { return shown(form->lblRecCumec, form->lblRecLiter) + u' ' + marked(conditions); };
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        click(form->cmdWRec);
        QCOMPARE(QApplication::focusWidget(), form->txtRecHeight);
        QCOMPARE(form->txtRecHeight->text() + form->txtRecWidth->text() + now(), QStringLiteral("| "));
        QTest::keyClicks(form->txtRecHeight, "0.2");
        click(form->cmdCon1); // an empty box: the condition waits
        QCOMPARE(form->RecContraction, Contraction(1));
        QCOMPARE(now(), QStringLiteral("| "));
        type(form->txtRecWidth, "1.0");
        QCOMPARE(now(), QStringLiteral("0.161|161.00 cmdCon1:B"));
        for (auto [button, expected] : {std::pair{form->cmdCon2, "0.158|158.00 cmdCon2:B"},
                                        {form->cmdCon, "0.165|165.00 cmdCon:B"},
                                        {form->cmdCon1, "0.161|161.00 cmdCon1:B"}}) {
            click(button);
            QCOMPARE(now(), QString::fromLatin1(expected));
        }
        type(form->txtRecHeight, "0"); // a head of 0 leaves the last result
        QCOMPARE(now() + u' ' + form->txtRecWidth->text(), QStringLiteral("0.161|161.00 cmdCon1:B 1.0"));

        // A width typed key by key fails at its first key: "0" is below a quarter
        // of the head, so both boxes are emptied (one Change each) and the rest
        // of the typing changes nothing. Pasted in one step it computes.
        type(form->txtRecHeight, "0.2");
        int changes = 0;
        connect(form->txtRecHeight, &QLineEdit::textChanged, this, [&] { ++changes; });
        type(form->txtRecWidth, "0.5");
        QCOMPARE(form->txtRecHeight->text() + u'|' + form->txtRecWidth->text(), QStringLiteral("|.5"));
        QCOMPARE(changes, 1);
        QCOMPARE(now(), QStringLiteral("0.161|161.00 cmdCon1:B"));
        form->txtRecWidth->setText(QString());
        form->txtRecHeight->setText(QStringLiteral("0.2"));
        form->txtRecWidth->insert(QStringLiteral("0.5"));
        QCOMPARE(now(), QStringLiteral("0.079|79.00 cmdCon1:B"));

        // Opened again: boxes and results emptied, fully suppressed, the blue
        // mark stays until the next result.
        click(form->cmdWRec);
        QCOMPARE(form->RecContraction, Contraction(0));
        QCOMPARE(now(), QStringLiteral("| cmdCon1:B"));
        QTest::keyClicks(form->txtRecHeight, "0.2");
        type(form->txtRecWidth, "1");
        QCOMPARE(now(), QStringLiteral("0.165|165.00 cmdCon:B"));
    }

    void trapezoidalAndVNotchAnswerTyping()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        click(form->cmdWeirTrap);
        QCOMPARE(QApplication::focusWidget(), form->txtTrHeight);
        QTest::keyClicks(form->txtTrHeight, "0.2");
        type(form->txtTrWidth, "0.5");
        QCOMPARE(form->lblTCumec->text(), QString()); // angle still empty
        type(form->txtTrAn, "0");
        QCOMPARE(form->lblTCumec->text(), QStringLiteral("0.082"));
        QTest::keyClicks(form->txtTrAn, "\b14");
        form->txtTrHeight->setText(QStringLiteral("-0.2")); // no defined result: the last one stays
        QCOMPARE(shown(form->lblTCumec, form->lblTLiter), QStringLiteral("0.089|89.00"));

        click(form->cmdWeirV);
        QCOMPARE(QApplication::focusWidget(), form->txtVHeight);
        QTest::keyClicks(form->txtVHeight, "0.2");
        QCOMPARE(form->lblVCumec->text(), QString());
        type(form->txtVAn, "90");
        form->txtVHeight->setText(QStringLiteral("1e400")); // beyond the double range
        QCOMPARE(shown(form->lblVCumec, form->lblVLiter), QStringLiteral("0.026|26.00"));

        // Back to the trapezoid: its page starts empty again.
        click(form->cmdWeirTrap);
        QCOMPARE(form->txtTrHeight->text() + form->txtTrAn->text() + form->txtTrWidth->text(), QString());
        QCOMPARE(form->lblTLiter->text(), QString());
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
