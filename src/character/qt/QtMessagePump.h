#pragma once
// The GUI thread's message pump for WaitWithMessages: while a wait runs on the
// GUI thread, Qt's events are dispatched (timers, painting, posted and queued
// calls) and keyboard and mouse input is thrown away.
//
// Threads: create and destroy it on the GUI thread, after the application
// object exists and before it goes. Registers itself while it lives.
#include "character/WaitWithMessages.h"

#include <QObject>

namespace vm {

class QtMessagePump final : public QObject, public IMessagePump {
    Q_OBJECT
public:
    QtMessagePump();
    ~QtMessagePump() override;

    bool OnPumpThread() const override;
    bool DispatchPending() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dispatching_ = false; // input is dropped only while a wait dispatches
    bool quitSeen_ = false;
};

} // namespace vm
