// SPDX-License-Identifier: MIT
// Where Qt takes its fonts from fontconfig, the game shows the system's
// fonts to no one: it hands fontconfig an empty configuration of its own
// before Qt starts, so that only the faces the game embeds exist for it,
// and no font, alias or rendering rule of the machine can change a pixel.
// It also spares start-up the reading of the system's configuration and
// font caches. Elsewhere (Windows) a no-op: the system's SimSun, Arial and
// Verdana are wanted there.
#pragma once

namespace zembra {

// Call once, before the application object is created.
void useOwnFontsOnly();

}  // namespace zembra
