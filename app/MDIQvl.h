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
    QMdiSubWindow *addChild(QWidget *form);
    QMdiArea *area() const { return m_area; }

private:
    QMdiArea *m_area;
};
