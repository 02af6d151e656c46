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


using Handler = void (frmQvOpen::*)();

// The one event of each kind of control that has a handler.
void connectEvent(frmQvOpen *form, TextBox *box, Handler handler)
{
    // Change: a keystroke, or a text assigned from code, raised synchronously once.
    QObject::connect(box, &QLineEdit::textChanged, form, handler);
}
void connectEvent(frmQvOpen *form, ComboBox *box, Handler handler)
{
    QObject::connect(box, &QComboBox::editTextChanged, form, handler);
}
void connectEvent(frmQvOpen *form, AniPushButton *button, Handler handler)
{
    // Click: one event per press.
    QObject::connect(button, &QAbstractButton::clicked, form, handler);
}
void connectEvent(frmQvOpen *form, ImageBox *image, Handler handler)
{
    image->setMouseTracking(true);
    QObject::connect(image, &ImageBox::mouseMoved, form, handler);
}
void connectEvent(frmQvOpen *form, PictureBox *picture, Handler handler)
{
    QObject::connect(picture, &PictureBox::mouseMoved, form, handler);
}

// One control the logic touches: its catalogue name, the member that points at
// it and, where it has one, the handler of its event.
class ControlRow {
public:
    template <class T>
    ControlRow(T *frmQvOpen::*member, const char *name)
        : m_name(name)
        , m_bind([member](frmQvOpen &form, QWidget *widget) { return bool(form.*member = qobject_cast<T *>(widget)); })
        , m_kind(T::staticMetaObject.className())
    {
    }
    template <class T>
    ControlRow(T *frmQvOpen::*member, const char *name, Handler handler)
        : m_name(name)
        , m_bind([member, handler](frmQvOpen &form, QWidget *widget) {
            T *control = qobject_cast<T *>(widget);
            if (control) connectEvent(&form, form.*member = control, handler);
            return control != nullptr;
        })
        , m_kind(T::staticMetaObject.className())
    {
    }

    // Points the member at the catalogue's control of that name and connects its
    // handler; a missing control, or one of another kind, stops the program at
    // once, naming it.
    void bind(frmQvOpen &form, const QHash<QString, QWidget *> &controls) const
    {
        if (!m_bind(form, controls.value(QLatin1String(m_name))))
            qFatal("frmQvOpen: the catalogue has no %s named %s", m_kind, m_name);
    }

private:
    const char *m_name;
    std::function<bool(frmQvOpen &, QWidget *)> m_bind;
    const char *m_kind;
};

using F = frmQvOpen;

const ControlRow controlRows[] = {
    {&F::fraInput, "fraInput"}, {&F::fraOutput, "fraOutput"}, {&F::fraKs, "fraKs"}, {&F::fraFM, "fraFM"},
    {&F::fraSO, "fraSO"}, {&F::fraWeir, "fraWeir"}, {&F::fraWRec, "fraWRec"}, {&F::fraWeirTrap, "fraWeirTrap"},
    {&F::fraWeirV, "fraWeirV"},
    {&F::txtQT, "txtQT", &F::txtQT_Change},
    {&F::txtLOP, "txtLOP", &F::txtLOP_Change},
    {&F::txtDOP, "txtDOP", &F::txtDOP_Change},
    {&F::comE1, "comE1", &F::comE1_Change},
    {&F::comROE, "comROE"},
    {&F::txtSODia, "txtSODia", &F::txtSODia_Change},
    {&F::txtSOH, "txtSOH", &F::txtSOH_Change},
    {&F::txtRecHeight, "txtRecHeight", &F::txtRecHeight_Change},
    {&F::txtRecWidth, "txtRecWidth", &F::txtRecWidth_Change},
    {&F::txtTrAn, "txtTrAn", &F::txtTrAn_Change},
    {&F::txtTrHeight, "txtTrHeight", &F::txtTrHeight_Change},
    {&F::txtTrWidth, "txtTrWidth", &F::txtTrWidth_Change},
    {&F::txtVAn, "txtVAn", &F::txtVAn_Change},
    {&F::txtVHeight, "txtVHeight", &F::txtVHeight_Change},
    {&F::lblPipeV, "lblPipeV"}, {&F::lblPipeHL, "lblPipeHL"}, {&F::lblCumec, "lblCumec"}, {&F::lblLiter, "lblLiter"},
    {&F::lblRecCumec, "lblRecCumec"}, {&F::lblRecLiter, "lblRecLiter"}, {&F::lblTCumec, "lblTCumec"},
    {&F::lblTLiter, "lblTLiter"}, {&F::lblVCumec, "lblVCumec"}, {&F::lblVLiter, "lblVLiter"},
    {&F::lblTime, "lblTime"}, {&F::Label4, "Label4"},
    {&F::cmdDWAB2, "cmdDWAB2", &F::cmdDWAB2_Click},
    {&F::cmdDWAB1, "cmdDWAB1", &F::cmdDWAB1_Click},
    {&F::cmdDrop7, "cmdDrop7", &F::cmdDrop7_Click},
    {&F::AniPushButton1, "AniPushButton1", &F::AniPushButton1_Click},
    {&F::AniPushButton2, "AniPushButton2", &F::AniPushButton2_Click},
    {&F::AniPushButton3, "AniPushButton3", &F::AniPushButton3_Click},
    {&F::AniPushButton4, "AniPushButton4", &F::AniPushButton4_Click},
    {&F::cmdSOSE, "cmdSOSE", &F::cmdSOSE_Click},
    {&F::cmdSOR, "cmdSOR", &F::cmdSOR_Click},
    {&F::cmdSOBRF, "cmdSOBRF", &F::cmdSOBRF_Click},
    {&F::cmdSOBRU, "cmdSOBRU", &F::cmdSOBRU_Click},
    {&F::cmdWRec, "cmdWRec", &F::cmdWRec_Click},
    {&F::cmdWeirTrap, "cmdWeirTrap", &F::cmdWeirTrap_Click},
    {&F::cmdWeirV, "cmdWeirV", &F::cmdWeirV_Click},
    {&F::cmdCon, "cmdCon", &F::cmdCon_Click},
    {&F::cmdCon1, "cmdCon1", &F::cmdCon1_Click},
    {&F::cmdCon2, "cmdCon2", &F::cmdCon2_Click},
    {&F::imgLogo, "imgLogo(0)", &F::imgLogo_MouseMove},
    {&F::picButtons, "picButtons", &F::picButtons_MouseMove},
};

} // namespace

frmQvOpen::frmQvOpen(QWidget *parent)
    : QWidget(parent)
    , m_controls(buildForm(this))
    , End([] { QCoreApplication::exit(0); })
    , Now([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("frmQvOpen"));
    for (const ControlRow &row : controlRows) row.bind(*this, m_controls);
    wireRoughnessBox();

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

// The roughness box's events beyond Change: a pick from its list, and the focus
// coming and going (which shows and hides the table of typical values).
void frmQvOpen::wireRoughnessBox()
{
    connect(comE1, &QComboBox::activated, this, &frmQvOpen::comE1_Click);
    auto *comE1Focus = new FocusWatcher(comE1, this);
    connect(comE1Focus, &FocusWatcher::gotFocus, this, &frmQvOpen::comE1_GotFocus);
    connect(comE1Focus, &FocusWatcher::lostFocus, this, &frmQvOpen::comE1_LostFocus);
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
