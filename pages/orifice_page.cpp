// Small orifices: discharge for the chosen kind at every edit and every kind press.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/orifice.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

void frmQvOpen::CalcSO()
{
    const std::string dia = readBox(txtSODia), head = readBox(txtSOH);
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

// The figures belong to the kind marked; with no figure the sheet names the kind
// chosen, which the next figure will be for.
CalculationSheet frmQvOpen::SheetSO() const
{
    CalculationSheet sheet = startSheet(fraSO, {txtSODia, txtSOH}, {lblCumec, lblLiter}, Now());
    struct Kind {
        AniPushButton *button;
        OrificeKind kind;
        const char *name, *coefficient; // Cd, and Cd x 3.142 as the page holds it
    };
    const Kind kinds[] = {
        {cmdSOSE, OrificeKind::SharpEdged, "sharp-edged", "Cd = 0.62 (Cd × 3.142 = 1.94804)"},
        {cmdSOR, OrificeKind::Rounded, "rounded", "Cd = 0.97 (Cd × 3.142 = 3.04774)"},
        {cmdSOBRF, OrificeKind::BordaRunningFree, "Borda, running free", "Cd = 0.5 (Cd × 3.142 = 1.571)"},
        {cmdSOBRU, OrificeKind::BordaRunningFull, "Borda, running full", "Cd = 0.75 (Cd × 3.142 = 2.3565)"},
    };
    const Kind *shown = nullptr;
    for (const Kind &k : kinds)
        if (sheet.figures.isEmpty() ? k.kind == SOKind : k.button->value()) shown = &k;
    if (shown) sheet.inputs << SheetRow{QStringLiteral("Kind of orifice"), QString::fromUtf8(shown->name), {}, {}};
    sheet.method = QStringLiteral("Q = Cd × 3.142 d² / 4 × √(19.62 H), 19.62 = 2 × 9.81 m/s², ")
        + (shown ? QString::fromUtf8(shown->coefficient) : QStringLiteral("no kind chosen"))
        + QStringLiteral("; l/s = Q × 1000 before rounding");
    return sheet;
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
