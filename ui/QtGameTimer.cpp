// SPDX-License-Identifier: MIT
#include "QtGameTimer.h"

namespace zembra {

QtGameTimer::QtGameTimer()
{
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (tick_)
            tick_();
    });
}

void QtGameTimer::SetInterval(int ms)
{
    if (ms != timer_.interval())
        timer_.setInterval(ms);
}

void QtGameTimer::SetEnabled(bool on)
{
    if (on == timer_.isActive())
        return;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

}  // namespace zembra
