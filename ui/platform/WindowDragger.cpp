// SPDX-License-Identifier: MIT
#include "WindowDragger.h"

#include <QApplication>
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
        grabOffset_ = e->globalPosition().toPoint() - window_.pos();
        // The window system keeps the release of a move it makes, and the
        // right button's release opens the menu: that button hands the move
        // over only once the pointer has gone the drag distance.
        deferred_ = e->button() == Qt::RightButton;
        if (!deferred_)
            manual_ = !startSystemMove();
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint pulled = e->globalPosition().toPoint() - window_.pos() - grabOffset_;
        if (deferred_ && pulled.manhattanLength() >= QApplication::startDragDistance()) {
            deferred_ = false;
            manual_ = !startSystemMove();
            // A move of the window system's own ends with no release here.
            pressed_ = manual_;
        }
        if (manual_)
            window_.move(e->globalPosition().toPoint() - grabOffset_);
        if (manual_ || deferred_)
            return true;
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        manual_ = false;
        deferred_ = false;
        if (e->button() == Qt::RightButton && std::exchange(pressed_, false))
            menu_.popup(e->globalPosition().toPoint());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool WindowDragger::startSystemMove()
{
    return window_.windowHandle() && window_.windowHandle()->startSystemMove();
}

}  // namespace zembra
