#pragma once
// The clock and the blocking pause, injectable so tests control time.
#include <QTime>

class TClock {
public:
    virtual ~TClock() = default;
    // Local time of day as a fraction of a day (0 at midnight).
    virtual double LocalTimeOfDay() = 0;
    // UTC time of day with milliseconds.
    virtual QTime UtcTime() = 0;
    // Blocks the game for the given milliseconds.
    virtual void Sleep(int milliseconds) = 0;
};

// The clock in use: the system clock unless a test installed another.
TClock& Clock();
// Installs a clock (not owned); nullptr restores the system clock.
void SetClock(TClock* clock);

// Time of day as a fraction of a day, from hours, minutes, seconds and ms.
double TimeOfDayFraction(const QTime& time);
