// What a screen reader gets from the form: a spoken name and description for
// every input box and result, and the current figure read with its meaning.
#include "AniPushButton.h"
#include "controls.h"
#include "frmQvOpen.h"

#include <QAccessible>
#include <QTest>

namespace {

QString spoken(QWidget *w, QAccessible::Text t = QAccessible::Name)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(t) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    frmQvOpen form;

private slots:
    void everyInputAndResultHasANameWithItsUnit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        for (auto [control, name] : {
                 std::pair{"txtQT", "Total flow, litres per second"}, {"txtLOP", "Length of pipeline, metres"},
                 {"txtDOP", "Diameter of pipeline, metres"}, {"comE1", "Pipe roughness, millimetres"},
                 {"txtSODia", "Orifice diameter, metres"}, {"txtSOH", "Head above the orifice, metres"},
                 {"txtRecHeight", "Head above the crest, metres"}, {"txtRecWidth", "Notch width, metres"},
                 {"txtTrHeight", "Head above the crest, metres"}, {"txtTrWidth", "Crest width, metres"},
                 {"txtTrAn", "Side angle from the vertical, degrees"}, {"txtVHeight", "Head above the vertex, metres"},
                 {"txtVAn", "Included angle, degrees"}, {"lblPipeV", "Pipe velocity, metres per second"},
                 {"lblPipeHL", "Headloss due to friction, metres"},
                 {"lblCumec", "Orifice flow, cubic metres per second"}, {"lblLiter", "Orifice flow, litres per second"},
                 {"lblRecCumec", "Rectangular notch flow, cubic metres per second"},
                 {"lblRecLiter", "Rectangular notch flow, litres per second"},
                 {"lblTCumec", "Trapezoidal notch flow, cubic metres per second"},
                 {"lblTLiter", "Trapezoidal notch flow, litres per second"},
                 {"lblVCumec", "V-notch flow, cubic metres per second"}, {"lblVLiter", "V-notch flow, litres per second"}})
            QTest::newRow(control) << control << name;
    }

    void everyInputAndResultHasANameWithItsUnit()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto *w = form.findChild<QWidget *>(control);
        QVERIFY2(spoken(w).startsWith(name), qPrintable(spoken(w)));
        QVERIFY(!spoken(w, QAccessible::Description).isEmpty());
    }

    // A result reads as its figure with the unit in words (its caption beside it
    // says what it is); the figures a keystroke changes are spoken once, together.
    void aNewResultIsSpokenOnceInWords()
    {
        auto *said = form.findChild<QLabel *>(QStringLiteral("announcement"));
        const auto saysAfter = [&](auto edit) {
            said->clear();
            edit();
            QCoreApplication::processEvents();
            return said->text();
        };
        form.cmdDWAB1_Click();
        form.AniPushButton1_Click();
        QCOMPARE(spoken(form.lblCumec), QStringLiteral("Orifice flow, cubic metres per second"));
        form.txtSODia->setText(QStringLiteral("0.1"));
        QCOMPARE(saysAfter([&] { form.txtSOH->setText(QStringLiteral("2")); }),
                 QStringLiteral("flow 0.031 cubic metres per second, 30.51 litres per second"));
        QCOMPARE(spoken(form.lblLiter), QStringLiteral("30.51 litres per second"));
        QCOMPARE(spoken(form.lblLiter, QAccessible::Value), QStringLiteral("30.51"));
        QCOMPARE(saysAfter([&] { form.txtSOH->setText(QString()); }), QString()); // the guard stops it
        QCOMPARE(saysAfter([&] { form.txtSOH->setText(QStringLiteral("2")); }), QString()); // nothing new
        QCOMPARE(saysAfter([&] { form.cmdSOR_Click(); }),
                 QStringLiteral("flow 0.048 cubic metres per second, 47.73 litres per second"));
    }

    // The state flag reads as checked, a blue caption as selected.
    void theChosenButtonIsCheckedOrSelected()
    {
        form.cmdDWAB1_Click();
        form.AniPushButton1_Click();
        form.txtSODia->setText(QStringLiteral("0.1"));
        form.txtSOH->setText(QStringLiteral("2"));
        form.cmdSOBRF_Click();
        form.AniPushButton3_Click();
        form.cmdWRec_Click();
        form.txtRecHeight->setText(QStringLiteral("0.2"));
        form.txtRecWidth->setText(QStringLiteral("1"));
        form.cmdCon1_Click();
        for (auto [button, checked, selected] : {std::tuple{form.cmdSOBRF, true, true}, {form.cmdSOSE, false, false},
                                                 {form.cmdCon1, false, true}, {form.cmdCon, false, false}}) {
            const QAccessible::State s = QAccessible::queryAccessibleInterface(button)->state();
            QVERIFY2(s.checked == checked && s.selected == selected, qPrintable(button->objectName()));
        }
    }

    // An editable combo box reads as its text, so its caption is its label.
    void theRoughnessBoxIsLabelledByItsCaption()
    {
        const auto labels = QAccessible::queryAccessibleInterface(form.comE1)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Pipe roughness, millimetres"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
