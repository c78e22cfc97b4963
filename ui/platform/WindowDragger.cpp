// SPDX-License-Identifier: MIT
#include "WindowDragger.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace zembra {

WindowDragger::WindowDragger(QWidget& handle, QWidget& window, QMenu& menu, std::function<bool(QPoint)> covered)
    : window_(window), menu_(menu), covered_(std::move(covered))
{
    handle.setContextMenuPolicy(Qt::PreventContextMenu);
    handle.installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressed_ = !covered_(e->position().toPoint());
        if (!pressed_)
            return true;
        // The window manager swallows the release of a system move, so the
        // right button, whose release opens the menu, is always moved by hand.
        const bool system = e->button() != Qt::RightButton && window_.windowHandle() &&
                            window_.windowHandle()->startSystemMove();
        if (!system) {
            manual_ = true;
            grabOffset_ = e->globalPosition().toPoint() - window_.pos();
        }
        return true;
    }
    case QEvent::MouseMove:
        if (manual_) {
            auto* e = static_cast<QMouseEvent*>(event);
            window_.move(e->globalPosition().toPoint() - grabOffset_);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        manual_ = false;
        if (e->button() == Qt::RightButton && std::exchange(pressed_, false))
            menu_.popup(e->globalPosition().toPoint());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zembra
