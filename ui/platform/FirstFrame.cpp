// SPDX-License-Identifier: MIT
#include "FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zembra {

namespace {

// Watches the native window: an exposure is painted while its event is
// handled, so work queued when it arrives runs after the frame is out.
class FirstFrameWatcher : public QObject {
public:
    FirstFrameWatcher(QWindow* window, std::function<void()> then, int latestMs)
        : QObject(window), window_(window), then_(std::move(then))
    {
        window_->installEventFilter(this);
        QTimer::singleShot(latestMs, this, [this] { fire(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { fire(); });
        }
        return false;
    }

private:
    void fire()
    {
        if (!then_)
            return;
        auto then = std::move(then_);
        then_ = nullptr;
        deleteLater();
        then();
    }

    QWindow* window_;
    std::function<void()> then_;
};

}  // namespace

void afterFirstFrame(QWidget& window, std::function<void()> then, int latestMs)
{
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed()) {
        QTimer::singleShot(0, &window, std::move(then));
        return;
    }
    new FirstFrameWatcher(handle, std::move(then), latestMs);
}

}  // namespace zembra
