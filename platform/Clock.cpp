#include "platform/Clock.h"

#include <QDateTime>
#include <QThread>

namespace {
class SystemClock : public TClock {
public:
    double LocalTimeOfDay() override { return TimeOfDayFraction(QTime::currentTime()); }
    QTime UtcTime() override { return QDateTime::currentDateTimeUtc().time(); }
    void Sleep(int milliseconds) override {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

SystemClock systemClock;
TClock* current = nullptr;
}  // namespace

TClock& Clock() { return current ? *current : systemClock; }
void SetClock(TClock* clock) { current = clock; }

double TimeOfDayFraction(const QTime& time) { return time.msecsSinceStartOfDay() / 86400000.0; }
