#include "frmQvOpen.h"

#include "AniPushButton.h"
#include "accessibility.h"
#include "catalogue.h"
#include "controls.h"
#include "screen.h"
#include "twips.h"

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

frmQvOpen::frmQvOpen(QWidget *parent)
    : QWidget(parent)
    , End([] { QCoreApplication::exit(0); })
    , Now([] { return QDateTime::currentDateTime(); })
{
    Q_INIT_RESOURCE(assets); // the artwork lives in a static library
    setObjectName(QStringLiteral("frmQvOpen"));
    setWindowTitle(QStringLiteral("Pipeline quorvel"));
    setWindowIcon(QIcon(QStringLiteral(":/icon_form.png")));
    setFont(catalogueFont({"Arial", 9.75, true}));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    setMinimumSize(twipsToPixels(12015), twipsToPixels(8415));

    m_controls = buildControls(this);
#define BIND(name) name = qobject_cast<std::remove_pointer_t<decltype(name)> *>(m_controls.value(QStringLiteral(#name)))
    BIND(fraInput); BIND(fraOutput); BIND(fraKs); BIND(fraFM); BIND(fraSO); BIND(fraWeir);
    BIND(fraWRec); BIND(fraWeirTrap); BIND(fraWeirV);
    BIND(txtQT); BIND(txtLOP); BIND(txtDOP); BIND(txtSOH); BIND(txtSODia); BIND(txtRecHeight);
    BIND(txtRecWidth); BIND(txtTrHeight); BIND(txtTrAn); BIND(txtTrWidth); BIND(txtVHeight); BIND(txtVAn);
    BIND(comE1); BIND(comROE);
    BIND(lblPipeV); BIND(lblPipeHL); BIND(lblCumec); BIND(lblLiter); BIND(lblRecCumec);
    BIND(lblRecLiter); BIND(lblTCumec); BIND(lblTLiter); BIND(lblVCumec); BIND(lblVLiter);
    BIND(lblTime); BIND(Label4);
    BIND(cmdDWAB1); BIND(cmdDWAB2); BIND(cmdDrop7); BIND(cmdSOSE); BIND(cmdSOBRU); BIND(cmdSOBRF);
    BIND(cmdSOR); BIND(cmdWRec); BIND(cmdWeirTrap); BIND(cmdWeirV); BIND(cmdCon); BIND(cmdCon1);
    BIND(cmdCon2); BIND(AniPushButton1); BIND(AniPushButton2); BIND(AniPushButton3); BIND(AniPushButton4);
    BIND(picButtons);
#undef BIND
    imgLogo = qobject_cast<ImageBox *>(m_controls.value(QStringLiteral("imgLogo(0)")));
    imgLogo->setMouseTracking(true);

    wireEvents();

    // Closing a sub-page leaves the focus on the button that opens it again.
    fraSO->setFocusHeir(AniPushButton1);
    fraWeir->setFocusHeir(AniPushButton3);

    // At start no control has the focus: typing goes nowhere until a page is
    // opened. The form holds it itself without being reachable by Tab.
    setFocusPolicy(Qt::NoFocus);
    setFocus();

    applyAccessibleNames(this);
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
    lblTime->setCaption(QLocale::c().toString(now, format));

    FillE1();
    FillROE();

    setScreenMousePointer(vbDefault);
}
