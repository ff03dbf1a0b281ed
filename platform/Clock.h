// The system clock: local date and time of day to the millisecond.
// Windows call CurrentClock(); tests install a FakeClock.
#pragma once

#include <QDateTime>

namespace crescendar {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0; // local time
    QDate Today() const { return Now().date(); }
    QTime TimeOfDay() const { return Now().time(); }
};

class SystemClock : public Clock {
  public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// Stands still at a set instant until set or advanced.
class FakeClock : public Clock {
  public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2000, 1, 1), QTime(0, 0)))
        : now_(std::move(now)) {}
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime& now) { now_ = now; }
    void Advance(qint64 ms) { now_ = now_.addMSecs(ms); }

  private:
    QDateTime now_;
};

// The installed clock (a SystemClock until another is installed).
Clock& CurrentClock();
// Installs a clock (not owned; nullptr restores the system one); returns the previous one.
Clock* InstallClock(Clock* clock);

} // namespace crescendar
