// Page navigation: handlers that show and hide frames, and the notch selectors,
// which also empty the notch they show. Each sets the flags absolutely; the
// current page is nothing but the set of visible frames.
#include "form/calculation_sheet.h"
#include "form/frmQvOpen.h"
#include "toolkit/controls.h"

#include <array>

void frmQvOpen::cmdDWAB2_Click()
{
    fraFM->setVisible(false);
    fraInput->setVisible(true);
    txtQT->setFocus();
}

void frmQvOpen::cmdDWAB1_Click()
{
    fraInput->setVisible(false);
    fraFM->setVisible(true);
}

void frmQvOpen::cmdDrop7_Click() { End(); }

void frmQvOpen::AniPushButton1_Click()
{
    fraWeir->setVisible(false);
    fraSO->setVisible(true);
    SOKind = OrificeKind::SharpEdged;
    lblCumec->setTextFitted(QString());
    lblLiter->setTextFitted(QString());
}

void frmQvOpen::AniPushButton3_Click()
{
    fraSO->setVisible(false);
    fraWeir->setVisible(true);
}

void frmQvOpen::AniPushButton4_Click() { fraSO->setVisible(false); }

void frmQvOpen::AniPushButton2_Click()
{
    fraWeir->setVisible(false);
    fraSO->setVisible(false);
}

void frmQvOpen::imgLogo_MouseMove() { Label4->setVisible(true); }

void frmQvOpen::picButtons_MouseMove() { Label4->setVisible(false); }

// The notch selector family: show one notch frame and hide the other two (in the
// order given), empty its boxes and results (each emptied box raises its Change,
// which stops at the empty-text guard), and put the cursor in its head box.
static void showNotchPage(std::initializer_list<std::pair<Frame *, bool>> frames,
    std::initializer_list<TextBox *> boxes, std::initializer_list<Label *> results, TextBox *head)
{
    for (auto [frame, shown] : frames) frame->setVisible(shown);
    for (TextBox *box : boxes) box->setText(QString());
    for (Label *result : results) result->setTextFitted(QString());
    head->setFocus();
}

void frmQvOpen::cmdWRec_Click()
{
    showNotchPage({{fraWRec, true}, {fraWeirV, false}, {fraWeirTrap, false}}, {txtRecHeight, txtRecWidth},
        {lblRecCumec, lblRecLiter}, txtRecHeight);
    RecContraction = Contraction::Suppressed;
}

void frmQvOpen::cmdWeirTrap_Click()
{
    showNotchPage({{fraWRec, false}, {fraWeirV, false}, {fraWeirTrap, true}}, {txtTrHeight, txtTrAn, txtTrWidth},
        {lblTCumec, lblTLiter}, txtTrHeight);
}

void frmQvOpen::cmdWeirV_Click()
{
    showNotchPage({{fraWRec, false}, {fraWeirTrap, false}, {fraWeirV, true}}, {txtVHeight, txtVAn},
        {lblVCumec, lblVLiter}, txtVHeight);
}

// The calculator pages by their frames (the first the one shown), and the sheet
// of each. The page that holds `from` is copied, else the one shown; on the
// start screen and the menus of the flow-measurement page there is none.
void frmQvOpen::copyCalculation(const QWidget *from)
{
    const std::pair<std::array<const Frame *, 3>, CalculationSheet (frmQvOpen::*)() const> pages[] = {
        {{fraInput, fraOutput, fraKs}, &frmQvOpen::SheetPipe},
        {{fraSO}, &frmQvOpen::SheetSO},
        {{fraWRec}, &frmQvOpen::SheetRec},
        {{fraWeirTrap}, &frmQvOpen::SheetTrap},
        {{fraWeirV}, &frmQvOpen::SheetV},
    };
    for (const auto &[frames, sheet] : pages)
        for (const Frame *frame : frames)
            if (frame && frame->isVisible() && from && frame->isAncestorOf(from)) return copySheet((this->*sheet)());
    for (const auto &[frames, sheet] : pages)
        if (frames[0]->isVisible()) return copySheet((this->*sheet)());
}
