// What a screen reader gets from the form: a spoken name and description for
// every box and result, the current figure read with its meaning, and the strip's
// access keys both announced and working.
#include "AniPushButton.h"
#include "accessibility.h"
#include "controls.h"
#include "frmQvOpen.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

namespace {

QString spoken(QWidget *w, QAccessible::Text t)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(t) : QString();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    int ended = 0;

private slots:
    void init()
    {
        form = std::make_unique<frmQvOpen>();
        ended = 0;
        form->End = [this] { ++ended; };
        form->Form_Load();
        form->resize(801, 561);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() { form.reset(); }

    void everyInputAndResultHasANameWithItsUnit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const std::pair<const char *, const char *> rows[] = {
            {"txtQT", "Total flow, litres per second"},
            {"txtLOP", "Length of pipeline, metres"},
            {"txtDOP", "Diameter of pipeline, metres"},
            {"comE1", "Pipe roughness, millimetres"},
            {"txtSODia", "Orifice diameter, metres"},
            {"txtSOH", "Head above the orifice, metres"},
            {"txtRecHeight", "Head above the crest, metres"},
            {"txtRecWidth", "Notch width, metres"},
            {"txtTrHeight", "Head above the crest, metres"},
            {"txtTrWidth", "Crest width, metres"},
            {"txtTrAn", "Side angle from the vertical, degrees"},
            {"txtVHeight", "Head above the vertex, metres"},
            {"txtVAn", "Included angle, degrees"},
            {"lblPipeV", "Pipe velocity, metres per second"},
            {"lblPipeHL", "Headloss due to friction, metres"},
            {"lblCumec", "Orifice flow, cubic metres per second"},
            {"lblLiter", "Orifice flow, litres per second"},
            {"lblRecCumec", "Rectangular notch flow, cubic metres per second"},
            {"lblRecLiter", "Rectangular notch flow, litres per second"},
            {"lblTCumec", "Trapezoidal notch flow, cubic metres per second"},
            {"lblTLiter", "Trapezoidal notch flow, litres per second"},
            {"lblVCumec", "V-notch flow, cubic metres per second"},
            {"lblVLiter", "V-notch flow, litres per second"},
        };
        for (auto [control, name] : rows) QTest::newRow(control) << control << name;
    }

    void everyInputAndResultHasANameWithItsUnit()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto *w = form->findChild<QWidget *>(control);
        QVERIFY(w);
        QVERIFY2(spoken(w, QAccessible::Name).startsWith(name), qPrintable(spoken(w, QAccessible::Name)));
        QVERIFY(!spoken(w, QAccessible::Description).isEmpty());
    }

    // A box added to the form without a row in the table would be silent.
    void noInputBoxIsLeftUnnamed()
    {
        const auto boxes = form->findChildren<TextBox *>();
        QCOMPARE(boxes.size(), 12);
        for (TextBox *box : boxes)
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
        for (ComboBox *box : form->findChildren<ComboBox *>())
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    }

    void everyTableRowNamesAControlOfTheForm()
    {
        for (const AccessibleText &row : accessibleTexts())
            QVERIFY2(form->findChild<QWidget *>(QString::fromLatin1(row.objectName)), row.objectName);
    }

    // The figure is read out with its meaning, and follows every new result.
    void aResultIsSpokenWithItsCurrentFigure()
    {
        form->cmdDWAB1_Click();
        form->AniPushButton1_Click();
        QCOMPARE(spoken(form->lblCumec, QAccessible::Name), QStringLiteral("Orifice flow, cubic metres per second"));
        QTest::keyClicks(form->txtSODia, QStringLiteral("0.1"));
        QTest::keyClicks(form->txtSOH, QStringLiteral("2"));
        QCOMPARE(spoken(form->lblCumec, QAccessible::Name), QStringLiteral("Orifice flow, cubic metres per second: 0.031"));
        QCOMPARE(spoken(form->lblLiter, QAccessible::Name), QStringLiteral("Orifice flow, litres per second: 30.51"));
        QCOMPARE(spoken(form->lblLiter, QAccessible::Value), QStringLiteral("30.51"));
        QTest::keyClick(form->txtSOH, Qt::Key_5);
        QVERIFY(!spoken(form->lblLiter, QAccessible::Name).endsWith(QStringLiteral(": 30.51")));
    }

    void theStripAnnouncesItsAccessKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("pipe") << "cmdDWAB2" << "Pipe velocity and friction headloss" << "Alt+P";
        QTest::newRow("flow") << "cmdDWAB1" << "Flow measurement" << "Alt+F";
        QTest::newRow("close") << "cmdDrop7" << "Close" << "Alt+C";
    }

    void theStripAnnouncesItsAccessKeys()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        auto *w = form->findChild<AniPushButton *>(button);
        QVERIFY(w);
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Button);
        QCOMPARE(spoken(w, QAccessible::Name), name);
        QCOMPARE(spoken(w, QAccessible::Accelerator), shortcut);
    }

    void accessKeysOpenThePages()
    {
        QTest::keyClick(form.get(), Qt::Key_F, Qt::AltModifier);
        QVERIFY(form->fraFM->isVisible());
        QVERIFY(!form->fraInput->isVisible());
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(form->fraInput->isVisible());
        QVERIFY(!form->fraFM->isVisible());
        QCOMPARE(ended, 0);
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(ended, 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
