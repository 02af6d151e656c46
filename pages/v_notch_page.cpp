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
    if (!emptyTextGuardPasses({angle, head})) return;

    const auto Q = vNotchFlow(Val(angle), Val(head));
    if (Q) showFlow(lblVCumec, lblVLiter, readBackPair(*Q));
}

void frmQvOpen::txtVAn_Change() { CalcV(); }
void frmQvOpen::txtVHeight_Change() { CalcV(); }
