#pragma once
// Clock service: civil UTC and local time, a monotonic clock and sleeping.
#include <cstdint>

namespace topband {

struct CivilTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilTime utcNow() const = 0;
    virtual CivilTime localNow() const = 0;
    virtual std::int64_t monotonicNs() const = 0;
    std::int64_t monotonicMs() const { return monotonicNs() / 1'000'000; }
    virtual void sleepMs(int milliseconds) = 0;
};

class RealClock : public Clock {
public:
    CivilTime utcNow() const override;
    CivilTime localNow() const override;
    std::int64_t monotonicNs() const override;
    void sleepMs(int milliseconds) override;
};

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t daysFromCivil(int year, int month, int day);
// Seconds since 1970-01-01 00:00:00 of a civil time read as if it were UTC.
std::int64_t secondsOf(const CivilTime& t);
CivilTime civilFromSeconds(std::int64_t seconds);

}  // namespace topband
