#include "AniPushButton.h"

#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

void AniPushButton::setPictures(const QPixmap &atRest, const QPixmap &active)
{
    m_pictures[0] = atRest;
    m_pictures[1] = active;
    update();
}

QSize AniPushButton::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text()) + 40, fontMetrics().height() + 12);
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

void AniPushButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    const bool sunken = isDown() || m_value;
    QRect r = rect();

    QColor face = pal.color(QPalette::Base);
    if (m_value) face = pal.color(QPalette::Highlight).lighter(185);
    else if (m_hovered && isEnabled()) face = pal.color(QPalette::Button).lighter(108);
    p.fillRect(r, face);

    // A 3-D edge, raised at rest and sunken while pressed or selected.
    const QColor light = pal.color(QPalette::Light), mid = pal.color(QPalette::Mid),
                 dark = pal.color(QPalette::Shadow);
    const QColor topLeft = sunken ? dark : light, bottomRight = sunken ? light : dark;
    const QRect e = r.adjusted(0, 0, -1, -1);
    p.setPen(topLeft);
    p.drawLine(e.topLeft(), e.topRight());
    p.drawLine(e.topLeft(), e.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(e.bottomLeft(), e.bottomRight());
    p.drawLine(e.topRight(), e.bottomRight());
    p.setPen(sunken ? mid : mid);
    const QRect inner = e.adjusted(1, 1, -1, -1);
    if (sunken) {
        p.drawLine(inner.topLeft(), inner.topRight());
        p.drawLine(inner.topLeft(), inner.bottomLeft());
    } else {
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
    }

    const int shift = isDown() ? 1 : 0;
    QRect content = r.adjusted(4 + shift, 3 + shift, -4 + shift, -3 + shift);
    const QPixmap &picture = m_pictures[(m_hovered || sunken) ? 1 : 0];
    if (!picture.isNull()) {
        const QSize ps(20, 20);
        const QRect pr(QPoint(content.left(), content.center().y() - ps.height() / 2 + 1), ps);
        p.drawPixmap(pr, picture);
        content.setLeft(pr.right() + 4);
    }

    p.setPen(captionColor());
    p.setFont(font());
    p.drawText(content, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = r.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
    }
}
