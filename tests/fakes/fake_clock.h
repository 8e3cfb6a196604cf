#pragma once
// A clock the test sets: local time and the system's own UTC offset.
#include "platform/clock.h"

namespace topband::testing {

class FakeClock : public Clock {
public:
    CivilTime local{2026, 12, 5, 13, 5, 9};
    // Hours the system adds to local time to give UTC (5 for US Eastern standard time).
    double systemUtcOffsetHours = 5;
    std::int64_t monotonic = 0;
    int slept = 0;

    CivilTime utcNow() const override {
        return civilFromSeconds(secondsOf(local) + static_cast<std::int64_t>(systemUtcOffsetHours * 3600));
    }
    CivilTime localNow() const override { return local; }
    std::int64_t monotonicNs() const override { return monotonic; }
    void sleepMs(int milliseconds) override {
        slept += milliseconds;
        monotonic += static_cast<std::int64_t>(milliseconds) * 1'000'000;
    }
};

}  // namespace topband::testing
