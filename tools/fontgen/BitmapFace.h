// SPDX-License-Identifier: MIT
// A bitmap-only OpenType face: one strike in EBLC and EBDT tables, no
// outlines, with the tables FreeType and fontconfig read to name, map and
// measure it.
#pragma once

#include <string>

#include "BitmapStrike.h"
#include "FaceSubset.h"
#include "OpenTypeTables.h"

namespace fontgen {

struct BitmapFaceLayout {
    int pixelSize;          // the size the strike is offered at
    VerticalMetrics lines;  // in pixels: the line the strike's glyphs sit in
    bool bold;
};

// The face's file. Glyph 0 is an empty .notdef; the others follow the
// strike's characters in code order.
std::string bitmapFace(const Strike& strike, const BitmapFaceLayout& layout, const FaceNames& names);

// The bitmap face of `recipe`: its source's strike, emboldened for a bold
// face, with the characters of `characters` that the source has, in the
// line of the recipe's metrics at its size. Throws where that goes wrong.
std::string strikeFace(const FaceRecipe& recipe, const std::set<char32_t>& characters);

}  // namespace fontgen
