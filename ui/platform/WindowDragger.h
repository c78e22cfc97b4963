// SPDX-License-Identifier: MIT
// Drags the main window from any mouse button pressed on its background
// picture where the picture itself shows (not on the controls that lie on
// it); the right button also opens the settings menu when released.
// Where the window system will not move the window itself (X11 without a
// window manager), the window follows the pointer by hand. The right button
// moves the window once the pointer has gone the drag distance, so that a
// right click still opens the menu where the window system makes the move
// (with a window manager, and on Wayland, where a program cannot place its
// own windows).
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QMenu;
class QWidget;

namespace zembra {

class WindowDragger : public QObject {
    Q_OBJECT

public:
    // `covered` tells the points of `handle` where something lies on the
    // picture; a press there does nothing.
    WindowDragger(QWidget& handle, QWidget& window, QMenu& menu, std::function<bool(QPoint)> covered);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool startSystemMove();

    QWidget& window_;
    QMenu& menu_;
    std::function<bool(QPoint)> covered_;
    bool pressed_ = false;
    bool manual_ = false;
    bool deferred_ = false;  // a right press, not yet pulled the drag distance
    QPoint grabOffset_;  // pointer position minus window position
};

}  // namespace zembra
