#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

// What GetTickCount and Sleep ask. Tests put in a clock of their own, so that anything timed
// (the about screen's 50 ms frames, a pause) runs thousands of times without real waiting.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t tickCount() = 0; // milliseconds since the system started, wrapping at 2^32
    virtual void sleep(uint32_t milliseconds) = 0;
};

// Replaces the clock (nullptr: the system's clock again).
void setClock(Clock* clock);

// A clock that moves only when told: every reading moves it on by `step` milliseconds after it is
// read, every sleep by the time slept; it wraps at 2^32 as the real tick count does.
class ManualClock : public Clock {
public:
    explicit ManualClock(uint32_t start = 0, uint32_t step = 0) : now_(start), step_(step) {}

    uint32_t tickCount() override;
    void sleep(uint32_t milliseconds) override;

    void advance(uint32_t milliseconds) { now_ += milliseconds; }
    uint32_t now() const { return now_; }
    int readings() const { return readings_; }
    const std::vector<uint32_t>& sleeps() const { return sleeps_; }

private:
    uint32_t now_;
    uint32_t step_;
    int readings_ = 0;
    std::vector<uint32_t> sleeps_;
};

// Puts a clock in place for the life of this object.
class ScopedClock {
public:
    explicit ScopedClock(Clock& clock) { setClock(&clock); }
    ~ScopedClock() { setClock(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

} // namespace gdi
