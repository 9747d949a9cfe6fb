#pragma once

#include <QObject>
#include <QTimer>

namespace forms {

// A timer with the old runtime's meaning: it ticks every Interval ms while Enabled; an Interval of
// 0 never ticks; enabling a running timer neither stops nor restarts it; a new Interval starts the
// count again.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr, bool enabled = true, int interval = 0);

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Whether it is counting down right now.
    bool running() const { return timer_.isActive(); }
    // Milliseconds to the next tick, -1 when not running.
    int remainingTime() const { return timer_.remainingTime(); }

signals:
    void Tick();

private:
    void apply();

    QTimer timer_;
    bool enabled_;
    int interval_;
};

} // namespace forms
