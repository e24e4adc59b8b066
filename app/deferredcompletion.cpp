#include "app/deferredcompletion.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TouchBegin:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

DeferredCompletion::DeferredCompletion(QWidget &window, std::function<void()> complete)
    : QObject(&window), m_window(window), m_complete(std::move(complete))
{
    // The application's filter sees every event before its receiver does.
    QCoreApplication::instance()->installEventFilter(this);
}

bool DeferredCompletion::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_complete)
        return false;
    if (isUserInput(event->type()))
        completeNow();
    else if (watched == &m_window && event->type() == QEvent::Paint)
        // The paint of the window itself comes first; the rest of its first paint, and the flush
        // to the screen, happen before the event loop runs the timer.
        QTimer::singleShot(0, this, [this] { completeNow(); });
    return false;
}

void DeferredCompletion::completeNow()
{
    if (!m_complete)
        return;
    QCoreApplication::instance()->removeEventFilter(this);
    const std::function<void()> complete = std::move(m_complete);
    m_complete = nullptr;
    complete();
}
