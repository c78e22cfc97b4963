// SPDX-License-Identifier: MIT
// The game's texts drawn the same on every machine.
// Where Qt takes its fonts from fontconfig, the game shows the system's
// fonts to no one: it hands fontconfig an empty configuration of its own
// before Qt starts, so that only the faces the game embeds exist for it,
// and no font, alias or rendering rule of the machine can change a pixel.
// It also spares start-up the reading of the system's configuration and
// font caches.
// On Windows the system's SimSun, Arial and Verdana are wanted where they
// exist, drawn by Windows itself. Where SimSun is missing (a Windows without
// the Chinese fonts, wine), the embedded faces are drawn by Qt's own
// FreeType renderer instead, as on Linux: Windows' renderer draws the Song
// face's thin strokes pale at these sizes.
#pragma once

#include <vector>

namespace zembra {

// Call once, before the application object is created, with main's
// arguments; returns the arguments to create it with (argv's entries, any
// added for the platform, and a closing null pointer).
std::vector<char*> useOwnFontsOnly(int argc, char** argv);

}  // namespace zembra
