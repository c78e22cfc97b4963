// SPDX-License-Identifier: MIT
// Runs work once a shown window has put its first frame on the screen, so
// that start-up work the player cannot see yet does not delay that frame.
#pragma once

#include <functional>

class QWidget;

namespace zembra {

// Calls `then` once, from the event loop, right after `window`'s first
// exposure has been painted; after `latestMs` at the latest, should the
// window never be exposed (started minimised, say). Call after show().
void afterFirstFrame(QWidget& window, std::function<void()> then, int latestMs = 1000);

}  // namespace zembra
