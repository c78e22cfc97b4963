// SPDX-License-Identifier: MIT
// Drags the main window from any mouse button pressed on its background
// picture; the right button also opens the settings menu when released.
// Where the window system will not move the window itself (X11 without a
// window manager), the window follows the pointer by hand.
#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

namespace zembra {

class WindowDragger : public QObject {
    Q_OBJECT

public:
    WindowDragger(QWidget& handle, QWidget& window, QMenu& menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QMenu& menu_;
    bool manual_ = false;
    QPoint grabOffset_;  // pointer position minus window position
};

}  // namespace zembra
