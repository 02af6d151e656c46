#include "toolkit/AniPushButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

// 0x00BBGGRR to a colour.
QColor colorFromBgr(quint32 bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

// What a screen reader is told of a button: its caption, that it can be pressed
// (with its access key), and the two marks the pages set: the state flag as
// checked, a blue caption as selected.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(AniPushButton *b) : QAccessibleWidget(b, QAccessible::Button) {}
    AniPushButton *button() const { return static_cast<AniPushButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->plainCaption();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        s.checkable = s.checked = button()->value();
        s.selectable = s.selected = button()->foreColor() == vbBlue;
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action != pressAction() || button()->shortcut().isEmpty()) return {};
        return {button()->shortcut().toString(QKeySequence::NativeText)};
    }
};

QAccessibleInterface *accessibleButton(const QString &, QObject *object)
{
    auto *button = qobject_cast<AniPushButton *>(object);
    return button ? new AccessibleButton(button) : nullptr;
}

} // namespace

void AniPushButton::installAccessibleFactory() { QAccessible::installFactory(accessibleButton); }

AniPushButton::AniPushButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setText(caption); // "&Close" also gives the Alt+C shortcut
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    const QColor text = palette().color(QPalette::ButtonText);
    m_foreColor = quint32(text.red()) | quint32(text.green()) << 8 | quint32(text.blue()) << 16;
}

void AniPushButton::setForeColor(quint32 bgr)
{
    const bool wasBlue = m_foreColor == vbBlue;
    m_foreColor = bgr & 0xFFFFFF;
    update();
    if (wasBlue != (m_foreColor == vbBlue)) {
        QAccessibleEvent marked(this, wasBlue ? QAccessible::SelectionRemove : QAccessible::SelectionAdd);
        QAccessible::updateAccessibility(&marked);
    }
}

QColor AniPushButton::captionColor() const { return colorFromBgr(m_foreColor); }

void AniPushButton::setValue(bool selected)
{
    const bool changed = m_value != selected;
    m_value = selected;
    update();
    if (changed) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent flagged(this, checked);
        QAccessible::updateAccessibility(&flagged);
    }
}

QString AniPushButton::plainCaption() const
{
    return QString(text()).remove(u'&'); // the access-key marks
}

void AniPushButton::markChosen(bool chosen)
{
    setForeColor(chosen ? vbBlue : vbBlack);
    setValue(chosen);
}

QIcon AniPushButton::picture(const QString &name)
{
    QIcon icon;
#ifdef QUORVEL_DRAWINGS_AS_PNG
    for (int pixels : {25, 30, 35, 40}) icon.addFile(QStringLiteral(":/%1-%2.png").arg(name).arg(pixels));
#else
    icon.addFile(QStringLiteral(":/%1.svg").arg(name));
#endif
    // Asked for exactly 20 pixels, the icon gives this bitmap rather than the vector.
    icon.addFile(QStringLiteral(":/%1.png").arg(name));
    return icon;
}

void AniPushButton::setPictures(const QIcon &atRest, const QIcon &active)
{
    m_pictures[0] = atRest;
    m_pictures[1] = active;
    update();
}

// The access key clicks at once, like a mouse press, instead of Qt's delayed
// animated click, so the page has changed by the time the next key arrives.
bool AniPushButton::event(QEvent *e)
{
    if (e->type() == QEvent::Shortcut) {
        auto *se = static_cast<QShortcutEvent *>(e);
        if (se->key() == shortcut() && !se->isAmbiguous()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
    }
    return QAbstractButton::event(e);
}

namespace {

// Space, Enter and keypad Enter press a focused button.
bool pressesButton(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

// The last release of a key that presses buttons, as the window system stamped it.
struct {
    int key = 0;
    quint64 time = 0;
} lastRelease;

// X11 repeats a held key as a release and a press with the same time stamp, and
// Qt does not always mark the pair as a repeat. Taken for a fresh press, the
// repeat would press whatever button got the focus from the first press: holding
// Space on a "Close" would press the next button too.
bool isRepeat(const QKeyEvent *e)
{
    return e->isAutoRepeat()
        || (e->timestamp() != 0 && e->key() == lastRelease.key && e->timestamp() == lastRelease.time);
}

// The same stroke as Space, which QAbstractButton turns into press and click.
QKeyEvent asSpace(const QKeyEvent *e)
{
    return QKeyEvent(e->type(), Qt::Key_Space, e->modifiers(), QStringLiteral(" "), e->isAutoRepeat());
}

} // namespace

// A key held down presses a button once, when it is let go; its repeats press nothing.
void AniPushButton::keyPressEvent(QKeyEvent *e)
{
    if (!pressesButton(e->key())) return QAbstractButton::keyPressEvent(e);
    e->accept();
    if (isRepeat(e)) return;
    QKeyEvent space = asSpace(e);
    QAbstractButton::keyPressEvent(&space);
}

void AniPushButton::keyReleaseEvent(QKeyEvent *e)
{
    if (!pressesButton(e->key())) return QAbstractButton::keyReleaseEvent(e);
    e->accept();
    const bool repeat = isRepeat(e);
    lastRelease = {e->key(), e->timestamp()};
    if (repeat) return;
    QKeyEvent space = asSpace(e);
    QAbstractButton::keyReleaseEvent(&space);
}

namespace {

QColor blend(const QColor &over, const QColor &under, double amount)
{
    return QColor::fromRgbF(float(over.redF() * amount + under.redF() * (1 - amount)),
        float(over.greenF() * amount + under.greenF() * (1 - amount)),
        float(over.blueF() * amount + under.blueF() * (1 - amount)));
}

} // namespace

// The picture sits at the left with the caption centred beside it when the
// caption fits there on one line. On a button tall enough for the picture and
// two lines, or when the caption does not fit beside it, the picture sits above
// the caption, which then has the whole width to wrap in.
AniPushButton::Placement AniPushButton::placement() const
{
    const int shift = isDown() ? 1 : 0;
    QRect content = rect().adjusted(3 + shift, 2 + shift, -4 + shift, -3 + shift);
    if (m_pictures[0].isNull()) return {QRect(), content};

    const QSize ps(20, 20);
    const QFontMetrics fm = fontMetrics();
    const QRect wrapped =
        fm.boundingRect(QRect(0, 0, content.width(), QWIDGETSIZE_MAX), Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    const int stackedHeight = ps.height() + 1 + wrapped.height();
    const bool fitsBeside = fm.size(Qt::TextShowMnemonic, text()).width() <= content.width() - ps.width() - 4;
    const bool tall = content.height() >= ps.height() + 1 + 2 * fm.lineSpacing();
    const bool stacked =
        (!fitsBeside || tall) && wrapped.width() <= content.width() && stackedHeight <= content.height();
    QRect picture;
    if (stacked) {
        // On a tall button a one-line caption leaves the picture where a
        // two-line one would, so pictures line up along a row of buttons.
        const int groupHeight = tall ? qMax(stackedHeight, ps.height() + 1 + 2 * fm.lineSpacing()) : stackedHeight;
        const int top = content.top() + qMax(0, (content.height() - groupHeight) / 2);
        picture = QRect(QPoint(content.center().x() - ps.width() / 2 + 1, top), ps);
        content = QRect(content.left(), picture.bottom() + 2, content.width(), wrapped.height());
    } else {
        picture = QRect(QPoint(content.left() + 1, content.center().y() - ps.height() / 2 + 1), ps);
        content.setLeft(picture.right() + 3);
    }
    return {picture, content};
}

// Flat face on the window background with a thin grey edge and a soft shadow
// line under it. The accent colour marks what the pointer is over, what is being
// pressed and, drawn twice as wide, the button whose state flag is set.
void AniPushButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool lit = (underMouse() && isEnabled()) || isDown() || m_value;
    const QRect body = rect().adjusted(0, 0, -1, -1); // leaves room for the shadow line
    paintFace(p, body);

    const Placement place = placement();
    if (!place.picture.isNull()) {
        // The picture at the screen's pixels: the 20-pixel bitmap at 100 %, else
        // drawn afresh for the scale, never a bitmap stretched.
        const QIcon &picture = m_pictures[lit ? 1 : 0];
        p.drawPixmap(place.picture, picture.pixmap(place.picture.size(), devicePixelRatioF()));
    }
    p.setPen(captionColor());
    p.setFont(font());
    p.drawText(place.caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        // A solid ring two pixels wide in the accent darkened to half (7:1 on the
        // light face), just inside the edge: the caption and the picture keep
        // clear of the edge's first three pixels at every scale, so the ring
        // never crosses a letter or the picture.
        const QRect ring = body.adjusted(1, 1, -1, -1);
        p.setClipRegion(QRegion(ring) - QRegion(ring.adjusted(2, 2, -2, -2)));
        p.fillRect(ring, palette().color(QPalette::Highlight).darker(200));
    }
}

// The face tinted by the state, its shadow line and its edge.
void AniPushButton::paintFace(QPainter &p, const QRect &body) const
{
    const QPalette &pal = palette();
    const QColor background = pal.color(QPalette::Window);
    const QColor accent = pal.color(QPalette::Highlight);
    const bool pressed = isDown();
    const bool hovered = underMouse() && isEnabled();

    QColor face = background;
    if (pressed)
        face = blend(accent, background, 0.28);
    else if (m_value)
        face = blend(accent, background, 0.16);
    else if (hovered)
        face = blend(accent, background, 0.07);
    p.fillRect(body, face);
    p.setPen(blend(pal.color(QPalette::Shadow), background, 0.25));
    p.drawLine(body.bottomLeft() + QPoint(1, 1), body.bottomRight() + QPoint(1, 1));
    p.drawLine(body.topRight() + QPoint(1, 1), body.bottomRight() + QPoint(1, 1));

    p.setPen(m_value || pressed || hovered ? accent : pal.color(QPalette::Dark));
    p.drawRect(body.adjusted(0, 0, -1, -1));
    if (m_value) p.drawRect(body.adjusted(1, 1, -2, -2));
}
