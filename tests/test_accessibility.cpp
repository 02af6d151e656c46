// What a screen reader gets from the form: a spoken name and description for
// every input box and result, and the current figure read with its meaning.
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

    // The figure is read out with its meaning, and follows every new result.
    void aResultIsSpokenWithItsCurrentFigure()
    {
        form.cmdDWAB1_Click();
        form.AniPushButton1_Click();
        QCOMPARE(spoken(form.lblCumec), QStringLiteral("Orifice flow, cubic metres per second"));
        form.txtSODia->setText(QStringLiteral("0.1"));
        form.txtSOH->setText(QStringLiteral("2"));
        QCOMPARE(spoken(form.lblLiter), QStringLiteral("Orifice flow, litres per second: 30.51"));
        QCOMPARE(spoken(form.lblLiter, QAccessible::Value), QStringLiteral("30.51"));
        form.txtSOH->setText(QStringLiteral("25"));
        QCOMPARE(spoken(form.lblLiter), QStringLiteral("Orifice flow, litres per second: 107.86"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
