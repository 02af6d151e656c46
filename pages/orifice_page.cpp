// Small orifices: discharge for the chosen kind at every edit and every kind press.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/orifice.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

namespace {
// Each kind, in the order of its button, with its words on the calculation sheet
// and its coefficient as the page holds it.
struct KindWords {
    OrificeKind kind;
    const char *name, *coefficient; // Cd, and Cd x 3.142
};
constexpr KindWords Kinds[] = {
    {OrificeKind::SharpEdged, "sharp-edged", "Cd = 0.62 (Cd × 3.142 = 1.94804)"},
    {OrificeKind::Rounded, "rounded", "Cd = 0.97 (Cd × 3.142 = 3.04774)"},
    {OrificeKind::BordaRunningFree, "Borda, running free", "Cd = 0.5 (Cd × 3.142 = 1.571)"},
    {OrificeKind::BordaRunningFull, "Borda, running full", "Cd = 0.75 (Cd × 3.142 = 2.3565)"},
};
} // namespace

void frmQvOpen::CalcSO()
{
    const std::string dia = readBox(txtSODia), head = readBox(txtSOH);
    if (!thresholdGuardPasses({dia, head})) return keepEarlier({lblCumec, lblLiter});
    const auto Q = orificeFlow(Val(dia), Val(head), SOKind);
    // l/s from the unrounded discharge, not from the m³/s text.
    if (!Q || !showFlow(lblCumec, lblLiter, directPair(*Q))) return keepEarlier({lblCumec, lblLiter});
    markFigures({lblCumec, lblLiter}, orificeRangeNote(Val(dia), Val(head)));

    AniPushButton *const buttons[] = {cmdSOSE, cmdSOR, cmdSOBRF, cmdSOBRU}; // in the order of Kinds
    for (int i = 0; i < 4; ++i) buttons[i]->markChosen(Kinds[i].kind == SOKind);
}

// The figures belong to the kind marked; with no figure the sheet names the kind
// chosen, which the next figure will be for.
CalculationSheet frmQvOpen::SheetSO() const
{
    CalculationSheet sheet = startSheet(fraSO, {txtSODia, txtSOH}, {lblCumec, lblLiter}, Now());
    const AniPushButton *const buttons[] = {cmdSOSE, cmdSOR, cmdSOBRF, cmdSOBRU}; // in the order of Kinds
    const KindWords *shown = nullptr;
    for (int i = 0; i < 4; ++i)
        if (sheet.figures.isEmpty() ? Kinds[i].kind == SOKind : buttons[i]->value()) shown = &Kinds[i];
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
