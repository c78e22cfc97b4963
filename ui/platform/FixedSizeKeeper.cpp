// SPDX-License-Identifier: MIT
#include "FixedSizeKeeper.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zembra {

namespace {

// Brings one window back to its size after the compositor has changed it.
class WindowSizeKeeper final : public QObject {
public:
    WindowSizeKeeper(QWidget& widget, QWindow& window)
        : QObject(&widget), widget_(widget), window_(&window), size_(widget.size())
    {
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            widget.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only what the compositor reports (spontaneous events), not what
        // this side has asked for.
        if (watched != window_ || !event->spontaneous())
            return false;
        if (event->type() == QEvent::WindowStateChange)
            configured_ = window_->windowStates();
        if ((event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize) && !pending_) {
            pending_ = true;
            // Queued, so that the configure being applied is acknowledged
            // first, with the size it asked for.
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                restore();
            });
        }
        return false;
    }

private:
    void restore()
    {
        if (!window_)  // the window went while the call was queued
            return;
        constexpr Qt::WindowStates big = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (configured_ & big) {
            // Asked once; the compositor's normal configure that follows
            // brings back the size from before, which Qt keeps.
            if (window_->windowStates() & big)
                widget_.setWindowState(widget_.windowState() & ~big);
        } else if (!(configured_ & Qt::WindowMinimized) && widget_.size() != size_) {
            // Shrunk back only once the compositor has confirmed the normal
            // state: earlier, the surface would not match its configure.
            widget_.resize(size_);
        }
    }

    QWidget& widget_;
    QPointer<QWindow> window_;
    QSize size_;
    Qt::WindowStates configured_ = Qt::WindowNoState;
    bool pending_ = false;
};

// Finds each fixed-size top-level window when it is first shown.
class FixedWindowWatcher final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Every event of the application passes here: the cheap test first.
        if (event->type() != QEvent::Show)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow() || widget->property(kKept).toBool())
            return false;
        widget->setProperty(kKept, true);
        // Looked at once the window has settled its size: a message box
        // fixes its size in its own show handler, after this filter.
        QTimer::singleShot(0, widget, [widget] {
            if (widget->minimumSize() == widget->maximumSize() && widget->windowHandle())
                new WindowSizeKeeper(*widget, *widget->windowHandle());
        });
        return false;
    }

private:
    static constexpr const char* kKept = "zembraSizeKept";
};

}  // namespace

void keepFixedSizes(QApplication& app)
{
    app.installEventFilter(new FixedWindowWatcher(&app));
}

}  // namespace zembra
