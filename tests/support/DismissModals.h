#pragma once
// Closes every modal box or dialog that opens while it lives, and counts them,
// so that tests of code that asks the user don't block.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace vm::test {

struct DismissModals {
    QTimer timer;
    int dismissed = 0;
    DismissModals()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                ++dismissed;
            }
        });
        timer.start(20);
    }
};

} // namespace vm::test
