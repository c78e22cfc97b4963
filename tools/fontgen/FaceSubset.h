// SPDX-License-Identifier: MIT
// One embedded face: a subset of a system font, renamed and given the line
// metrics the game's layout needs.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "OpenTypeTables.h"

namespace fontgen {

struct FaceRecipe {
    std::string file;                // the name it is written under
    std::filesystem::path source;    // the system's font file; empty where no package holds it
    std::string sourceName;          // its file name
    std::string packages;            // the Debian packages that may hold it
    unsigned index;                  // the face within a collection
    std::string family;              // our own name for it
    bool bold;
    VerticalMetrics perMille;        // of the em
    std::string description;
    // A bitmap face: the pixel size its strike is offered at (0 for a subset
    // of an outline face); whether it stands behind another face (its line
    // metrics then round down, not to the nearest pixel); and the notice and
    // licence its source states outside the font file.
    int strikeSize = 0;
    bool linked = false;
    std::string copyright = {};
    std::string licence = {};
};

// The names of the face of `recipe`: our family, its style and version and
// the description, with the notice and licence its source states.
FaceNames faceNames(const FaceRecipe& recipe, std::string copyright, std::string licence,
                    std::string licenceUrl = {});

// The font file, or an exception that says what went wrong.
std::string subsetFace(const FaceRecipe& recipe, const std::set<char32_t>& characters);

}  // namespace fontgen
