// Page navigation: handlers that only show and hide frames. Each sets the flags
// absolutely; the current page is nothing but the set of visible frames.
#include "form/frmQvOpen.h"

#include "toolkit/controls.h"

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

void frmQvOpen::cmdDrop7_Click()
{
    End();
}

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

void frmQvOpen::AniPushButton4_Click()
{
    fraSO->setVisible(false);
}

void frmQvOpen::AniPushButton2_Click()
{
    fraWeir->setVisible(false);
    fraSO->setVisible(false);
}

void frmQvOpen::imgLogo_MouseMove()
{
    Label4->setVisible(true);
}

void frmQvOpen::picButtons_MouseMove()
{
    Label4->setVisible(false);
}
