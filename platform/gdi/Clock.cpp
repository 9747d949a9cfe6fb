#include "platform/gdi/Clock.h"

#include "platform/gdi/Gdi.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace gdi {

namespace {

// The monotonic clock counts from the system's start on Linux, like the platform's tick count.
class SystemClock : public Clock {
public:
    uint32_t tickCount() override
    {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
    void sleep(uint32_t milliseconds) override { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }
};

SystemClock systemClock;
Clock* current = &systemClock;

} // namespace

void setClock(Clock* clock) { current = clock ? clock : &systemClock; }

uint32_t ManualClock::tickCount()
{
    ++readings_;
    const uint32_t t = now_;
    now_ += step_;
    return t;
}

void ManualClock::sleep(uint32_t milliseconds)
{
    sleeps_.push_back(milliseconds);
    now_ += milliseconds;
}

uint32_t GetTickCount() { return current->tickCount(); }
void Sleep(uint32_t milliseconds) { current->sleep(milliseconds); }

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace gdi
