// On the GUI thread a wait keeps Qt's events flowing (timers, posted events)
// and throws keyboard and mouse input away; a quit ends it at once.
#include "character/qt/QtMessagePump.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace vm {
namespace {

struct InputCounter : QWidget {
    int keys = 0;
    int clicks = 0;
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

QKeyEvent* KeyA() { return new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"); }
QMouseEvent* Click()
{
    return new QMouseEvent(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
}

TEST(QtMessagePump, TimersRunAndInputIsDroppedWhileTheGuiThreadWaits)
{
    QtMessagePump pump;
    InputCounter widget;
    TEvent done;
    std::atomic<int> ticks{0};
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) {
            QCoreApplication::postEvent(&widget, KeyA());
            QCoreApplication::postEvent(&widget, Click());
        }
    });
    timer.start(5);
    std::thread setter([&] {
        // The worker finishes once the timer has run a few times.
        while (ticks < 3)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        done.Set();
    });
    EXPECT_TRUE(WaitWithMessages(done, kInfinite));
    setter.join();
    timer.stop();
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(widget.keys, 0);
    EXPECT_EQ(widget.clicks, 0);

    // Outside a wait, input reaches the widget as ever.
    QCoreApplication::postEvent(&widget, KeyA());
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.keys, 1);
}

TEST(QtMessagePump, AWaitOffTheGuiThreadIsPlain)
{
    QtMessagePump pump;
    TEvent event;
    bool result = false;
    std::thread waiter([&] { result = WaitWithMessages(event, kInfinite); });
    event.Set();
    waiter.join();
    EXPECT_TRUE(result);
    EXPECT_TRUE(pump.OnPumpThread());
}

TEST(QtMessagePump, AQuitEndsTheWaitAtOnce)
{
    QtMessagePump pump;
    const TEvent never;
    bool returned = false, result = true;
    // Quitting means something only while the application's loop runs.
    QTimer::singleShot(0, qApp, [&] {
        QTimer::singleShot(10, qApp, &QCoreApplication::quit);
        result = WaitWithMessages(never, kInfinite);
        returned = true;
    });
    QCoreApplication::exec();
    EXPECT_TRUE(returned);
    EXPECT_FALSE(result);
}

} // namespace
} // namespace vm
