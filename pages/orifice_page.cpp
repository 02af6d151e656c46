// Small orifices: discharge for the chosen kind at every edit and every kind press.
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/orifice.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcSO()
{
    const std::string dia = txtSODia->text().toStdString();
    const std::string head = txtSOH->text().toStdString();
    markReading({{txtSODia, dia}, {txtSOH, head}});
    if (!thresholdGuardPasses({dia, head})) return keepEarlier({lblCumec, lblLiter});
    const auto Q = orificeFlow(Val(dia), Val(head), SOKind);
    // l/s from the unrounded discharge, not from the m³/s text.
    if (!Q || !showFlow(lblCumec, lblLiter, directPair(*Q))) return keepEarlier({lblCumec, lblLiter});
    markFigures({lblCumec, lblLiter}, orificeRangeNote(Val(dia), Val(head)));

    const std::pair<AniPushButton *, OrificeKind> kinds[] = {
        {cmdSOSE, OrificeKind::SharpEdged},
        {cmdSOR, OrificeKind::Rounded},
        {cmdSOBRF, OrificeKind::BordaRunningFree},
        {cmdSOBRU, OrificeKind::BordaRunningFull},
    };
    for (auto [button, kind] : kinds) button->markChosen(kind == SOKind);
}

// A kind button chooses its kind and recomputes, whatever the boxes hold.
void frmQvOpen::chooseOrifice(OrificeKind kind)
{
    SOKind = kind;
    CalcSO();
}

void frmQvOpen::cmdSOSE_Click() { chooseOrifice(OrificeKind::SharpEdged); }
void frmQvOpen::cmdSOR_Click() { chooseOrifice(OrificeKind::Rounded); }
void frmQvOpen::cmdSOBRF_Click() { chooseOrifice(OrificeKind::BordaRunningFree); }
void frmQvOpen::cmdSOBRU_Click() { chooseOrifice(OrificeKind::BordaRunningFull); }
void frmQvOpen::txtSODia_Change() { CalcSO(); }
void frmQvOpen::txtSOH_Change() { CalcSO(); }
