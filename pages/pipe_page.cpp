// Pipe page: velocity and Colebrook-White headloss at every keystroke, and the
// roughness lists that help choose the roughness.
#include "form/calculation_sheet.h"
#include "form/charconv.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/pipe.h"
#include "toolkit/controls.h"
#include "toolkit/mouse_pointer.h"

void frmQvOpen::CalcPipe()
{
    const std::string flow = readBox(txtQT), length = readBox(txtLOP), diameter = readBox(txtDOP),
                      roughness = readBox(comE1);
    if (!zeroGuardPasses({length, diameter, roughness, flow})) return keepEarlier({lblPipeV, lblPipeHL});
    setScreenMousePointer(vbHourglass);
    // A result the arithmetic cannot give (no finite value, or a friction factor
    // that does not settle) leaves the last one on screen, marked as earlier.
    if (const auto r = pipeFlow(Val(flow), Val(length), Val(diameter), Val(roughness))) {
        lblPipeV->setTextFitted(QString::fromStdString(Format(r->velocity, "#0.00") + "  m/s"));
        lblPipeHL->setTextFitted(QString::fromStdString(Format(r->headloss, "#0.00") + "  m"));
        markFigures({lblPipeV, lblPipeHL}, pipeRangeNote(*r));
        // The headloss rests on a friction factor that holds for turbulent flow only:
        // both figures say the Reynolds number of the flow they describe.
        const QString regime = QString::fromStdString(reynoldsDescription(r->reynolds));
        for (QWidget *figure : {lblPipeV, lblPipeHL}) setNote(figure, regime);
        PipeReynolds = r->reynolds;
        fraOutput->setVisible(true);
    } else
        keepEarlier({lblPipeV, lblPipeHL});
    setScreenMousePointer(vbDefault);
}

// The figures with the Reynolds number they were worked out for, and the method
// with the page's own constants.
CalculationSheet frmQvOpen::SheetPipe() const
{
    CalculationSheet sheet = startSheet(fraInput, {txtQT, txtLOP, txtDOP, comE1}, {lblPipeV, lblPipeHL}, Now(),
        QStringLiteral("Darcy-Weisbach, hf = f L V² / (2 g D), V = 4 Q / (π D²); friction factor f from "
                       "Colebrook-White, 1/√f = 1.14 − 2 log10(ks/D + 9.35 / (Re √f)), Re = V D / ν, iterated from "
                       "f = 0.01 until a pass changes f by 1 % or less; g = 9.81 m/s², π = 3.14159, ν = 0.000001 "
                       "m²/s (water at about 20 °C)"));
    if (!sheet.figures.isEmpty() && PipeReynolds) {
        // "Reynolds number 127 324: turbulent flow, where ..."
        const QString said = QString::fromStdString(reynoldsDescription(*PipeReynolds));
        const QString number = said.section(QStringLiteral(": "), 0, 0);
        sheet.figures << SheetRow{number.left(15), number.mid(16), {}, said.section(QStringLiteral(": "), 1)};
    }
    return sheet;
}

void frmQvOpen::txtQT_Change() { CalcPipe(); }
void frmQvOpen::txtLOP_Change() { CalcPipe(); }
void frmQvOpen::txtDOP_Change() { CalcPipe(); }

void frmQvOpen::comE1_Change()
{
    CalcPipe();
    fraKs->setVisible(false);
}

// A pick from the list does what typing does.
void frmQvOpen::comE1_Click() { comE1_Change(); }

void frmQvOpen::comE1_GotFocus() { fraKs->setVisible(true); }
void frmQvOpen::comE1_LostFocus() { fraKs->setVisible(false); }

// 0.5, 1, 1.5 ... 5, each the shortest text of its value.
void frmQvOpen::FillE1()
{
    double e = 0;
    for (int i = 1; i <= 10; ++i) {
        e = e + 0.5;
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, e);
        comE1->appendKeepingText(QString::fromLatin1(buf, int(r.ptr - buf)));
    }
}

// Densities 991 to 1024 g/l; the list stays hidden.
void frmQvOpen::FillROE()
{
    for (int density = 991; density <= 1024; ++density) comROE->appendKeepingText(QString::number(density));
}
