// The calculator form driven as a user drives it: start-up state, page
// navigation, and each page answering keystrokes and button presses.
#include "AniPushButton.h"
#include "controls.h"
#include "frmQvOpen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr quint32 Blue = 0xFF0000;

const char *const frameNames[] = {"fraInput", "fraOutput", "fraKs", "fraFM", "fraSO",
                                  "fraWeir", "fraWRec", "fraWeirTrap", "fraWeirV"};

// The frames whose own visibility flag is set, by name.
QStringList shownFrames(const frmQvOpen &form)
{
    QStringList shown;
    for (const char *name : frameNames)
        if (!form.findChild<QWidget *>(QString::fromLatin1(name))->isHidden()) shown << QString::fromLatin1(name);
    return shown;
}

void type(QWidget *box, const QString &text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
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

    void startsOnTheButtonStripAlone()
    {
        QVERIFY(shownFrames(*form).isEmpty());
        for (const char *name : {"comROE", "Label1(2)", "Label4"})
            QVERIFY2(form->findChild<QWidget *>(QString::fromLatin1(name))->isHidden(), name);
        QVERIFY(form->picButtons->isVisible());
        // Typing goes nowhere: no input box has the focus.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(!qobject_cast<QLineEdit *>(focus));
        QVERIFY(!qobject_cast<QComboBox *>(focus));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void fillsTheRoughnessListsAtLoad()
    {
        QStringList e1, roe;
        for (int i = 0; i < form->comE1->count(); ++i) e1 << form->comE1->itemText(i);
        for (int i = 0; i < form->comROE->count(); ++i) roe << form->comROE->itemText(i);
        QCOMPARE(e1, QStringList({"0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"}));
        QCOMPARE(roe.size(), 34);
        QCOMPARE(roe.first(), QStringLiteral("991"));
        QCOMPARE(roe.last(), QStringLiteral("1024"));
        QCOMPARE(form->comE1->currentText(), QString());
        QCOMPARE(form->comROE->currentText(), QString());
    }

    void showsTheStartTimeWithRegionalSeparators_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("caption");
        QTest::newRow("british") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "04/12/2026 14:55";
        QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << "04.12.2026 14:55";
        QTest::newRow("american") << QLocale(QLocale::English, QLocale::UnitedStates) << "04/12/2026 14:55";
        QTest::newRow("dutch") << QLocale(QLocale::Dutch, QLocale::Netherlands) << "04-12-2026 14:55";
    }

    void showsTheStartTimeWithRegionalSeparators()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, caption);
        QLocale::setDefault(locale);
        frmQvOpen fresh;
        fresh.Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55, 59)); };
        fresh.Form_Load();
        QCOMPARE(fresh.lblTime->text(), caption);
        // The strip must show all of it.
        QVERIFY(fresh.lblTime->geometry().right() < fresh.picButtons->width());
        QVERIFY(fresh.lblTime->width() >= fresh.lblTime->sizeHint().width());
    }

    void navigates_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("shown");
        using L = QStringList;
        QTest::newRow("pipe page") << L{"cmdDWAB2"} << L{"fraInput"};
        QTest::newRow("flow menu") << L{"cmdDWAB1"} << L{"fraFM"};
        QTest::newRow("flow twice") << L{"cmdDWAB1", "cmdDWAB1"} << L{"fraFM"};
        QTest::newRow("orifice") << L{"cmdDWAB1", "AniPushButton1"} << L{"fraFM", "fraSO"};
        QTest::newRow("orifice closed") << L{"cmdDWAB1", "AniPushButton1", "AniPushButton4"} << L{"fraFM"};
        QTest::newRow("notches") << L{"cmdDWAB1", "AniPushButton3"} << L{"fraFM", "fraWeir"};
        QTest::newRow("notches closed") << L{"cmdDWAB1", "AniPushButton3", "AniPushButton2"} << L{"fraFM"};
        QTest::newRow("rectangular") << L{"cmdDWAB1", "AniPushButton3", "cmdWRec"} << L{"fraFM", "fraWeir", "fraWRec"};
        QTest::newRow("rect then V") << L{"cmdDWAB1", "AniPushButton3", "cmdWRec", "cmdWeirV"}
                                     << L{"fraFM", "fraWeir", "fraWeirV"};
        QTest::newRow("V then trapezoid") << L{"cmdDWAB1", "AniPushButton3", "cmdWeirV", "cmdWeirTrap"}
                                          << L{"fraFM", "fraWeir", "fraWeirTrap"};
        QTest::newRow("notch kept after leaving")
            << L{"cmdDWAB1", "AniPushButton3", "cmdWeirV", "cmdDWAB2", "cmdDWAB1"}
            << L{"fraFM", "fraWeir", "fraWeirV"};
        QTest::newRow("notch kept after closing")
            << L{"cmdDWAB1", "AniPushButton3", "cmdWeirTrap", "AniPushButton2", "AniPushButton3"}
            << L{"fraFM", "fraWeir", "fraWeirTrap"};
        QTest::newRow("sub-page kept across pages") << L{"cmdDWAB1", "AniPushButton1", "cmdDWAB2", "cmdDWAB1"}
                                                    << L{"fraFM", "fraSO"};
        QTest::newRow("menu after close and back")
            << L{"cmdDWAB1", "AniPushButton1", "AniPushButton4", "cmdDWAB2", "cmdDWAB1"} << L{"fraFM"};
        // The sub-page keeps its own flag inside the hidden flow page.
        QTest::newRow("back to pipe") << L{"cmdDWAB1", "AniPushButton3", "cmdDWAB2"} << L{"fraInput", "fraWeir"};
    }

    // Real mouse clicks, so a button hidden in a closed frame cannot be pressed.
    void navigates()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, shown);
        for (const QString &name : clicks) {
            auto *button = form->findChild<AniPushButton *>(name);
            QVERIFY2(button->isVisible(), qPrintable(name));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(shownFrames(*form), shown);
    }

    void subPageCoversTheMenuButtons()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton1_Click();
        const QPoint menuButton = form->AniPushButton3->mapTo(form.get(), form->AniPushButton3->rect().center());
        QCOMPARE(form->childAt(menuButton)->window(), form.get());
        QVERIFY(form->childAt(menuButton) != form->AniPushButton3);
    }

    void pipePageTakesTheFocusBackToTheFlowBox()
    {
        form->cmdDWAB2_Click();
        type(form->txtQT, "10");
        type(form->txtDOP, "0.1");
        form->cmdDWAB1_Click();
        form->cmdDWAB2_Click();
        QCOMPARE(QApplication::focusWidget(), form->txtQT);
        QCOMPARE(form->txtQT->text(), QStringLiteral("10"));
        QCOMPARE(form->txtDOP->text(), QStringLiteral("0.1"));
    }

    void accessKeysPressTheStripButtons()
    {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(shownFrames(*form), QStringList{"fraFM"});
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(shownFrames(*form), QStringList{"fraInput"});
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ended, 1);
    }

    void closeEndsOncePerPress()
    {
        QSignalSpy clicks(form->cmdDrop7, &QAbstractButton::clicked);
        QTest::mouseClick(form->cmdDrop7, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(ended, 1);
    }

    void contactLineFollowsThePointer()
    {
        QVERIFY(form->Label4->isHidden());
        QTest::mouseMove(form->imgLogo, form->imgLogo->rect().center());
        QVERIFY(form->Label4->isVisible());
        QTest::mouseMove(form->Label4, form->Label4->rect().center());
        QVERIFY(form->Label4->isVisible());
        QTest::mouseMove(form->lblTime, form->lblTime->rect().center());
        QVERIFY(form->Label4->isVisible());
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
        QCOMPARE(form->lblPipeV->text(), QStringLiteral("1.27  m/s"));
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("2.57  m"));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        // Only the headloss depends on the length.
        retype(form->txtLOP, "200");
        QCOMPARE(form->lblPipeV->text(), QStringLiteral("1.27  m/s"));
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("5.14  m"));

        // Emptying a box leaves the last result; so does a comma that reads as 0.
        retype(form->txtDOP, "");
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("5.14  m"));
        retype(form->txtDOP, "0,1");
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("5.14  m"));

        // A negative diameter leaves the logarithm undefined: nothing changes, and
        // the hourglass is gone again.
        retype(form->txtDOP, "-0.1");
        QCOMPARE(form->lblPipeV->text(), QStringLiteral("1.27  m/s"));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        retype(form->txtDOP, "0.1");
        retype(form->txtQT, "-10");
        retype(form->txtLOP, "100");
        QCOMPARE(form->lblPipeV->text(), QStringLiteral("-1.27  m/s"));
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("2.44  m"));
    }

    void roughnessTableShowsWhileTheRoughnessBoxHasTheFocus()
    {
        form->cmdDWAB2_Click();
        QVERIFY(form->fraKs->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // length
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // diameter
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // roughness
        QVERIFY(form->comE1->hasFocus());
        QVERIFY(form->fraKs->isVisible());
        QTest::keyClicks(form->comE1, "2");
        QVERIFY(form->fraKs->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(form->fraKs->isHidden());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(form->comE1->hasFocus());
        QVERIFY(form->fraKs->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(form->fraKs->isHidden());
    }

    void pickingARoughnessRecalculatesAndHidesTheTable()
    {
        form->cmdDWAB2_Click();
        type(form->txtQT, "10");
        type(form->txtLOP, "100");
        type(form->txtDOP, "0.1");
        form->comE1->setFocus();
        QVERIFY(form->fraKs->isVisible());
        form->comE1->showPopup();
        QAbstractItemView *list = form->comE1->view();
        QTRY_VERIFY(list->isVisible());
        QVERIFY(form->fraKs->isVisible()); // the list opening is not leaving the box
        const QModelIndex item = list->model()->index(0, 0); // 0.5
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(form->comE1->currentText(), QStringLiteral("0.5"));
        QCOMPARE(form->lblPipeHL->text(), QStringLiteral("2.57  m"));
        QVERIFY(form->fraKs->isHidden());
        QVERIFY(form->comE1->hasFocus());
    }

    void orificeMarksTheKindOfTheResultOnDisplay()
    {
        form->cmdDWAB1_Click();
        QTest::mouseClick(form->AniPushButton1, Qt::LeftButton);
        QCOMPARE(form->SOKind, OrificeKind(1));
        type(form->txtSODia, "0.1");
        QCOMPARE(form->lblCumec->text(), QString()); // head still empty
        type(form->txtSOH, "2");
        QCOMPARE(form->lblCumec->text(), QStringLiteral("0.031"));
        QCOMPARE(form->lblLiter->text(), QStringLiteral("30.51"));

        struct Kind { AniPushButton *button; const char *cumec, *liter; };
        const Kind kinds[] = {{form->cmdSOSE, "0.031", "30.51"}, {form->cmdSOR, "0.048", "47.73"},
                              {form->cmdSOBRF, "0.025", "24.60"}, {form->cmdSOBRU, "0.037", "36.90"}};
        for (const Kind &k : kinds) {
            QTest::mouseClick(k.button, Qt::LeftButton);
            QCOMPARE(form->lblCumec->text(), QString::fromLatin1(k.cumec));
            QCOMPARE(form->lblLiter->text(), QString::fromLatin1(k.liter));
            for (const Kind &other : kinds) {
                QCOMPARE(other.button->foreColor(), other.button == k.button ? Blue : 0u);
                QCOMPARE(other.button->value(), other.button == k.button);
            }
        }

        // A press while an input is below the threshold records the kind only.
        retype(form->txtSODia, "0.0009");
        QTest::mouseClick(form->cmdSOR, Qt::LeftButton);
        QCOMPARE(form->SOKind, OrificeKind(2));
        QCOMPARE(form->lblLiter->text(), QStringLiteral("36.90"));
        QVERIFY(form->cmdSOBRU->value());
        QCOMPARE(form->cmdSOR->foreColor(), 0u);
        retype(form->txtSODia, "0.1");
        QCOMPARE(form->lblLiter->text(), QStringLiteral("47.73"));
        QVERIFY(form->cmdSOR->value());

        // Reopening blanks the results and selects sharp-edged, marks stay until
        // the next result.
        QTest::mouseClick(form->AniPushButton4, Qt::LeftButton);
        QTest::mouseClick(form->AniPushButton1, Qt::LeftButton);
        QCOMPARE(form->lblCumec->text(), QString());
        QCOMPARE(form->lblLiter->text(), QString());
        QCOMPARE(form->txtSODia->text(), QStringLiteral("0.1"));
        QVERIFY(form->cmdSOR->value());
        retype(form->txtSOH, "2");
        QCOMPARE(form->lblLiter->text(), QStringLiteral("30.51"));
        QVERIFY(form->cmdSOSE->value());
        QCOMPARE(form->cmdSOSE->foreColor(), Blue);
    }

    void orificeComputesNothingBeforeTheKindIsChosen()
    {
        form->cmdDWAB1_Click();
        form->fraSO->setVisible(true); // shown without the opener: no kind yet
        type(form->txtSODia, "0.1");
        type(form->txtSOH, "2");
        QCOMPARE(form->lblCumec->text(), QStringLiteral("lblCumec"));
        QCOMPARE(form->cmdSOSE->value(), false);
    }

    void rectangularNotchUnderTheThreeConditions()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        QTest::mouseClick(form->cmdWRec, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form->txtRecHeight);
        QCOMPARE(form->txtRecHeight->text(), QString());
        QCOMPARE(form->lblRecCumec->text(), QString());
        QTest::keyClicks(form->txtRecHeight, "0.2");
        type(form->txtRecWidth, "1.0");
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.165"));
        QCOMPARE(form->lblRecLiter->text(), QStringLiteral("165.00"));
        QCOMPARE(form->cmdCon->foreColor(), Blue);

        struct Condition { AniPushButton *button; const char *cumec, *liter; };
        const Condition conditions[] = {{form->cmdCon1, "0.161", "161.00"}, {form->cmdCon2, "0.158", "158.00"},
                                        {form->cmdCon, "0.165", "165.00"}};
        for (const Condition &c : conditions) {
            QTest::mouseClick(c.button, Qt::LeftButton);
            QCOMPARE(form->lblRecCumec->text(), QString::fromLatin1(c.cumec));
            QCOMPARE(form->lblRecLiter->text(), QString::fromLatin1(c.liter));
            for (AniPushButton *b : {form->cmdCon, form->cmdCon1, form->cmdCon2})
                QCOMPARE(b->foreColor(), b == c.button ? Blue : 0u);
        }

        // Fully contracted, then the page is opened again: boxes and results are
        // emptied, the condition starts fully suppressed, the blue mark stays.
        QTest::mouseClick(form->cmdCon2, Qt::LeftButton);
        QTest::mouseClick(form->cmdWRec, Qt::LeftButton);
        QCOMPARE(form->RecContraction, Contraction(0));
        QCOMPARE(form->lblRecLiter->text(), QString());
        QCOMPARE(form->cmdCon2->foreColor(), Blue);
        QTest::keyClicks(form->txtRecHeight, "0.2");
        type(form->txtRecWidth, "1");
        QCOMPARE(form->lblRecLiter->text(), QStringLiteral("165.00"));
        QCOMPARE(form->cmdCon->foreColor(), Blue);
        QCOMPARE(form->cmdCon2->foreColor(), 0u);
    }

    void rectangularWidthTypedKeyByKeyFailsAtItsFirstKey()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        form->cmdWRec_Click();
        QTest::keyClicks(form->txtRecHeight, "0.2");
        type(form->txtRecWidth, "1");
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.165"));

        int changes = 0;
        connect(form->txtRecHeight, &QLineEdit::textChanged, this, [&] { ++changes; });
        retype(form->txtRecWidth, "0.5"); // "0" reads as 0: below a quarter of the head
        QCOMPARE(form->txtRecHeight->text(), QString());
        QCOMPARE(form->txtRecWidth->text(), QStringLiteral(".5"));
        QCOMPARE(changes, 1);
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.165"));
        QCOMPARE(form->lblRecLiter->text(), QStringLiteral("165.00"));

        // Pasted in one step it computes.
        form->txtRecWidth->setText(QString());
        form->txtRecHeight->setText(QStringLiteral("0.2"));
        form->txtRecWidth->setFocus();
        form->txtRecWidth->insert(QStringLiteral("0.5"));
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.082"));
        QCOMPARE(form->lblRecLiter->text(), QStringLiteral("82.00"));
    }

    void rectangularConditionPressedWithAnEmptyBoxWaits()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        form->cmdWRec_Click();
        QTest::keyClicks(form->txtRecHeight, "0.2");
        QTest::mouseClick(form->cmdCon1, Qt::LeftButton);
        QCOMPARE(form->RecContraction, Contraction(1));
        QCOMPARE(form->lblRecCumec->text(), QString());
        type(form->txtRecWidth, "1");
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.161"));
        QCOMPARE(form->cmdCon1->foreColor(), Blue);
        // A head that reads as 0 leaves the last result.
        retype(form->txtRecHeight, "0");
        QCOMPARE(form->lblRecCumec->text(), QStringLiteral("0.161"));
        QCOMPARE(form->txtRecWidth->text(), QStringLiteral("1"));
    }

    void trapezoidalAndVNotchAnswerTyping()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton3_Click();
        QTest::mouseClick(form->cmdWeirTrap, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form->txtTrHeight);
        QTest::keyClicks(form->txtTrHeight, "0.2");
        type(form->txtTrWidth, "0.5");
        QCOMPARE(form->lblTCumec->text(), QString()); // angle still empty
        type(form->txtTrAn, "0");
        QCOMPARE(form->lblTCumec->text(), QStringLiteral("0.082"));
        QTest::keyClicks(form->txtTrAn, "\b14");
        QCOMPARE(form->lblTCumec->text(), QStringLiteral("0.089"));
        QCOMPARE(form->lblTLiter->text(), QStringLiteral("89.00"));
        retype(form->txtTrAn, "90");
        QCOMPARE(form->lblTCumec->text(), QStringLiteral("-41.465"));
        QCOMPARE(form->lblTLiter->text(), QStringLiteral("-41465.00"));
        form->txtTrHeight->setText(QStringLiteral("-0.2")); // no defined result: the last one stays
        QCOMPARE(form->lblTLiter->text(), QStringLiteral("-41465.00"));

        QTest::mouseClick(form->cmdWeirV, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form->txtVHeight);
        QTest::keyClicks(form->txtVHeight, "0.2");
        QCOMPARE(form->lblVCumec->text(), QString());
        type(form->txtVAn, "90");
        QCOMPARE(form->lblVCumec->text(), QStringLiteral("0.026"));
        QCOMPARE(form->lblVLiter->text(), QStringLiteral("26.00"));
        retype(form->txtVAn, "180");
        QCOMPARE(form->lblVCumec->text(), QStringLiteral("-41.348"));
        form->txtVHeight->setText(QStringLiteral("1e400")); // pasted: beyond the double range
        QCOMPARE(form->lblVCumec->text(), QStringLiteral("-41.348"));

        // Back to the trapezoid: its page starts empty again.
        QTest::mouseClick(form->cmdWeirTrap, Qt::LeftButton);
        for (QLineEdit *box : {form->txtTrHeight, form->txtTrAn, form->txtTrWidth})
            QCOMPARE(box->text(), QString());
        QCOMPARE(form->lblTLiter->text(), QString());
    }
};

QTEST_MAIN(FormTest)
#include "test_form.moc"
