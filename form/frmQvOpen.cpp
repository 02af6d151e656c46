#include "form/frmQvOpen.h"

#include "form/accessibility.h"
#include "form/catalogue.h"
#include "toolkit/AniPushButton.h"
#include "toolkit/controls.h"
#include "toolkit/mouse_pointer.h"

#include <QApplication>
#include <QLocale>
#include <QShortcut>

#include <type_traits>

namespace {

// The regional date and time separators, taken from the locale's short formats:
// the first character a person sees between the fields. Invisible format
// characters are skipped (Arabic formats put a right-to-left mark before each "/").
QChar separatorIn(const QString &format)
{
    bool inQuote = false;
    for (QChar c : format) {
        if (c == u'\'') {
            inQuote = !inQuote;
            continue;
        }
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

// Points the member at the control, if it is of the member's kind.
template <auto member> bool bind(frmQvOpen &form, QWidget *widget)
{
    using Kind = std::remove_pointer_t<std::remove_reference_t<decltype(form.*member)>>;
    return (form.*member = qobject_cast<Kind *>(widget)) != nullptr;
}

// And connects the control's event to the handler.
template <auto member, Handler handler> bool bind(frmQvOpen &form, QWidget *widget)
{
    if (!bind<member>(form, widget)) return false;
    connectEvent(&form, form.*member, handler);
    return true;
}

// One control the logic touches: its catalogue name, and how it is bound.
struct BoundControl {
    const char *name;
    bool (*bind)(frmQvOpen &, QWidget *);
};

} // namespace

// In the form's own scope, where its private controls and handlers can be named.
struct frmQvOpen::Bindings {
    using F = frmQvOpen;
    static constexpr BoundControl rows[] = {
        {"fraInput", bind<&F::fraInput>},
        {"fraOutput", bind<&F::fraOutput>},
        {"fraKs", bind<&F::fraKs>},
        {"fraFM", bind<&F::fraFM>},
        {"fraSO", bind<&F::fraSO>},
        {"fraWeir", bind<&F::fraWeir>},
        {"fraWRec", bind<&F::fraWRec>},
        {"fraWeirTrap", bind<&F::fraWeirTrap>},
        {"fraWeirV", bind<&F::fraWeirV>},
        {"txtQT", bind<&F::txtQT, &F::txtQT_Change>},
        {"txtLOP", bind<&F::txtLOP, &F::txtLOP_Change>},
        {"txtDOP", bind<&F::txtDOP, &F::txtDOP_Change>},
        {"comE1", bind<&F::comE1, &F::comE1_Change>},
        {"comROE", bind<&F::comROE>},
        {"txtSODia", bind<&F::txtSODia, &F::txtSODia_Change>},
        {"txtSOH", bind<&F::txtSOH, &F::txtSOH_Change>},
        {"txtRecHeight", bind<&F::txtRecHeight, &F::txtRecHeight_Change>},
        {"txtRecWidth", bind<&F::txtRecWidth, &F::txtRecWidth_Change>},
        {"txtTrAn", bind<&F::txtTrAn, &F::txtTrAn_Change>},
        {"txtTrHeight", bind<&F::txtTrHeight, &F::txtTrHeight_Change>},
        {"txtTrWidth", bind<&F::txtTrWidth, &F::txtTrWidth_Change>},
        {"txtVAn", bind<&F::txtVAn, &F::txtVAn_Change>},
        {"txtVHeight", bind<&F::txtVHeight, &F::txtVHeight_Change>},
        {"lblPipeV", bind<&F::lblPipeV>},
        {"lblPipeHL", bind<&F::lblPipeHL>},
        {"lblCumec", bind<&F::lblCumec>},
        {"lblLiter", bind<&F::lblLiter>},
        {"lblRecCumec", bind<&F::lblRecCumec>},
        {"lblRecLiter", bind<&F::lblRecLiter>},
        {"lblTCumec", bind<&F::lblTCumec>},
        {"lblTLiter", bind<&F::lblTLiter>},
        {"lblVCumec", bind<&F::lblVCumec>},
        {"lblVLiter", bind<&F::lblVLiter>},
        {"lblTime", bind<&F::lblTime>},
        {"Label4", bind<&F::Label4>},
        {"cmdDWAB2", bind<&F::cmdDWAB2, &F::cmdDWAB2_Click>},
        {"cmdDWAB1", bind<&F::cmdDWAB1, &F::cmdDWAB1_Click>},
        {"cmdDrop7", bind<&F::cmdDrop7, &F::cmdDrop7_Click>},
        {"AniPushButton1", bind<&F::AniPushButton1, &F::AniPushButton1_Click>},
        {"AniPushButton2", bind<&F::AniPushButton2, &F::AniPushButton2_Click>},
        {"AniPushButton3", bind<&F::AniPushButton3, &F::AniPushButton3_Click>},
        {"AniPushButton4", bind<&F::AniPushButton4, &F::AniPushButton4_Click>},
        {"cmdSOSE", bind<&F::cmdSOSE, &F::cmdSOSE_Click>},
        {"cmdSOR", bind<&F::cmdSOR, &F::cmdSOR_Click>},
        {"cmdSOBRF", bind<&F::cmdSOBRF, &F::cmdSOBRF_Click>},
        {"cmdSOBRU", bind<&F::cmdSOBRU, &F::cmdSOBRU_Click>},
        {"cmdWRec", bind<&F::cmdWRec, &F::cmdWRec_Click>},
        {"cmdWeirTrap", bind<&F::cmdWeirTrap, &F::cmdWeirTrap_Click>},
        {"cmdWeirV", bind<&F::cmdWeirV, &F::cmdWeirV_Click>},
        {"cmdCon", bind<&F::cmdCon, &F::cmdCon_Click>},
        {"cmdCon1", bind<&F::cmdCon1, &F::cmdCon1_Click>},
        {"cmdCon2", bind<&F::cmdCon2, &F::cmdCon2_Click>},
        {"imgLogo(0)", bind<&F::imgLogo, &F::imgLogo_MouseMove>},
        {"picButtons", bind<&F::picButtons, &F::picButtons_MouseMove>},
    };
};

frmQvOpen::frmQvOpen(QWidget *parent)
    : QWidget(parent)
    , m_controls(buildForm(this))
    , End([] { QCoreApplication::exit(0); })
    , Now([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("frmQvOpen"));
    // A missing control, or one of another kind, stops the program at once, naming it.
    for (const BoundControl &row : Bindings::rows)
        if (!row.bind(*this, m_controls.value(QLatin1String(row.name))))
            qFatal("frmQvOpen: the catalogue has no control %s of the kind the form uses", row.name);
    wireRoughnessBox();

    // Closing a sub-page leaves the focus on the button that opens it again.
    fraSO->setFocusHeir(AniPushButton1);
    fraWeir->setFocusHeir(AniPushButton3);

    // At start no control has the focus: typing goes nowhere until a page is
    // opened. The form holds it itself without being reachable by Tab.
    setFocusPolicy(Qt::NoFocus);
    setFocus();

    applyAccessibleNames(this);

    // The figures can be selected and copied into a report, alone or with the
    // whole calculation of their page; Ctrl+Shift+C copies the calculation of
    // the page in use from anywhere in the window.
    for (Label *result :
        {lblPipeV, lblPipeHL, lblCumec, lblLiter, lblRecCumec, lblRecLiter, lblTCumec, lblTLiter, lblVCumec, lblVLiter})
        result->setCopyable([this, result] { copyCalculation(result); });
    auto *copyPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyPage, &QShortcut::activated, this, [this] { copyCalculation(QApplication::focusWidget()); });
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

bool frmQvOpen::showReadBackFlow(Label *cumec, Label *liter, double q)
{
    if (!showFlow(cumec, liter, readBackPair(q))) return false;
    setNote(liter, QString::fromStdString(readBackNote(q)));
    return true;
}

namespace {
std::string markedText(QWidget *box, const QString &text)
{
    std::string read = text.toStdString();
    setCue(box, QString::fromStdString(readingNote(read)));
    return read;
}
} // namespace

std::string frmQvOpen::readBox(TextBox *box) { return markedText(box, box->text()); }
std::string frmQvOpen::readBox(ComboBox *box) { return markedText(box, box->currentText()); }

void frmQvOpen::markFigures(std::initializer_list<Label *> figures, const std::string &range)
{
    for (Label *figure : figures) {
        figure->setStale(false);
        setCue(figure, QString::fromStdString(range));
    }
}

// A label that has never shown a figure holds nothing, or its design caption
// under a frame not yet shown: nothing to mark.
void frmQvOpen::keepEarlier(std::initializer_list<Label *> figures)
{
    for (Label *figure : figures) {
        if (figure->isStale() || figure->text().isEmpty() || figure->text() == figure->objectName()) continue;
        const QString range = cueOf(figure);
        figure->setStale(true);
        setCue(figure,
            QStringLiteral("Earlier result: the inputs shown give no figure.")
                + (range.isEmpty() ? QString() : u' ' + range));
    }
}
