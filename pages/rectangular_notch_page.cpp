// Rectangular notch under three end-contraction conditions, and the selector
// buttons that show one of the three notch frames.
#include "frmQvOpen.h"

#include "AniPushButton.h"
#include "controls.h"
#include "guards.h"
#include "numbers.h"

namespace {
constexpr quint32 Blue = 0xFF0000; // 0x00BBGGRR
constexpr quint32 Black = 0;
} // namespace

void frmQvOpen::cmdWRec_Click()
{
    fraWRec->setVisible(true);
    fraWeirV->setVisible(false);
    fraWeirTrap->setVisible(false);
    txtRecHeight->setText(QString());
    txtRecWidth->setText(QString());
    lblRecCumec->setCaption(QString());
    lblRecLiter->setCaption(QString());
    txtRecHeight->setFocus();
    RecContraction = 0;
}

void frmQvOpen::cmdWeirTrap_Click()
{
    fraWRec->setVisible(false);
    fraWeirV->setVisible(false);
    fraWeirTrap->setVisible(true);
    txtTrHeight->setText(QString());
    txtTrAn->setText(QString());
    txtTrWidth->setText(QString());
    lblTCumec->setCaption(QString());
    lblTLiter->setCaption(QString());
    txtTrHeight->setFocus();
}

void frmQvOpen::cmdWeirV_Click()
{
    fraWRec->setVisible(false);
    fraWeirTrap->setVisible(false);
    fraWeirV->setVisible(true);
    txtVHeight->setText(QString());
    txtVAn->setText(QString());
    lblVCumec->setCaption(QString());
    lblVLiter->setCaption(QString());
    txtVHeight->setFocus();
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
    const auto captions = readBackPair(r.discharge);
    if (!captions) return;

    lblRecCumec->setCaption(QString::fromStdString(captions->cumec));
    lblRecLiter->setCaption(QString::fromStdString(captions->liter));
    AniPushButton *const conditions[] = {cmdCon, cmdCon1, cmdCon2};
    for (int i = 0; i < 3; ++i)
        conditions[i]->setForeColor(RecContraction == i ? Blue : Black);
}

void frmQvOpen::cmdCon_Click() { RecContraction = 0; CalcRec(); }
void frmQvOpen::cmdCon1_Click() { RecContraction = 1; CalcRec(); }
void frmQvOpen::cmdCon2_Click() { RecContraction = 2; CalcRec(); }
void frmQvOpen::txtRecHeight_Change() { CalcRec(); }
void frmQvOpen::txtRecWidth_Change() { CalcRec(); }
