// SPDX-License-Identifier: MIT
#include "QtGameTimer.h"

#include <QElapsedTimer>
#include <algorithm>

namespace zembra {

namespace {

constexpr qint64 kNsPerMs = 1000000;

}  // namespace

QtGameTimer::Clock QtGameTimer::steadyClock()
{
    QElapsedTimer started;
    started.start();
    return [started] { return started.nsecsElapsed(); };
}

QtGameTimer::QtGameTimer(Clock clock) : clock_(std::move(clock))
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void QtGameTimer::fire()
{
    if (!enabled_)
        return;
    tickDueNs_ = dueNs_;
    dueNs_ = tickDueNs_ + interval_ * kNsPerMs;
    inTick_ = true;
    if (tick_)
        tick_();
    inTick_ = false;
    if (enabled_)
        arm();
}

void QtGameTimer::arm()
{
    const qint64 now = nowNs();
    if (dueNs_ < now)  // more than a period behind: count from now
        dueNs_ = now + interval_ * kNsPerMs;
    const qint64 waitMs = (dueNs_ - now + kNsPerMs / 2) / kNsPerMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, waitMs)));
}

void QtGameTimer::startPeriod(qint64 fromNs)
{
    dueNs_ = fromNs + interval_ * kNsPerMs;
    if (!inTick_)  // a tick arms the timer when it is done
        arm();
}

void QtGameTimer::SetInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    if (enabled_)
        startPeriod(inTick_ ? tickDueNs_ : nowNs());
}

void QtGameTimer::SetEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on) {
        startPeriod(nowNs());
    } else {
        timer_.stop();
    }
}

}  // namespace zembra
