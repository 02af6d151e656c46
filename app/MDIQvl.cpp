#include "app/MDIQvl.h"

#include "app/manual.h"

#include <QApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOption>
#include <QScrollBar>
#include <QShortcut>

MDIQvl::MDIQvl(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIQvl"));
    setWindowTitle(QStringLiteral("Pipeline Quorvel"));
    setWindowIcon(QIcon(QStringLiteral(":/icon_parent.png")));
    // F1: the user manual.
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { showManual(this); });
}

namespace {

// The calculator window's title bar as tall as its caption needs: the style's own
// height fits only the usual desktop font sizes, and a larger one (18 points, say)
// would lose the bottom of "Pipeline quorvel". The caption keeps the desktop's
// font size, as the parent window's title does.
class TitleBarStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int height = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_TitleBarHeight || !option) return height;
        return qMax(height, option->fontMetrics.height() + 6); // 3 pixels above and below the line
    }
};

// The calculator window's flags. No system menu: the title bar draws its close
// button with it.
constexpr Qt::WindowFlags ChildFlags =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;

} // namespace

QMdiSubWindow *MDIQvl::addChild(QWidget *form)
{
    // The area is made with its child, not with the window: the window can then
    // show first (openMainWindow) having touched no more of the toolkit than it
    // needs to, and nothing is painted before the message loop runs.
    m_area = new QMdiArea(this);
    m_area->setBackground(palette().brush(QPalette::Dark)); // the application workspace colour
    // Where the screen is smaller than the form (801 x 561 with its title bar),
    // the area scrolls; where the form fits, no scroll bar shows.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { scrollToFocus(now); });

    QMdiSubWindow *child = m_area->addSubWindow(form);
    auto *titleBar = new TitleBarStyle;
    titleBar->setParent(child);
    child->setStyle(titleBar);
    child->setWindowIcon(form->windowIcon());
    child->setWindowFlags(ChildFlags);
    child->installEventFilter(this);
    return child;
}

QSize MDIQvl::childSizeFor(QSize formExtent)
{
    // Worked out as QMdiSubWindow::sizeHint does for addChild's window, from its
    // style alone: the frame left, right and below, and the title bar (with the
    // style's border, if any) above. No sub-window is made for it, so the parent
    // can show before that part of the toolkit is touched; test_form compares it
    // with the real window's size hint.
    TitleBarStyle style;
    QStyleOptionTitleBar option;
    option.initFrom(this); // the child's font is the parent's
    option.titleBarFlags = ChildFlags;
    const int frame = style.pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, nullptr);
    int titleBar = style.pixelMetric(QStyle::PM_TitleBarHeight, &option, nullptr);
    if (!style.styleHint(QStyle::SH_TitleBar_NoBorder, &option, nullptr)) titleBar += 4;
    return formExtent + QSize(2 * frame, titleBar + frame);
}

// The child's Close (Ctrl+F4, or a request from outside) is refused.
bool MDIQvl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && qobject_cast<QMdiSubWindow *>(watched)) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// On a screen too small for the form, Tab brings the focused control into view.
void MDIQvl::scrollToFocus(QWidget *now)
{
    if (!now || !m_area->viewport()->isAncestorOf(now)) return;
    const QRect view = m_area->viewport()->rect();
    const QRect at(now->mapTo(m_area->viewport(), QPoint(0, 0)), now->size());
    if (view.contains(at)) return;
    const auto scroll = [](QScrollBar *bar, int low, int high, int viewLow, int viewHigh) {
        if (high > viewHigh)
            bar->setValue(bar->value() + qMin(high - viewHigh, low - viewLow));
        else if (low < viewLow)
            bar->setValue(bar->value() - (viewLow - low));
    };
    scroll(m_area->horizontalScrollBar(), at.left(), at.right(), view.left(), view.right());
    scroll(m_area->verticalScrollBar(), at.top(), at.bottom(), view.top(), view.bottom());
}
