// Trapezoidal notch: discharge from head, crest width and side angle.
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/trapezoidal_notch.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcTrap()
{
    const std::string angle = txtTrAn->text().toStdString();
    const std::string head = txtTrHeight->text().toStdString();
    const std::string width = txtTrWidth->text().toStdString();
    markReading({{txtTrAn, angle}, {txtTrHeight, head}, {txtTrWidth, width}});
    if (!emptyTextGuardPasses({angle, head, width})) return keepEarlier({lblTCumec, lblTLiter});

    const auto Q = trapezoidalFlow(Val(angle), Val(head), Val(width));
    if (!Q || !showReadBackFlow(lblTCumec, lblTLiter, *Q)) return keepEarlier({lblTCumec, lblTLiter});
    markFigures({lblTCumec, lblTLiter}, trapezoidalRangeNote(Val(angle), Val(head), Val(width)));
}

void frmQvOpen::txtTrAn_Change() { CalcTrap(); }
void frmQvOpen::txtTrHeight_Change() { CalcTrap(); }
void frmQvOpen::txtTrWidth_Change() { CalcTrap(); }
