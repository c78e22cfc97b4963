// SPDX-License-Identifier: MIT
// The glyphs of one strike of a bitmap font (PCF, read with FreeType): one
// bit per pixel, in the positions the font gives them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

namespace fontgen {

struct BitmapGlyph {
    int width = 0;
    int height = 0;
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int advance = 0;
    std::vector<std::uint8_t> rows;  // height rows of (width + 7) / 8 bytes, leftmost pixel in the top bit
    bool operator==(const BitmapGlyph&) const = default;
};

struct Strike {
    int pixelSize = 0;
    int ascent = 0;   // the line FreeType gives the strike, in pixels
    int descent = 0;
    std::map<char32_t, BitmapGlyph> glyphs;
};

// The glyphs of `characters` that the font's first strike has. Throws where
// the file cannot be read as a bitmap font.
Strike readStrike(const std::filesystem::path& file, const std::set<char32_t>& characters);

// Bold as the classic desktop makes it from a regular bitmap: every ink
// pixel also inks its right neighbour, and the glyph is one pixel wider.
BitmapGlyph emboldened(const BitmapGlyph& glyph);

}  // namespace fontgen
