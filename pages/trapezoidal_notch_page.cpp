// Trapezoidal notch: discharge from head, crest width and side angle.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/trapezoidal_notch.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcTrap()
{
    const std::string angle = readBox(txtTrAn), head = readBox(txtTrHeight), width = readBox(txtTrWidth);
    if (!emptyTextGuardPasses({angle, head, width})) return keepEarlier({lblTCumec, lblTLiter});

    const auto Q = trapezoidalFlow(Val(angle), Val(head), Val(width));
    if (!Q || !showReadBackFlow(lblTCumec, lblTLiter, *Q)) return keepEarlier({lblTCumec, lblTLiter});
    markFigures({lblTCumec, lblTLiter}, trapezoidalRangeNote(Val(angle), Val(head), Val(width)));
}

CalculationSheet frmQvOpen::SheetTrap() const
{
    return startSheet(fraWeirTrap, {txtTrHeight, txtTrWidth, txtTrAn}, {lblTCumec, lblTLiter}, Now(),
        QStringLiteral("Q = (2/3) Cd √(2g) H^1.5 (B + 0.8 H tan θ), Cd = 0.623 (held as 1.246 / 3 for (2/3) Cd), "
                       "2g = 19.62 (g = 9.81 m/s²), θ from the vertical in degrees × 3.14286 / 180 (3.14286 for π); "
                       "l/s = the m³/s figure shown × 1000"));
}

void frmQvOpen::txtTrAn_Change() { CalcTrap(); }
void frmQvOpen::txtTrHeight_Change() { CalcTrap(); }
void frmQvOpen::txtTrWidth_Change() { CalcTrap(); }
