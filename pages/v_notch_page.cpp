// V-notch: discharge from included angle and head.
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/v_notch.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcV()
{
    const std::string angle = txtVAn->text().toStdString();
    const std::string head = txtVHeight->text().toStdString();
    markReading({{txtVAn, angle}, {txtVHeight, head}});
    if (!emptyTextGuardPasses({angle, head})) return keepEarlier({lblVCumec, lblVLiter});

    const auto Q = vNotchFlow(Val(angle), Val(head));
    if (!Q || !showReadBackFlow(lblVCumec, lblVLiter, *Q)) return keepEarlier({lblVCumec, lblVLiter});
    markFigures({lblVCumec, lblVLiter}, vNotchRangeNote(Val(angle), Val(head)));
}

void frmQvOpen::txtVAn_Change() { CalcV(); }
void frmQvOpen::txtVHeight_Change() { CalcV(); }
