// Rectangular notch under three end-contraction conditions.
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/rectangular_notch.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcRec()
{
    const std::string width = txtRecWidth->text().toStdString();
    const std::string head = txtRecHeight->text().toStdString();
    markReading({{txtRecWidth, width}, {txtRecHeight, head}});
    if (!emptyTextGuardPasses({width, head})) return keepEarlier({lblRecCumec, lblRecLiter});

    const RectangularResult r = rectangularFlow(Val(head), Val(width), RecContraction);
    if (r.outcome == RectangularResult::WidthTooSmall) {
        // Emptying the boxes raises their Change, which re-enters here and stops
        // at the empty-text guard.
        txtRecHeight->setText(QString());
        txtRecWidth->setText(QString());
        return;
    }
    if (r.outcome != RectangularResult::Flow || !showReadBackFlow(lblRecCumec, lblRecLiter, r.discharge))
        return keepEarlier({lblRecCumec, lblRecLiter});
    markFigures({lblRecCumec, lblRecLiter}, rectangularRangeNote(Val(head), Val(width), RecContraction));

    // Only the caption colour marks the condition; the state flag is left alone.
    const std::pair<AniPushButton *, Contraction> conditions[] = {
        {cmdCon, Contraction::Suppressed},
        {cmdCon1, Contraction::OneSide},
        {cmdCon2, Contraction::Full},
    };
    for (auto [button, condition] : conditions) button->setForeColor(condition == RecContraction ? vbBlue : vbBlack);
}

// A condition button chooses its condition and recomputes.
void frmQvOpen::chooseContraction(Contraction condition)
{
    RecContraction = condition;
    CalcRec();
}

void frmQvOpen::cmdCon_Click() { chooseContraction(Contraction::Suppressed); }
void frmQvOpen::cmdCon1_Click() { chooseContraction(Contraction::OneSide); }
void frmQvOpen::cmdCon2_Click() { chooseContraction(Contraction::Full); }
void frmQvOpen::txtRecHeight_Change() { CalcRec(); }
void frmQvOpen::txtRecWidth_Change() { CalcRec(); }
