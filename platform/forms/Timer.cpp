#include "platform/forms/Timer.h"

namespace forms {

Timer::Timer(QObject* parent, bool enabled, int interval) : QObject(parent), enabled_(enabled), interval_(interval)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
    apply();
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    timer_.stop();
    apply();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    timer_.stop();
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
}

} // namespace forms
