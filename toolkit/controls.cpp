#include "toolkit/controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#ifndef QUORVEL_DRAWINGS_AS_PNG
#include <QSvgRenderer>
#endif

QPalette designPalette()
{
    // Qt's own light colours (Fusion), as the program shows them on a desktop
    // without a theme of its own. Written out: Fusion's standardPalette() has a
    // half-transparent placeholder colour and shades in 16 bits, not these.
    QPalette p(QColor(QRgb(0x000000)), QColor(QRgb(0xefefef)), QColor(QRgb(0xffffff)), QColor(QRgb(0x9f9f9f)),
        QColor(QRgb(0xb8b8b8)), QColor(QRgb(0x000000)), QColor(QRgb(0xffffff)), QColor(QRgb(0xffffff)),
        QColor(QRgb(0xefefef)));
    const std::pair<QPalette::ColorRole, QRgb> others[] = {
        {QPalette::Midlight, 0xcacaca},
        {QPalette::Shadow, 0x767676},
        {QPalette::Highlight, 0x308cc6},
        {QPalette::HighlightedText, 0xffffff},
        {QPalette::Link, 0x0000ff},
        {QPalette::LinkVisited, 0xff00ff},
        {QPalette::AlternateBase, 0xf7f7f7},
        {QPalette::ToolTipBase, 0xffffdc},
        {QPalette::ToolTipText, 0x000000},
        {QPalette::PlaceholderText, 0x000000},
    };
    for (auto [role, rgb] : others) p.setColor(role, QColor(rgb));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Dark, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(QRgb(0xbebebe)));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(QRgb(0xefefef)));
    p.setColor(QPalette::Disabled, QPalette::Shadow, QColor(QRgb(0xb1b1b1)));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(QRgb(0x919191)));
    return p;
}

// X11 and Wayland give the keypad's decimal key as a period or a comma with the
// keypad modifier (KP_Decimal, KP_Separator): the layout's choice, not the user's.
bool typeKeypadDecimal(QLineEdit *box, QKeyEvent *event)
{
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const QString text = event->text();
    if (!keypad || !(event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period || text == u"," || text == u"."))
        return false;
    box->insert(QStringLiteral("."));
    event->accept();
    return true;
}

namespace {

constexpr const char *CueProperty = "quorvelCue", *NoteProperty = "quorvelNote",
                     *DescriptionProperty = "quorvelDescription";

// Dark orange, 5.5:1 on white and 5.4:1 on the result panels' light yellow; the
// grey of a kept figure, 4.5:1 on white.
const QColor CueColour(0xb3, 0x47, 0x00), StaleColour(0x76, 0x76, 0x76);

// Tooltip and description anew from the parts, each set only when it changes
// (a screen reader is told of every change of a description).
void explain(QWidget *w)
{
    const QString cue = cueOf(w), note = w->property(NoteProperty).toString();
    QStringList tip{cue, note.isEmpty() ? w->accessibleName() : note};
    tip.removeAll(QString());
    QStringList said{cue, w->property(DescriptionProperty).toString(), note.isEmpty() ? note : note + u'.'};
    said.removeAll(QString());
    if (const QString t = tip.join(u'\n'); t != w->toolTip()) w->setToolTip(t);
    if (const QString d = said.join(u' '); d != w->accessibleDescription()) w->setAccessibleDescription(d);
}

void setPart(QWidget *w, const char *part, const QString &text)
{
    if (w->property(part).toString() == text) return;
    w->setProperty(part, text);
    explain(w);
    w->update();
}

// A box's mark: a small triangle in its top right corner, as a spreadsheet marks
// a cell with a comment.
void drawBoxMark(QWidget *box)
{
    if (cueOf(box).isEmpty()) return;
    QPainter p(box);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(CueColour);
    const QRectF r = QRectF(box->rect()).adjusted(1, 1, -1, -1);
    constexpr qreal side = 7;
    p.drawPolygon(QPolygonF{r.topRight(), r.topRight() - QPointF(side, 0), r.topRight() + QPointF(0, side)});
}

} // namespace

void setDescription(QWidget *control, const QString &description)
{
    setPart(control, DescriptionProperty, description);
}
void setNote(QWidget *control, const QString &note) { setPart(control, NoteProperty, note); }
void setCue(QWidget *control, const QString &cue) { setPart(control, CueProperty, cue); }
QString cueOf(const QWidget *control) { return control->property(CueProperty).toString(); }

QValidator::State LatinDigits::validate(QString &input, int &) const
{
    for (QChar &c : input) {
        if (c.unicode() >= 0x80 && c.category() == QChar::Number_DecimalDigit)
            c = QChar(u'0' + c.digitValue());
        else if (c == u'\u066b' || c == u'\uff0e') // Arabic decimal separator, fullwidth full stop
            c = u'.';
    }
    return Acceptable;
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(MaxInputLength);
    setValidator(new LatinDigits(this));
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (!typeKeypadDecimal(this, event)) QLineEdit::keyPressEvent(event);
}

void TextBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    drawBoxMark(this);
}

Label::Label(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToCaption();
}

void Label::setTextFitted(const QString &caption)
{
    const bool changed = caption != text();
    if (caption.isEmpty()) {
        setCue(this, {});
        setNote(this, {});
        setStale(false);
    }
    setText(caption);
    fitToCaption();
    if (changed) emit captionChanged();
}

void Label::setStale(bool stale)
{
    if (stale == m_stale) return;
    m_stale = stale;
    QPalette p = palette();
    if (stale) m_colour = p.color(QPalette::WindowText);
    p.setColor(QPalette::WindowText, stale ? StaleColour : m_colour);
    setPalette(p);
}

// A figure's mark: a zigzag line under its digits, in the descent that digits
// leave free, grey under a kept figure.
void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (cueOf(this).isEmpty() || text().isEmpty()) return;
    const QFontMetrics fm = fontMetrics();
    const QRect shown = style()->itemTextRect(fm, contentsRect(), int(alignment()), true, text());
    const qreal top = shown.top() + fm.ascent() + 1, bottom = qMin(qreal(shown.bottom()), top + 2.5);
    QPolygonF zigzag;
    for (qreal x = shown.left(), up = 0; x <= shown.right(); x += 2, up = 1 - up)
        zigzag << QPointF(x, up ? top : bottom);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_stale ? StaleColour : CueColour, 1.2));
    p.drawPolyline(zigzag);
}

void Label::fitToCaption()
{
    if (!m_autoSize) return;
    const QRect before = geometry();
    // Measured the way the caption is drawn, so that no pixel of it is cut off.
    const QFontMetrics fm = fontMetrics();
    const int width = wordWrap() ? before.width() : QWIDGETSIZE_MAX;
    const QRect need = fm.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), wordWrap() ? Qt::TextWordWrap : 0, text());
    QSize size(wordWrap() ? before.width() : qMax(need.width(), fm.horizontalAdvance(text()) + 1),
        qMax(need.height(), fm.height()));
    size += QSize(2 * margin(), 2 * margin());
    QRect after(before.topLeft(), size);
    if (alignment() & Qt::AlignRight) after.moveRight(before.right());
    setGeometry(after);
}

// The right button's press, which opens a copyable caption's menu, is the label's
// own: left unclaimed, a browser page closes every popup, that menu included.
void Label::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::RightButton && (textInteractionFlags() & Qt::TextSelectableByMouse)) event->accept();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event); // selecting, when the caption can be copied
    event->accept();
}

void Label::setCopyable(std::function<void()> copyCalculation)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse); // gives Qt::ClickFocus
    m_copyCalculation = std::move(copyCalculation);
}

void Label::contextMenuEvent(QContextMenuEvent *event)
{
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse)) return QLabel::contextMenuEvent(event);
    // Shown without a nested event loop, as a line edit's menu is: in a browser a
    // nested loop cannot wait for the click.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString copied = hasSelectedText() ? selectedText() : text();
    QAction *copy = menu->addAction(tr("&Copy"), this, [copied] { QGuiApplication::clipboard()->setText(copied); });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!copied.isEmpty());
    if (m_copyCalculation) {
        QAction *sheet = menu->addAction(tr("Copy c&alculation"), this, m_copyCalculation);
        sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    }
    menu->popup(event->globalPos());
}

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);           // the inline completer would turn "1." into "1.5"
    setFocusPolicy(Qt::StrongFocus); // not Qt's WheelFocus
    lineEdit()->setMaxLength(MaxInputLength);
    lineEdit()->setValidator(new LatinDigits(this));
}

void ComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    drawBoxMark(this);
}

// The combo box takes the keys for its editor, which has it as focus proxy.
void ComboBox::keyPressEvent(QKeyEvent *event)
{
    if (!typeKeypadDecimal(lineEdit(), event)) QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

void ComboBox::appendKeepingText(const QString &item)
{
    const QSignalBlocker quiet(this);
    const QString text = currentText();
    addItem(item);
    if (currentText() != text) {
        setCurrentIndex(-1);
        setEditText(text);
    }
}

bool ComboBox::hasPart(const QWidget *w) const
{
    if (!w) return false;
    if (w == this || isAncestorOf(w)) return true;
    const QWidget *popup = view() ? view()->window() : nullptr;
    return popup && popup != window() && (w == popup || popup->isAncestorOf(w));
}

Frame::Frame(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
    setAutoFillBackground(true);
}

namespace {

// Set on a control other than a frame while a frame covers it.
constexpr const char *CoveredProperty = "quorvelCovered";

// The first control inside the frame that Tab stops on, in tab order.
QWidget *firstTabStop(const QWidget *frame)
{
    QWidget *first = nullptr;
    int firstIndex = 0;
    for (QWidget *w : frame->findChildren<QWidget *>()) {
        bool numbered = false;
        const int index = w->property(TabIndexProperty).toInt(&numbered);
        if (numbered && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && (!first || index < firstIndex)) {
            first = w;
            firstIndex = index;
        }
    }
    return first;
}

} // namespace

void Frame::setVisible(bool visible)
{
    m_visible = visible;
    if (QWidget *container = parentWidget())
        restack(container);
    else
        QWidget::setVisible(visible);
}

// Whether `w` shows given the frames above it, from the top down, and which of
// them covers it; a control hidden by a frame remembers it, to show again when
// uncovered.
bool Frame::showsUnder(QWidget *w, const QList<Frame *> &above, Frame *&cover)
{
    cover = nullptr;
    for (Frame *f : above)
        if (f->geometry().contains(w->geometry())) {
            cover = f;
            break;
        }
    if (auto *frame = qobject_cast<Frame *>(w)) return frame->m_visible && !cover;
    if (cover && !w->isHidden()) {
        w->setProperty(CoveredProperty, true);
        return false;
    }
    if (!cover && w->property(CoveredProperty).toBool()) {
        w->setProperty(CoveredProperty, false);
        return true;
    }
    return !w->isHidden();
}

// The children of `container` whose visibility changes, from the top down.
QList<Frame::Change> Frame::coverage(QWidget *container)
{
    QList<Change> changes;
    QList<Frame *> above; // frames that show, from the top down
    const QObjectList &children = container->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *w = qobject_cast<QWidget *>(*it);
        if (!w || w->isWindow()) continue;
        Frame *cover = nullptr;
        const bool show = showsUnder(w, above, cover);
        if (show != !w->isHidden()) changes.append({w, show, cover});
        if (auto *frame = qobject_cast<Frame *>(w); frame && show) above.append(frame);
    }
    return changes;
}

// A control about to hide while holding the focus hands it to the first control
// of the frame covering it, else to its frame's focus heir, else to the container.
void Frame::handFocusOver(const QList<Change> &changes, QWidget *container)
{
    QWidget *focus = QApplication::focusWidget();
    for (const Change &c : changes) {
        if (c.show || !focus || (c.widget != focus && !c.widget->isAncestorOf(focus))) continue;
        QWidget *heir = c.cover ? firstTabStop(c.cover) : nullptr;
        if (auto *frame = qobject_cast<Frame *>(c.widget);
            !heir && frame && frame->m_focusHeir && frame->m_focusHeir->isVisible())
            heir = frame->m_focusHeir;
        (heir ? heir : container)->setFocus(Qt::OtherFocusReason);
        return;
    }
}

// Works out from the top of the stacking order down which controls of the
// container are covered, then shows what is uncovered, moves the focus out of
// what is about to disappear, and hides it, in this order, so the focus never
// passes through a control that nobody meant it to reach.
void Frame::restack(QWidget *container)
{
    const QList<Change> changes = coverage(container);
    for (const Change &c : changes)
        if (c.show) c.widget->QWidget::setVisible(true);
    handFocusOver(changes, container);
    for (const Change &c : changes)
        if (!c.show) c.widget->QWidget::setVisible(false);
}

QRect Frame::captionRect() const
{
    if (m_caption.isEmpty()) return QRect();
    const QFontMetrics fm = fontMetrics();
    return QRect(CaptionIndent, 0, fm.horizontalAdvance(m_caption) + 2 * CaptionPadding, fm.height());
}

// A flat one-pixel rule: on the white form an etched edge shows only its dark
// half, so the frames are drawn plainly and all alike.
void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const QRect box = rect().adjusted(0, fm.height() / 2, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(box);
    if (m_caption.isEmpty()) return;
    const QRect text = captionRect();
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
}

Shape::Shape(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    constexpr int border = 3;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 0, 0));
    const QRect r = rect();
    p.drawRect(QRect(r.left(), r.top(), r.width(), border));
    p.drawRect(QRect(r.left(), r.bottom() - border + 1, r.width(), border));
    p.drawRect(QRect(r.left(), r.top(), border, r.height()));
    p.drawRect(QRect(r.right() - border + 1, r.top(), border, r.height()));
}

// Where Qt has no SVG support (the Windows and WebAssembly builds), each drawing
// comes as a PNG rendered from its SVG at build time, at twice the control's size;
// see cmake/png-drawings.cmake. Every kind is stretched to the control, aspect not kept.
#ifdef QUORVEL_DRAWINGS_AS_PNG
ImageBox::ImageBox(const QString &resource, QWidget *parent) : QWidget(parent)
{
    const bool drawing = resource.endsWith(QLatin1String(".svg"));
    m_bitmap = QImage(drawing ? resource.chopped(4) + QLatin1String(".png") : resource);
}

bool ImageBox::hasPicture() const { return !m_bitmap.isNull(); }
#else
ImageBox::ImageBox(const QString &resource, QWidget *parent) : QWidget(parent)
{
    if (resource.endsWith(QLatin1String(".svg")))
        m_svg = new QSvgRenderer(resource, this);
    else
        m_bitmap = QImage(resource);
}

bool ImageBox::hasPicture() const { return m_svg ? m_svg->isValid() : !m_bitmap.isNull(); }
#endif

// A bitmap is reduced by averaging the pixels each screen pixel covers: sampled
// while painting instead, a large bitmap drawn small turns jagged.
QPixmap ImageBox::renderPicture(QSize pixels) const
{
#ifndef QUORVEL_DRAWINGS_AS_PNG
    if (m_svg) {
        QPixmap drawing(pixels);
        drawing.fill(Qt::transparent);
        QPainter r(&drawing);
        r.setRenderHint(QPainter::Antialiasing);
        m_svg->render(&r, QRectF(QPointF(0, 0), QSizeF(pixels)));
        return drawing;
    }
#endif
    return QPixmap::fromImage(m_bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A drawing that reaches into its frame's caption stays behind the caption.
    if (const auto *frame = qobject_cast<const Frame *>(parentWidget())) {
        const QRect caption = frame->captionRect().translated(-pos());
        if (caption.intersects(rect())) p.setClipRegion(QRegion(rect()) - caption);
    }
    if (!hasPicture()) return;
    // Rendered once per size and pixel ratio, at the screen's pixels: a keystroke
    // that repaints a button over a drawing then costs a bitmap copy, not a
    // vector render, and no picture is stretched while painting.
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_rendered.deviceIndependentSize() != QSizeF(size())
        || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = renderPicture((QSizeF(size()) * ratio).toSize());
        m_rendered.setDevicePixelRatio(ratio);
    }
    p.drawPixmap(0, 0, m_rendered);
}

void ImageBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

FocusWatcher::FocusWatcher(ComboBox *box, QObject *parent) : QObject(parent), m_box(box)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusWatcher::focusChanged);
}

void FocusWatcher::focusChanged(QWidget *, QWidget *now)
{
    if (!m_box || !now) return; // another application took the focus: not a move
    const bool inBox = m_box->hasPart(now);
    if (inBox && !m_hasFocus) {
        m_hasFocus = true;
        emit gotFocus();
    } else if (!inBox && m_hasFocus && now->window() == m_box->window()) {
        m_hasFocus = false;
        emit lostFocus();
    }
}
