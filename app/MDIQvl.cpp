#include "app/MDIQvl.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>

MDIQvl::MDIQvl(QWidget *parent) : QMainWindow(parent), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIQvl"));
    setWindowTitle(QStringLiteral("Pipeline Quorvel"));
    setWindowIcon(QIcon(QStringLiteral(":/icon_parent.png")));
    m_area->setBackground(palette().brush(QPalette::Dark)); // the application workspace colour
    setCentralWidget(m_area);
}

QMdiSubWindow *MDIQvl::addChild(QWidget *form)
{
    QMdiSubWindow *child = m_area->addSubWindow(form);
    child->setWindowIcon(form->windowIcon());
    return child;
}
