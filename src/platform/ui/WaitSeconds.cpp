#include "platform/ui/WaitSeconds.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void WaitSeconds(int seconds)
{
    if (seconds <= 0)
        return;
    const QDeadlineTimer deadline(qint64(seconds) * 1000, Qt::PreciseTimer);
    // A timer may fire a little early, and a nested loop may be told to quit by
    // someone else: keep waiting until the deadline itself has passed.
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(deadline.remainingTime(), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
