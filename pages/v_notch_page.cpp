// V-notch: discharge from included angle and head.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/v_notch.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcV()
{
    const std::string angle = readBox(txtVAn), head = readBox(txtVHeight);
    if (!emptyTextGuardPasses({angle, head})) return keepEarlier({lblVCumec, lblVLiter});

    const auto Q = vNotchFlow(Val(angle), Val(head));
    if (!Q || !showReadBackFlow(lblVCumec, lblVLiter, *Q)) return keepEarlier({lblVCumec, lblVLiter});
    markFigures({lblVCumec, lblVLiter}, vNotchRangeNote(Val(angle), Val(head)));
}

CalculationSheet frmQvOpen::SheetV() const
{
    return startSheet(fraWeirV, {txtVHeight, txtVAn}, {lblVCumec, lblVLiter}, Now(),
        QStringLiteral("Q = (8/15) Cd √(2g) tan(θ/2) H^2.5, Cd = 0.62 (held as 4.96 / 15 for (8/15) Cd), 2g = 19.62 "
                       "(g = 9.81 m/s²), θ in degrees × 3.14286 / 180 (3.14286 for π); l/s = the m³/s figure shown "
                       "× 1000"));
}

void frmQvOpen::txtVAn_Change() { CalcV(); }
void frmQvOpen::txtVHeight_Change() { CalcV(); }
