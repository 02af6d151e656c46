// The parent window: a multiple-document frame that holds the calculator form
// and nothing else.
#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

class MDIQvl : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIQvl(QWidget *parent = nullptr);
    // The form's window, maximized in the parent's area, which is made here. It
    // cannot be closed on its own: closing it would leave an empty parent that
    // nothing can fill. Called once.
    QMdiSubWindow *addChild(QWidget *form);
    // The size addChild's window asks for around a form of this extent, known
    // before the form is built.
    QSize childSizeFor(QSize formExtent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scrollToFocus(QWidget *now);
    QMdiArea *m_area = nullptr; // made by addChild
};
