// SPDX-License-Identifier: MIT
// The engine's timer on a precise QTimer. Setting the interval or the
// enabled state to the value it already has changes nothing; QTimer itself
// would restart its period.
#pragma once

#include <QTimer>

#include "EngineInterfaces.h"

namespace zembra {

class QtGameTimer final : public Timer {
public:
    QtGameTimer();

    int Interval() const override { return timer_.interval(); }
    void SetInterval(int ms) override;
    bool Enabled() const override { return timer_.isActive(); }
    void SetEnabled(bool on) override;
    void SetOnTick(std::function<void()> tick) override { tick_ = std::move(tick); }

    const QTimer& timer() const { return timer_; }

private:
    QTimer timer_;
    std::function<void()> tick_;
};

}  // namespace zembra
