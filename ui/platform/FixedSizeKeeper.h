// SPDX-License-Identifier: MIT
// Fixed-size windows that stay so whatever the window system asks.
//
// A compositor may maximise or fill the screen with any window on a key of
// its own, whatever the window's size hints (weston does, for XWayland's
// windows too), and Qt's Wayland title bar always offers maximise. So every
// fixed-size top-level window (the main window, the dialogs, the message
// box) asks to be normal again as soon as the window system reports it
// maximised or full screen, and takes back its size.
//
// On Wayland, Qt would also bound the window to its fixed size and
// acknowledge the maximised state with a smaller surface, which the
// compositor takes for a protocol error and ends the program. There the
// windows keep only their minimum size, and follow what the compositor
// configures until it has them normal again.
#pragma once

class QApplication;

namespace zembra {

// Call once, after the application object is created.
void keepFixedSizes(QApplication& app);

}  // namespace zembra
