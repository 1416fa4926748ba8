#include "character/qt/QtMessagePump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

namespace vm {
namespace {

// Keyboard, mouse, wheel, touch and tablet input: what a waiting program must not act on.
bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

} // namespace

QtMessagePump::QtMessagePump()
{
    QCoreApplication::instance()->installEventFilter(this);
    SetMessagePump(this);
}

QtMessagePump::~QtMessagePump()
{
    SetMessagePump(nullptr);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool QtMessagePump::OnPumpThread() const
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool QtMessagePump::DispatchPending()
{
    const bool outer = dispatching_;
    dispatching_ = true;
    quitSeen_ = false;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    dispatching_ = outer;
    return !quitSeen_;
}

bool QtMessagePump::eventFilter(QObject* watched, QEvent* event)
{
    if (!dispatching_)
        return false;
    if (event->type() == QEvent::Quit)
        quitSeen_ = true;
    if (IsUserInput(event->type()))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace vm
