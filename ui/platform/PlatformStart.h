// SPDX-License-Identifier: MIT
// What each platform settles before the application object exists, so that
// the game's windows are drawn the same on every machine of it.
//
// Linux: the game's texts are drawn in its embedded faces only (fontconfig
// gets an empty configuration of its own, so no font, alias or rendering
// rule of the machine can change a pixel); the desktop's theme (its palette,
// dialog button order, icons, fonts and effects) does not reach the windows;
// and on a Wayland session with an X server the game runs through it, where
// its fixed-size window keeps its frame, place and moves. QT_QPA_PLATFORM or
// -platform still choose.
//
// Windows: the system's SimSun, Arial and Verdana are wanted where they
// exist, drawn by Windows itself, with the system's own colours. Where SimSun
// is missing (a Windows without the Chinese fonts, wine), the embedded faces
// are drawn by Qt's own FreeType renderer instead, as on Linux: Windows'
// renderer draws the Song face's thin strokes pale at these sizes.
#pragma once

#include <string>
#include <vector>

namespace zembra {

// The command line to create the application object with: the program's
// own arguments, with the platform's defaults before them (Qt takes the last
// of an option, so the player's own win) and what the platform insists on
// after them.
class QtArguments {
public:
    QtArguments(int argc, char** argv, std::vector<std::string> defaults, std::vector<std::string> overrides = {});
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    // For QApplication(int&, char**): both must outlive it.
    int& argc() { return count_; }
    char** argv() { return pointers_.data(); }

private:
    std::vector<std::string> added_;
    std::vector<char*> pointers_;  // ends with a null pointer
    int count_;
};

// Call once, first thing in main.
QtArguments startPlatform(int argc, char** argv);

}  // namespace zembra
