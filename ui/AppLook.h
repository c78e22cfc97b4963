// SPDX-License-Identifier: MIT
// The look every window of the game shares, on every platform and in every
// locale: Qt's classic "Windows" style (group-box captions on their frame
// lines, plain check marks in menus, dialog buttons without pictures, as the
// classic desktop draws them), and the texts Qt itself shows (the buttons of
// a message box) in Simplified Chinese, with Simplified Chinese glyphs.
#pragma once

class QApplication;

namespace zembra {

// Call once, before the first window is created.
void applyAppLook(QApplication& app);

}  // namespace zembra
