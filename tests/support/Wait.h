// A bounded wait for tests: every wait ends, whether or not what it waits for comes.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace tw::test {

// Waits until `done` holds or `ms` have passed, running the event loop meanwhile
// when `events` is true (else only sleeping); whether `done` holds.
template<class Done>
bool waitUntil(Done done, int ms, bool events = true)
{
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        if (events)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return done();
}

} // namespace tw::test
