#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a window's remaining construction once, as soon as the window has been painted for the
// first time, or earlier when the user gives any input before that: a press, a key, a wheel turn,
// a context menu. Such input is delivered only after the window is whole, so no click reaches a
// control that is not yet connected and no tab shows up empty.
class DeferredCompletion : public QObject
{
public:
    DeferredCompletion(QWidget &window, std::function<void()> complete);

    // Completes the window at once, unless that has been done already.
    void completeNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    std::function<void()> m_complete;
};
