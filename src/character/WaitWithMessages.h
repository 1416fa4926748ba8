#pragma once
// Waits that keep the GUI thread's events flowing.
//
// The main thread must never block on the character's threads: while it waits
// the stage has to keep painting, and callbacks of the engine that touch
// windows have to complete. On the thread of the registered message pump
// these waits dispatch pending events (dropping keyboard and mouse input)
// until the event is set or the time is up; on any other thread they are
// plain waits. The pump is the GUI's (a Qt one lives in character/qt); without
// one every wait is plain.
#include "character/Event.h"

namespace vm {

class IMessagePump {
public:
    virtual ~IMessagePump() = default;
    // True on the thread whose events this pump dispatches.
    virtual bool OnPumpThread() const = 0;
    // Dispatches every pending event except keyboard and mouse input, which
    // is thrown away. False when a quit was dispatched.
    virtual bool DispatchPending() = 0;
};

// The process's pump, or null. Set once the GUI exists, cleared before it goes.
void SetMessagePump(IMessagePump* pump);

// True when the event is set within timeoutMs (kInfinite: no limit). On the
// pump's thread, returns at once (with the event's state) after a quit.
bool WaitWithMessages(const TEvent& event, int timeoutMs);
// A pause that keeps painting alive on the pump's thread.
void SleepWithMessages(int ms);

} // namespace vm
