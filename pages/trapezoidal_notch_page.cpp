// Trapezoidal notch: discharge from head, crest width and side angle.
#include "frmQvOpen.h"

#include "controls.h"
#include "guards.h"
#include "numbers.h"
#include "trapezoidal_notch.h"

void frmQvOpen::CalcTrap()
{
    const std::string angle = txtTrAn->text().toStdString();
    const std::string head = txtTrHeight->text().toStdString();
    const std::string width = txtTrWidth->text().toStdString();
    if (!emptyTextGuardPasses({angle, head, width})) return;

    const auto Q = trapezoidalFlow(Val(angle), Val(head), Val(width));
    if (Q) showFlow(lblTCumec, lblTLiter, readBackPair(*Q));
}

void frmQvOpen::txtTrAn_Change() { CalcTrap(); }
void frmQvOpen::txtTrHeight_Change() { CalcTrap(); }
void frmQvOpen::txtTrWidth_Change() { CalcTrap(); }
