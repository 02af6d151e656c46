// The form on a denser screen. CTest runs this program once per device pixel
// ratio (QT_SCALE_FACTOR 1, 1.5 and 2): the layout must stay the same in logical
// pixels, controls that stand apart in the design must not run into each other
// (captions are measured anew at every ratio), and the rendered form must be
// drawn at the full resolution with every result where its label is. The
// renders are kept in <build>/tests/highdpi/x<ratio>/ for a reviewer.
#include "catalogue.h"
#include "controls.h"
#include "frmQvOpen.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cmath>

namespace {

double expectedRatio()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// Opens one screen through the form's own handlers, with results on it.
void open(frmQvOpen &form, const QString &screen)
{
    if (screen == u"start") {
        form.imgLogo_MouseMove();
        return;
    }
    if (screen.startsWith(u"pipe")) {
        form.cmdDWAB2_Click();
        form.txtQT->setText(QStringLiteral("10"));
        form.txtLOP->setText(QStringLiteral("1000"));
        form.txtDOP->setText(QStringLiteral("0.3"));
        form.comE1->setEditText(QStringLiteral("1.5"));
        if (screen == u"pipe-roughness") form.comE1_GotFocus();
        return;
    }
    form.cmdDWAB1_Click();
    if (screen == u"orifice") {
        form.AniPushButton1_Click();
        form.txtSODia->setText(QStringLiteral("0.1"));
        form.txtSOH->setText(QStringLiteral("2"));
    } else if (screen == u"rectangular") {
        form.AniPushButton3_Click();
        form.cmdWRec_Click();
        form.txtRecWidth->setText(QStringLiteral("1"));
        form.txtRecHeight->setText(QStringLiteral("0.2"));
    } else if (screen == u"trapezoidal") {
        form.AniPushButton3_Click();
        form.cmdWeirTrap_Click();
        form.txtTrAn->setText(QStringLiteral("14"));
        form.txtTrWidth->setText(QStringLiteral("1"));
        form.txtTrHeight->setText(QStringLiteral("0.2"));
    } else if (screen == u"v-notch") {
        form.AniPushButton3_Click();
        form.cmdWeirV_Click();
        form.txtVAn->setText(QStringLiteral("90"));
        form.txtVHeight->setText(QStringLiteral("0.2"));
    }
}

QRect designRect(const ControlRow &row)
{
    return twipsRect(row.left, row.top, row.width, row.height);
}

QRect onForm(const QWidget *w, const QWidget *form)
{
    return QRect(w->mapTo(form, QPoint(0, 0)), w->size());
}

// How many pixels of the render inside `area` (device pixels) have roughly the colour.
int pixelsOfColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue()) < 90)
                ++count;
        }
    return count;
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmQvOpen> form;
    const double ratio = expectedRatio();

private slots:
    void init()
    {
        form = std::make_unique<frmQvOpen>();
        form->End = [] {};
        form->Now = [] { return QDateTime(QDate(2026, 12, 4), QTime(14, 55)); };
        form->Form_Load();
        form->resize(form->minimumSize());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup() { form.reset(); }

    void theFormKeepsItsLogicalSize()
    {
        QCOMPARE(form->devicePixelRatioF(), ratio);
        QCOMPARE(form->minimumSize(), QSize(801, 561));
        QCOMPARE(form->size(), QSize(801, 561));
    }

    void screens_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("result"); // a label whose caption the screen shows
        QTest::newRow("start") << "start" << "lblTime";
        QTest::newRow("pipe") << "pipe" << "lblPipeHL";
        QTest::newRow("pipe-roughness") << "pipe-roughness" << "lblPipeV";
        QTest::newRow("orifice") << "orifice" << "lblLiter";
        QTest::newRow("rectangular") << "rectangular" << "lblRecLiter";
        QTest::newRow("trapezoidal") << "trapezoidal" << "lblTLiter";
        QTest::newRow("v-notch") << "v-notch" << "lblVLiter";
    }

    // Every control keeps its place in logical pixels; an auto-size label keeps
    // the edge it grows from.
    void controlsKeepTheirPlaces_data() { screens_data(); }
    void controlsKeepTheirPlaces()
    {
        QFETCH(QString, screen);
        open(*form, screen);
        for (const ControlRow &row : formCatalogue()) {
            auto *w = form->findChild<QWidget *>(QString::fromLatin1(row.name));
            QVERIFY2(w, row.name);
            const QRect design = designRect(row);
            if (row.flags & AutoSize) {
                const bool fromRight = row.flags & RightAlign;
                QCOMPARE(fromRight ? w->geometry().right() : w->geometry().left(),
                         fromRight ? design.right() : design.left());
                QCOMPARE(w->geometry().top(), design.top());
            } else {
                QCOMPARE(w->geometry(), design);
            }
        }
    }

    // Two controls of one container that stand apart in the design stay apart,
    // now that every auto-size caption has been measured at this ratio.
    void nothingRunsIntoItsNeighbour_data() { screens_data(); }
    void nothingRunsIntoItsNeighbour()
    {
        QFETCH(QString, screen);
        open(*form, screen);
        const auto rows = formCatalogue();
        for (size_t i = 0; i < rows.size(); ++i) {
            auto *a = form->findChild<QWidget *>(QString::fromLatin1(rows[i].name));
            if (!a->isVisibleTo(form.get())) continue;
            for (size_t j = i + 1; j < rows.size(); ++j) {
                if (qstrcmp(rows[i].container, rows[j].container) != 0) continue;
                if (designRect(rows[i]).intersects(designRect(rows[j]))) continue;
                auto *b = form->findChild<QWidget *>(QString::fromLatin1(rows[j].name));
                if (!b->isVisibleTo(form.get())) continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(QStringLiteral("%1 runs into %2").arg(a->objectName(), b->objectName())));
            }
        }
    }

    // Every caption and every typed text still fits its control.
    void textsStillFit_data() { screens_data(); }
    void textsStillFit()
    {
        QFETCH(QString, screen);
        open(*form, screen);
        for (Label *label : form->findChildren<Label *>()) {
            if (!label->isVisibleTo(form.get()) || label->text().isEmpty()) continue;
            const QRect need = label->fontMetrics().boundingRect(
                QRect(0, 0, label->wordWrap() ? label->width() : QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
            QVERIFY2(need.width() <= label->width() && need.height() <= label->height(),
                     qPrintable(label->objectName()));
        }
        for (TextBox *box : form->findChildren<TextBox *>()) {
            if (!box->isVisibleTo(form.get()) || box->text().isEmpty()) continue;
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 8,
                     qPrintable(box->objectName()));
        }
    }

    // The render has the full device resolution, and the result's caption is
    // drawn inside its label's rectangle scaled by the ratio.
    void rendersAtTheFullResolution_data() { screens_data(); }
    void rendersAtTheFullResolution()
    {
        QFETCH(QString, screen);
        QFETCH(QString, result);
        open(*form, screen);
        QCoreApplication::processEvents();
        const QPixmap pixmap = form->grab();
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), QSize(qRound(801 * ratio), qRound(561 * ratio)));

        const QString dir = QCoreApplication::applicationDirPath()
            + QStringLiteral("/highdpi/x%1").arg(ratio);
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(pixmap.save(dir + u'/' + screen + QStringLiteral(".png")));

        auto *label = form->findChild<Label *>(result);
        QVERIFY(label && label->isVisible());
        QVERIFY(!label->text().isEmpty());
        const QRect logical = onForm(label, form.get());
        const QRect device(QPoint(qFloor(logical.left() * ratio), qFloor(logical.top() * ratio)),
                           QPoint(qCeil((logical.right() + 1) * ratio) - 1, qCeil((logical.bottom() + 1) * ratio) - 1));
        const QImage image = pixmap.toImage();
        const QColor ink = label->palette().color(QPalette::WindowText);
        // The caption's strokes: at least as many pixels as a few characters
        // take at this resolution. Drawn unscaled, they would lie elsewhere.
        const int inside = pixelsOfColour(image, device, ink);
        QVERIFY2(inside > 20 * ratio * ratio, qPrintable(QString::number(inside)));
    }
};

QTEST_MAIN(HighDpiTest)
#include "test_highdpi.moc"
