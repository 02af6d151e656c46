// Rectangular notch under three end-contraction conditions, and the selector
// buttons that show one of the three notch frames.
#include "form/frmQvOpen.h"

#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"
#include "form/guards.h"
#include "form/numbers.h"

// The notch selector family: show one notch frame and hide the other two (in the
// order given), empty its boxes and results (each emptied box raises its Change,
// which stops at the empty-text guard), and put the cursor in its head box.
static void showNotchPage(std::initializer_list<std::pair<Frame *, bool>> frames,
                          std::initializer_list<TextBox *> boxes,
                          std::initializer_list<Label *> results, TextBox *head)
{
    for (auto [frame, shown] : frames) frame->setVisible(shown);
    for (TextBox *box : boxes) box->setText(QString());
    for (Label *result : results) result->setTextFitted(QString());
    head->setFocus();
}

void frmQvOpen::cmdWRec_Click()
{
    showNotchPage({{fraWRec, true}, {fraWeirV, false}, {fraWeirTrap, false}},
                  {txtRecHeight, txtRecWidth}, {lblRecCumec, lblRecLiter}, txtRecHeight);
    RecContraction = Contraction::Suppressed;
}

void frmQvOpen::cmdWeirTrap_Click()
{
    showNotchPage({{fraWRec, false}, {fraWeirV, false}, {fraWeirTrap, true}},
                  {txtTrHeight, txtTrAn, txtTrWidth}, {lblTCumec, lblTLiter}, txtTrHeight);
}

void frmQvOpen::cmdWeirV_Click()
{
    showNotchPage({{fraWRec, false}, {fraWeirTrap, false}, {fraWeirV, true}},
                  {txtVHeight, txtVAn}, {lblVCumec, lblVLiter}, txtVHeight);
}

void frmQvOpen::CalcRec()
{
    const std::string width = txtRecWidth->text().toStdString();
    const std::string head = txtRecHeight->text().toStdString();
    if (!emptyTextGuardPasses({width, head})) return;

    const RectangularResult r = rectangularFlow(Val(head), Val(width), RecContraction);
    if (r.outcome == RectangularResult::WidthTooSmall) {
        // Emptying the boxes raises their Change, which re-enters here and stops
        // at the empty-text guard.
        txtRecHeight->setText(QString());
        txtRecWidth->setText(QString());
        return;
    }
    if (r.outcome != RectangularResult::Flow) return;
    if (!showFlow(lblRecCumec, lblRecLiter, readBackPair(r.discharge))) return;

    // Only the caption colour marks the condition; the state flag is left alone.
    AniPushButton *const conditions[] = {cmdCon, cmdCon1, cmdCon2};
    for (int i = 0; i < 3; ++i) conditions[i]->setForeColor(int(RecContraction) == i ? vbBlue : vbBlack);
}

void frmQvOpen::cmdCon_Click() { RecContraction = Contraction::Suppressed; CalcRec(); }
void frmQvOpen::cmdCon1_Click() { RecContraction = Contraction::OneSide; CalcRec(); }
void frmQvOpen::cmdCon2_Click() { RecContraction = Contraction::Full; CalcRec(); }
void frmQvOpen::txtRecHeight_Change() { CalcRec(); }
void frmQvOpen::txtRecWidth_Change() { CalcRec(); }
