// Rectangular notch under three end-contraction conditions.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "form/guards.h"
#include "form/numbers.h"
#include "pages/rectangular_notch.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"

namespace {
// Each condition, in the order of its button, with its words on the calculation sheet.
constexpr std::pair<Contraction, const char *> Conditions[] = {
    {Contraction::Suppressed, "contractions fully suppressed"},
    {Contraction::OneSide, "one side contraction"},
    {Contraction::Full, "fully contracted"},
};
} // namespace

void frmQvOpen::CalcRec()
{
    const std::string width = readBox(txtRecWidth), head = readBox(txtRecHeight);
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
    AniPushButton *const buttons[] = {cmdCon, cmdCon1, cmdCon2}; // in the order of Conditions
    for (int i = 0; i < 3; ++i) buttons[i]->setForeColor(Conditions[i].first == RecContraction ? vbBlue : vbBlack);
}

// The figures belong to the condition marked blue; with no figure the sheet
// names the condition chosen, which the next figure will be for.
CalculationSheet frmQvOpen::SheetRec() const
{
    CalculationSheet sheet = startSheet(fraWRec, {txtRecHeight, txtRecWidth}, {lblRecCumec, lblRecLiter}, Now());
    const AniPushButton *const buttons[] = {cmdCon, cmdCon1, cmdCon2}; // in the order of Conditions
    for (int i = 0; i < 3; ++i)
        if (const auto [condition, name] = Conditions[i];
            sheet.figures.isEmpty() ? condition == RecContraction : buttons[i]->foreColor() == vbBlue) {
            const int n = int(condition); // the number of end contractions
            sheet.inputs << SheetRow{
                QStringLiteral("End contractions"), QString::number(n), {}, QString::fromUtf8(name)};
            sheet.method = QStringLiteral("Francis, Q = 1.84 (L − 0.1 n H) H^1.5 with n = %1; ").arg(n);
        }
    sheet.method += QStringLiteral("l/s = the m³/s figure shown × 1000");
    return sheet;
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
