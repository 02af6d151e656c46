// The calculator form: every control of every page, the handlers named after
// control and event, and the few form-level variables that carry a choice from
// one event to the next. The numbers themselves are computed by the Qt-free core.
#pragma once

#include "form/choices.h"
#include "form/numbers.h"

#include <QDateTime>
#include <QHash>
#include <QWidget>

#include <functional>

class AniPushButton;
struct CalculationSheet;
class ComboBox;
class Frame;
class ImageBox;
class Label;
class PictureBox;
class TextBox;

class frmQvOpen : public QWidget {
    Q_OBJECT

    // Every control of the catalogue, by name.
    QHash<QString, QWidget *> m_controls;

public:
    explicit frmQvOpen(QWidget *parent = nullptr);
    ~frmQvOpen() override;

    // Start-up (frmQvOpen.cpp)
    void Form_Load();

    // How the program ends, and the clock read at load; both can be replaced
    // (a test ends nothing and starts at a moment of its choosing).
    std::function<void()> End;
    std::function<QDateTime()> Now;

private:
    // Navigation (form/navigation.cpp)
    void cmdDWAB2_Click();
    void cmdDWAB1_Click();
    void cmdDrop7_Click();
    void AniPushButton1_Click();
    void AniPushButton2_Click();
    void AniPushButton3_Click();
    void AniPushButton4_Click();
    void imgLogo_MouseMove();
    void picButtons_MouseMove();
    void cmdWRec_Click();
    void cmdWeirTrap_Click();
    void cmdWeirV_Click();

    // Pipe page and its roughness lists (pages/pipe_page.cpp)
    void CalcPipe();
    void FillE1();
    void FillROE();
    void txtQT_Change();
    void txtLOP_Change();
    void txtDOP_Change();
    void comE1_Change();
    void comE1_Click();
    void comE1_GotFocus();
    void comE1_LostFocus();

    // Small orifices (pages/orifice_page.cpp)
    void CalcSO();
    void cmdSOSE_Click();
    void cmdSOR_Click();
    void cmdSOBRF_Click();
    void cmdSOBRU_Click();
    void txtSODia_Change();
    void txtSOH_Change();

    // Rectangular notch (pages/rectangular_notch_page.cpp)
    void CalcRec();
    void cmdCon_Click();
    void cmdCon1_Click();
    void cmdCon2_Click();
    void txtRecHeight_Change();
    void txtRecWidth_Change();

    // Trapezoidal notch (pages/trapezoidal_notch_page.cpp)
    void CalcTrap();
    void txtTrAn_Change();
    void txtTrHeight_Change();
    void txtTrWidth_Change();

    // V-notch (pages/v_notch_page.cpp)
    void CalcV();
    void txtVAn_Change();
    void txtVHeight_Change();

    // Copy calculation: the sheet of the page that holds `from` (the focus, or the
    // figure whose menu was opened), else of the calculator page shown, onto the
    // clipboard (form/navigation.cpp). Each page's sheet is built in its file.
    void copyCalculation(const QWidget *from);
    CalculationSheet SheetPipe() const;
    CalculationSheet SheetSO() const;
    CalculationSheet SheetRec() const;
    CalculationSheet SheetTrap() const;
    CalculationSheet SheetV() const;

    // Form-level state
    OrificeKind SOKind = OrificeKind::None;
    Contraction RecContraction = Contraction::Suppressed;
    // The Reynolds number of the pipe figures shown, for the calculation sheet.
    std::optional<double> PipeReynolds;

    // Controls the logic touches, bound by the table in frmQvOpen.cpp (all others
    // are found by their names).
    Frame *fraInput, *fraOutput, *fraKs, *fraFM, *fraSO, *fraWeir, *fraWRec, *fraWeirTrap, *fraWeirV;
    TextBox *txtQT, *txtLOP, *txtDOP, *txtSOH, *txtSODia, *txtRecHeight, *txtRecWidth, *txtTrHeight, *txtTrAn,
        *txtTrWidth, *txtVHeight, *txtVAn;
    ComboBox *comE1, *comROE;
    Label *lblPipeV, *lblPipeHL, *lblCumec, *lblLiter, *lblRecCumec, *lblRecLiter, *lblTCumec, *lblTLiter, *lblVCumec,
        *lblVLiter, *lblTime, *Label4;
    AniPushButton *cmdDWAB1, *cmdDWAB2, *cmdDrop7, *cmdSOSE, *cmdSOBRU, *cmdSOBRF, *cmdSOR, *cmdWRec, *cmdWeirTrap,
        *cmdWeirV, *cmdCon, *cmdCon1, *cmdCon2, *AniPushButton1, *AniPushButton2, *AniPushButton3, *AniPushButton4;
    PictureBox *picButtons;
    ImageBox *imgLogo;

    struct Bindings; // which member and handler each control is bound to

    void chooseOrifice(OrificeKind kind);
    void chooseContraction(Contraction condition);
    void wireRoughnessBox();
    // Writes a flow page's discharge, the m³/s caption first; false when there is
    // no pair to show (a figure would not be finite).
    static bool showFlow(Label *cumec, Label *liter, const std::optional<FlowCaptions> &pair);
    // The read-back pair of a notch page, its l/s figure saying how it was reached.
    static bool showReadBackFlow(Label *cumec, Label *liter, double q);

    // The cues of a recalculation: how each box of the page was read (a box's
    // text is read with its cue set); then either new figures, marked when their
    // inputs lie outside the method's range (`range` says which), or no figure
    // for the boxes shown, which marks the figures kept on screen as earlier ones.
    static std::string readBox(TextBox *box);
    static std::string readBox(ComboBox *box);
    static void markFigures(std::initializer_list<Label *> figures, const std::string &range);
    static void keepEarlier(std::initializer_list<Label *> figures);
};
