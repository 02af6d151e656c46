#include "form/frmQvOpen.h"

#include "toolkit/AniPushButton.h"
#include "form/accessibility.h"
#include "form/catalogue.h"
#include "toolkit/controls.h"
#include "toolkit/screen.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The regional date and time separators, taken from the locale's short formats:
// the first character a person sees between the fields. Invisible format
// characters are skipped (Arabic formats put a right-to-left mark before each "/").
QChar separatorIn(const QString &format)
{
    bool inQuote = false;
    for (QChar c : format) {
        if (c == u'\'') { inQuote = !inQuote; continue; }
        if (!inQuote && !c.isLetter() && !c.isSpace() && c.category() != QChar::Other_Format) return c;
    }
    return QChar();
}

} // namespace

template <class T> void frmQvOpen::find(T *&control, const char *name) const
{
    control = qobject_cast<T *>(m_controls.value(QLatin1String(name)));
    if (!control) qFatal("frmQvOpen: the catalogue has no %s named %s", T::staticMetaObject.className(), name);
}

frmQvOpen::frmQvOpen(QWidget *parent)
    : QWidget(parent)
    , m_controls(buildForm(this))
    , End([] { QCoreApplication::exit(0); })
    , Now([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("frmQvOpen"));
    find(fraInput, "fraInput"); find(fraOutput, "fraOutput"); find(fraKs, "fraKs"); find(fraFM, "fraFM");
    find(fraSO, "fraSO"); find(fraWeir, "fraWeir"); find(fraWRec, "fraWRec"); find(fraWeirTrap, "fraWeirTrap");
    find(fraWeirV, "fraWeirV"); find(txtQT, "txtQT"); find(txtLOP, "txtLOP"); find(txtDOP, "txtDOP");
    find(txtSOH, "txtSOH"); find(txtSODia, "txtSODia"); find(txtRecHeight, "txtRecHeight");
    find(txtRecWidth, "txtRecWidth"); find(txtTrHeight, "txtTrHeight"); find(txtTrAn, "txtTrAn");
    find(txtTrWidth, "txtTrWidth"); find(txtVHeight, "txtVHeight"); find(txtVAn, "txtVAn"); find(comE1, "comE1");
    find(comROE, "comROE"); find(lblPipeV, "lblPipeV"); find(lblPipeHL, "lblPipeHL"); find(lblCumec, "lblCumec");
    find(lblLiter, "lblLiter"); find(lblRecCumec, "lblRecCumec"); find(lblRecLiter, "lblRecLiter");
    find(lblTCumec, "lblTCumec"); find(lblTLiter, "lblTLiter"); find(lblVCumec, "lblVCumec");
    find(lblVLiter, "lblVLiter"); find(lblTime, "lblTime"); find(Label4, "Label4"); find(cmdDWAB1, "cmdDWAB1");
    find(cmdDWAB2, "cmdDWAB2"); find(cmdDrop7, "cmdDrop7"); find(cmdSOSE, "cmdSOSE"); find(cmdSOBRU, "cmdSOBRU");
    find(cmdSOBRF, "cmdSOBRF"); find(cmdSOR, "cmdSOR"); find(cmdWRec, "cmdWRec"); find(cmdWeirTrap, "cmdWeirTrap");
    find(cmdWeirV, "cmdWeirV"); find(cmdCon, "cmdCon"); find(cmdCon1, "cmdCon1"); find(cmdCon2, "cmdCon2");
    find(AniPushButton1, "AniPushButton1"); find(AniPushButton2, "AniPushButton2");
    find(AniPushButton3, "AniPushButton3"); find(AniPushButton4, "AniPushButton4"); find(picButtons, "picButtons");
    find(imgLogo, "imgLogo(0)");

    wireEvents();

    // Closing a sub-page leaves the focus on the button that opens it again.
    fraSO->setFocusHeir(AniPushButton1);
    fraWeir->setFocusHeir(AniPushButton3);

    // At start no control has the focus: typing goes nowhere until a page is
    // opened. The form holds it itself without being reachable by Tab.
    setFocusPolicy(Qt::NoFocus);
    setFocus();

    applyAccessibleNames(this);

    // The figures can be selected and copied into a report.
    for (Label *result : {lblPipeV, lblPipeHL, lblCumec, lblLiter, lblRecCumec, lblRecLiter, lblTCumec, lblTLiter,
                          lblVCumec, lblVLiter})
        result->setCopyable();
}

frmQvOpen::~frmQvOpen()
{
    // Nothing of the program runs once it is being torn down.
    for (QWidget *w : std::as_const(m_controls)) w->disconnect(this);
}

void frmQvOpen::wireEvents()
{
    // Change: a keystroke, or a text assigned from code, raised synchronously once.
    connect(txtQT, &QLineEdit::textChanged, this, &frmQvOpen::txtQT_Change);
    connect(txtLOP, &QLineEdit::textChanged, this, &frmQvOpen::txtLOP_Change);
    connect(txtDOP, &QLineEdit::textChanged, this, &frmQvOpen::txtDOP_Change);
    connect(comE1, &QComboBox::editTextChanged, this, &frmQvOpen::comE1_Change);
    connect(comE1, &QComboBox::activated, this, &frmQvOpen::comE1_Click);
    auto *comE1Focus = new FocusWatcher(comE1, this);
    connect(comE1Focus, &FocusWatcher::gotFocus, this, &frmQvOpen::comE1_GotFocus);
    connect(comE1Focus, &FocusWatcher::lostFocus, this, &frmQvOpen::comE1_LostFocus);

    connect(txtSODia, &QLineEdit::textChanged, this, &frmQvOpen::txtSODia_Change);
    connect(txtSOH, &QLineEdit::textChanged, this, &frmQvOpen::txtSOH_Change);
    connect(txtRecHeight, &QLineEdit::textChanged, this, &frmQvOpen::txtRecHeight_Change);
    connect(txtRecWidth, &QLineEdit::textChanged, this, &frmQvOpen::txtRecWidth_Change);
    connect(txtTrAn, &QLineEdit::textChanged, this, &frmQvOpen::txtTrAn_Change);
    connect(txtTrHeight, &QLineEdit::textChanged, this, &frmQvOpen::txtTrHeight_Change);
    connect(txtTrWidth, &QLineEdit::textChanged, this, &frmQvOpen::txtTrWidth_Change);
    connect(txtVAn, &QLineEdit::textChanged, this, &frmQvOpen::txtVAn_Change);
    connect(txtVHeight, &QLineEdit::textChanged, this, &frmQvOpen::txtVHeight_Change);

    // Click: one event per press.
    const std::pair<AniPushButton *, void (frmQvOpen::*)()> clicks[] = {
        {cmdDWAB2, &frmQvOpen::cmdDWAB2_Click},       {cmdDWAB1, &frmQvOpen::cmdDWAB1_Click},
        {cmdDrop7, &frmQvOpen::cmdDrop7_Click},       {AniPushButton1, &frmQvOpen::AniPushButton1_Click},
        {AniPushButton2, &frmQvOpen::AniPushButton2_Click}, {AniPushButton3, &frmQvOpen::AniPushButton3_Click},
        {AniPushButton4, &frmQvOpen::AniPushButton4_Click}, {cmdSOSE, &frmQvOpen::cmdSOSE_Click},
        {cmdSOR, &frmQvOpen::cmdSOR_Click},           {cmdSOBRF, &frmQvOpen::cmdSOBRF_Click},
        {cmdSOBRU, &frmQvOpen::cmdSOBRU_Click},       {cmdWRec, &frmQvOpen::cmdWRec_Click},
        {cmdWeirTrap, &frmQvOpen::cmdWeirTrap_Click}, {cmdWeirV, &frmQvOpen::cmdWeirV_Click},
        {cmdCon, &frmQvOpen::cmdCon_Click},           {cmdCon1, &frmQvOpen::cmdCon1_Click},
        {cmdCon2, &frmQvOpen::cmdCon2_Click},
    };
    for (auto [button, handler] : clicks)
        connect(button, &QAbstractButton::clicked, this, handler);

    imgLogo->setMouseTracking(true);
    connect(imgLogo, &ImageBox::mouseMoved, this, &frmQvOpen::imgLogo_MouseMove);
    connect(picButtons, &PictureBox::mouseMoved, this, &frmQvOpen::picButtons_MouseMove);
}

void frmQvOpen::Form_Load()
{
    setScreenMousePointer(vbHourglass);

    // "dd/mm/yyyy hh:nn" with the user's own date and time separators.
    const QLocale locale;
    QChar dateSep = separatorIn(locale.dateFormat(QLocale::ShortFormat));
    QChar timeSep = separatorIn(locale.timeFormat(QLocale::ShortFormat));
    if (dateSep.isNull()) dateSep = u'/';
    if (timeSep.isNull()) timeSep = u':';
    const QDateTime now = Now();
    const QString format = QStringLiteral("dd'%1'MM'%1'yyyy HH'%2'mm").arg(dateSep, timeSep);
    lblTime->setTextFitted(QLocale::c().toString(now, format));

    FillE1();
    FillROE();

    setScreenMousePointer(vbDefault);
}

bool frmQvOpen::showFlow(Label *cumec, Label *liter, const std::optional<FlowCaptions> &pair)
{
    if (!pair) return false;
    cumec->setTextFitted(QString::fromStdString(pair->cumec));
    liter->setTextFitted(QString::fromStdString(pair->liter));
    return true;
}
