#include "toolkit/AniPushButton.h"

#include <QPainter>
#include <QShortcutEvent>

QColor colorFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

AniPushButton::AniPushButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
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
    m_foreColor = bgr & 0xFFFFFF;
    update();
}

QColor AniPushButton::captionColor() const
{
    return colorFromBgr(m_foreColor);
}

void AniPushButton::setValue(bool selected)
{
    m_value = selected;
    update();
}

void AniPushButton::markChosen(bool chosen)
{
    setForeColor(chosen ? vbBlue : vbBlack);
    setValue(chosen);
}

void AniPushButton::setPictures(const QPixmap &atRest, const QPixmap &active)
{
    m_pictures[0] = atRest;
    m_pictures[1] = active;
    update();
}

QSize AniPushButton::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return QSize(caption.width() + 40, caption.height() + 12);
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

void AniPushButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void AniPushButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
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
    const QRect wrapped = fm.boundingRect(QRect(0, 0, content.width(), QWIDGETSIZE_MAX),
                                          Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    const int stackedHeight = ps.height() + 1 + wrapped.height();
    const bool fitsBeside = fm.size(Qt::TextShowMnemonic, text()).width() <= content.width() - ps.width() - 4;
    const bool tall = content.height() >= ps.height() + 1 + 2 * fm.lineSpacing();
    const bool stacked = (!fitsBeside || tall) && wrapped.width() <= content.width()
        && stackedHeight <= content.height();
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
    const QPalette &pal = palette();
    const QColor background = pal.color(QPalette::Window);
    const QColor accent = pal.color(QPalette::Highlight);
    const bool pressed = isDown();
    const bool hovered = m_hovered && isEnabled();
    const QRect r = rect();

    QColor face = background;
    if (pressed) face = blend(accent, background, 0.28);
    else if (m_value) face = blend(accent, background, 0.16);
    else if (hovered) face = blend(accent, background, 0.07);

    const QRect body = r.adjusted(0, 0, -1, -1); // leaves room for the shadow line
    p.fillRect(body, face);
    p.setPen(blend(pal.color(QPalette::Shadow), background, 0.25));
    p.drawLine(body.bottomLeft() + QPoint(1, 1), body.bottomRight() + QPoint(1, 1));
    p.drawLine(body.topRight() + QPoint(1, 1), body.bottomRight() + QPoint(1, 1));

    p.setPen(m_value || pressed || hovered ? accent : pal.color(QPalette::Dark));
    p.drawRect(body.adjusted(0, 0, -1, -1));
    if (m_value) p.drawRect(body.adjusted(1, 1, -2, -2));

    const Placement place = placement();
    if (!place.picture.isNull())
        p.drawPixmap(place.picture, m_pictures[(hovered || pressed || m_value) ? 1 : 0]);
    const QString caption = text();
    p.setPen(captionColor());
    p.setFont(font());
    p.drawText(place.caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);

    if (hasFocus()) {
        QPen dots(blend(pal.color(QPalette::Shadow), background, 0.8), 1, Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRect(body.adjusted(3, 3, -4, -4));
    }
}
