// SPDX-License-Identifier: MIT
// fontgen: writes the faces the game embeds, subsets of Debian's font
// packages holding the characters of the game's sources. Its output is
// deterministic for the same font packages and HarfBuzz, and committed
// under assets/fonts/.
#include <cstdio>

#include "Faces.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fontgen SOURCE_TREE OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string error = fontgen::writeFaces(argv[1], argv[2]);
    if (!error.empty()) {
        std::fprintf(stderr, "fontgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
