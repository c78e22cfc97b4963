// SPDX-License-Identifier: MIT
// The engine's timer on a precise QTimer. Setting the interval or the
// enabled state to the value it already has changes nothing; QTimer itself
// would restart its period.
//
// Periods are kept against the clock: each one ends a whole interval after
// the previous one was due, however late its tick was handled, and an
// interval set from inside a tick counts from when that tick was due. So the
// row wipe, whose ticks each set a shorter interval, lasts its nominal sum
// instead of gathering each tick's latency. A tick more than a period late
// starts the count afresh rather than catching up in a burst.
//
// The QTimer only wakes it; how long to wait is decided against the clock
// it is given, a steady one by default.
#pragma once

#include <QTimer>
#include <QtGlobal>
#include <functional>

#include "EngineInterfaces.h"

namespace zembra {

class QtGameTimer final : public Timer {
public:
    // Nanoseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;
    static Clock steadyClock();

    explicit QtGameTimer(Clock clock = steadyClock());

    int Interval() const override { return interval_; }
    void SetInterval(int ms) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool on) override;
    void SetOnTick(std::function<void()> tick) override { tick_ = std::move(tick); }

    // The single-shot QTimer that wakes it, armed with the wait until the
    // period ends. Tests deliver its expiry as a QTimerEvent, as the event
    // loop does.
    const QTimer& timer() const { return timer_; }
    QTimer& timer() { return timer_; }

private:
    void fire();
    void arm();
    void startPeriod(qint64 fromNs);
    qint64 nowNs() const { return clock_(); }

    QTimer timer_;
    Clock clock_;
    std::function<void()> tick_;
    int interval_ = 0;
    bool enabled_ = false;
    qint64 dueNs_ = 0;      // when the running period ends
    bool inTick_ = false;
    qint64 tickDueNs_ = 0;  // when the tick being handled was due
};

}  // namespace zembra
