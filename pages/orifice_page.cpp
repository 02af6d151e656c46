// Small orifices: discharge for the chosen kind at every edit and every kind press.
#include "frmQvOpen.h"

#include "AniPushButton.h"
#include "controls.h"
#include "guards.h"
#include "numbers.h"

namespace {
constexpr quint32 Blue = 0xFF0000; // 0x00BBGGRR
constexpr quint32 Black = 0;
} // namespace

void frmQvOpen::CalcSO()
{
    const std::string dia = txtSODia->text().toStdString();
    const std::string head = txtSOH->text().toStdString();
    if (!thresholdGuardPasses({dia, head})) return;
    const auto Q = orificeFlow(Val(dia), Val(head), SOKind);
    if (!Q) return;
    // l/s from the unrounded discharge, not from the m³/s text.
    const auto captions = directPair(*Q);
    if (!captions) return;

    SOFlowCumec = *Q;
    lblCumec->setCaption(QString::fromStdString(captions->cumec));
    SOFlowLiter = SOFlowCumec.toDouble() * 1000;
    lblLiter->setCaption(QString::fromStdString(captions->liter));

    AniPushButton *const kinds[] = {cmdSOSE, cmdSOR, cmdSOBRF, cmdSOBRU};
    for (int i = 0; i < 4; ++i) {
        const bool chosen = SOKind == i + 1;
        kinds[i]->setForeColor(chosen ? Blue : Black);
        kinds[i]->setValue(chosen);
    }
}

void frmQvOpen::cmdSOSE_Click() { SOKind = 1; CalcSO(); }
void frmQvOpen::cmdSOR_Click() { SOKind = 2; CalcSO(); }
void frmQvOpen::cmdSOBRF_Click() { SOKind = 3; CalcSO(); }
void frmQvOpen::cmdSOBRU_Click() { SOKind = 4; CalcSO(); }
void frmQvOpen::txtSODia_Change() { CalcSO(); }
void frmQvOpen::txtSOH_Change() { CalcSO(); }
