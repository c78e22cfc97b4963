// SPDX-License-Identifier: MIT
#include "Icons.h"

#include <map>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

using PixelArt = std::vector<std::string>;

const std::map<char, Rgb>& inks()
{
    static const std::map<char, Rgb> m = {
        {'k', hexColour(0x1A1A24)}, {'B', hexColour(0x3F7FE0)}, {'b', hexColour(0x1F4A9E)},
        {'c', hexColour(0xA6CBF7)}, {'w', hexColour(0xFFFFFF)}, {'G', hexColour(0xD4D4D4)},
        {'g', hexColour(0x8A8A8A)}, {'d', hexColour(0x505050)}, {'y', hexColour(0xF6D23A)},
        {'Y', hexColour(0xB88A12)}, {'o', hexColour(0x8B5A2B)}, {'O', hexColour(0xC89058)},
    };
    return m;
}

// Pixel art, one string a row: '.' is transparent, other letters are inks.
Raster draw(const PixelArt& art, const std::map<char, Rgb>& palette)
{
    const int h = static_cast<int>(art.size());
    const int w = static_cast<int>(art.front().size());
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        if (static_cast<int>(art[y].size()) != w)
            throw std::logic_error("ragged pixel art row " + std::to_string(y));
        for (int x = 0; x < w; ++x) {
            const char ch = art[y][x];
            if (ch == '.')
                r.clear(x, y);
            else
                r.set(x, y, palette.at(ch));
        }
    }
    return r;
}

const PixelArt kStart = {
    "................", "..kk............", "..kBkk..........", "..kcBBkk........",
    "..kcBBBBkk......", "..kcBBBBBBkk....", "..kcBBBBBBBBkk..", "..kcBBBBBBBBBbk.",
    "..kcBBBBBBBBbbk.", "..kcBBBBBBbbkk..", "..kcBBBBbbkk....", "..kcBBbbkk......",
    "..kBbbkk........", "..kbkk..........", "..kk............", "................",
};
const PixelArt kBell = {
    "................", ".......kk.......", "......kYYk......", ".....kyyyYk.....",
    "....kywyyyYk....", "....kwyyyyYk....", "....kyyyyyYk....", "....kyyyyyYk....",
    "...kyyyyyyyYk...", "...kyyyyyyyYk...", "..kyyyyyyyyyYk..", "..kkkkkkkkkkkk..",
    "......kYYk......", ".......kk.......", "................", "................",
};
const PixelArt kAbout = {
    "................", "...kkkkkkkkkk...", "..kwwwwwwwwwwk..", ".kwwwwwBBwwwwGk.",
    ".kwwwwwBBwwwwGk.", ".kwwwwwwwwwwwGk.", ".kwwwwBBBwwwwGk.", ".kwwwwwBBwwwwGk.",
    ".kwwwwwBBwwwwGk.", ".kwwwwwBBwwwwGk.", ".kwwwwBBBBwwwGk.", "..kwwwwwwwwGGk..",
    "...kkkwwkkkkk...", ".....kwk........", ".....kk.........", "................",
};
const PixelArt kQuit = {
    "................", ".....kkkkkkkkkk.", ".....kdddddkOOk.", ".....kdddddkoOk.",
    ".....kddddkooOk.", "....kkddddkooOk.", "....kBkdddkooOk.", "kkkkkBBkddkooOk.",
    "kcccccBBkdkooOk.", "kbbbbBBkddkooOk.", "kkkkkBkdddkooOk.", "....kkddddkooOk.",
    ".....kddddkooOk.", ".....kdddddkoOk.", ".....kkkkkkkkkk.", "................",
};
const PixelArt kUndo = {
    "................", "................", "....kk..........", "...kBk..........",
    "..kBBkkkkkkk....", ".kcBBBBBBBBBkk..", "kcBBBBBBBBBBBBk.", ".kBBBkkkkkkkBBBk",
    "..kBBk......kBBk", "...kBk.......kBk", "....kk.......kBk", ".............kBk",
    "............kBBk", "..........kkBbk.", "..........kbbk..", "..........kkk...",
};
const PixelArt kFlag = {
    "................", ".kk.............", ".kokkkkkkkkkkk..", ".kokwwkkwwkkwk..",
    ".kokwwkkwwkkwk..", ".kokkkwwkkwwkk..", ".kokkkwwkkwwkk..", ".kokwwkkwwkkwk..",
    ".kokwwkkwwkkwk..", ".kokkkkkkkkkkk..", ".kok............", ".kok............",
    ".kok............", ".kok............", "kkookk..........", "kkkkkk..........",
};
const PixelArt kHelp = {
    "................", ".....kkkkkk.....", "...kkBBBBBBkk...", "..kBcBwwwwBBbk..",
    ".kBcBwwBBwwBBbk.", ".kBcBBBBBwwBBbk.", "kBBBBBBBwwBBBBbk", "kBBBBBBwwBBBBBbk",
    "kBBBBBBwwBBBBBbk", "kBBBBBBBBBBBBBbk", ".kBBBBBwwBBBBbk.", ".kBBBBBwwBBBBbk.",
    "..kbBBBBBBBBbk..", "...kkbbbbbbkk...", ".....kkkkkk.....", "................",
};
const PixelArt kPause = {
    "................", "................", "...kkkk..kkkk...", "...kcBk..kcBk...",
    "...kcBk..kcBk...", "...kcBk..kcBk...", "...kcBk..kcBk...", "...kcBk..kcBk...",
    "...kcBk..kcBk...", "...kcBk..kcBk...", "...kcBk..kcBk...", "...kBbk..kBbk...",
    "...kBbk..kBbk...", "...kBbk..kBbk...", "...kkkk..kkkk...", "................",
};
const PixelArt kSettings = {
    "................", "..kkkkkkkkk.....", "..kwwwwwwwkk....", "..kwwwwwwwkGk...",
    "..kwwwwwwwkkkk..", "..kwwwwwwwwwBk..", "..kwwwwwwwwBBk..", "..kwwwwwwwBBwk..",
    "..kwBwwwwBBwwk..", "..kwBBwwBBwwwk..", "..kwwBBBBwwwwk..", "..kwwwBBwwwwwk..",
    "..kwwwwwwwwwwk..", "..kwwwwwwwwwGk..", "..kkkkkkkkkkkk..", "................",
};

}  // namespace

std::vector<Raster> renderToolbarImages()
{
    std::map<char, Rgb> grey = inks();
    grey['w'] = hexColour(0xE2E2E2);
    grey['B'] = hexColour(0x8A8A8A);
    grey['G'] = hexColour(0xB4B4B4);
    grey['k'] = hexColour(0x5A5A5A);
    return {
        draw(kStart, inks()), draw(kBell, inks()),  draw(kAbout, inks()),    draw(kQuit, inks()),
        draw(kUndo, inks()),  draw(kFlag, inks()),  draw(kHelp, inks()),     draw(kPause, inks()),
        draw(kSettings, inks()), draw(kSettings, grey),
    };
}

Raster renderAppIcon()
{
    // Colours from the 16-colour palette only.
    const Rgb black{0, 0, 0}, grey{128, 128, 128}, silver{192, 192, 192}, white{255, 255, 255};
    const Rgb red{255, 0, 0}, lime{0, 255, 0}, yellow{255, 255, 0}, blue{0, 0, 255},
              fuchsia{255, 0, 255}, green{0, 128, 0}, aqua{0, 255, 255}, teal{0, 128, 128};
    Raster icon(32, 32, black);
    icon.fillRect(0, 0, 31, 31, grey);
    icon.fillRect(1, 1, 30, 30, silver);
    icon.fillRect(1, 1, 30, 1, white);
    icon.fillRect(1, 1, 1, 30, white);
    icon.fillRect(3, 3, 28, 28, grey);
    icon.fillRect(4, 4, 27, 27, black);
    auto cell = [&](int column, int row, Rgb fill, Rgb shade) {
        const int x = 4 + column * 4, y = 4 + row * 4;
        icon.fillRect(x, y, x + 2, y + 2, fill);
        icon.fillRect(x + 2, y, x + 2, y + 2, shade);
        icon.fillRect(x, y + 2, x + 2, y + 2, shade);
        icon.set(x, y, white);
    };
    // The stack, bottom row 5, with a gap for the falling T.
    const Rgb fills[6] = {red, lime, yellow, blue, fuchsia, green};
    const Rgb shades[6] = {Rgb{128, 0, 0}, green, Rgb{128, 128, 0}, Rgb{0, 0, 128}, Rgb{128, 0, 128}, Rgb{0, 128, 0}};
    for (int c = 0; c < 6; ++c)
        cell(c, 5, fills[c], shades[c]);
    for (int c : {0, 1, 4, 5})
        cell(c, 4, fills[(c + 3) % 6], shades[(c + 3) % 6]);
    cell(0, 3, fills[2], shades[2]);
    cell(5, 3, fills[1], shades[1]);
    // The cyan T near the top.
    cell(1, 0, aqua, teal);
    cell(2, 0, aqua, teal);
    cell(3, 0, aqua, teal);
    cell(2, 1, aqua, teal);
    return icon;
}

Raster renderInformationIcon()
{
    const Rgb black{0, 0, 0}, shadow{128, 128, 128}, white{255, 255, 255}, blue{0, 0, 255};
    Raster icon(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            icon.clear(x, y);
    // The balloon: an ellipse round (14.5, 12.5), with a tail to the lower
    // left; its shadow is the same shape 2 pixels down and right.
    auto inside = [](int x, int y, int grow) {
        const double dx = (x - 14.5) / (13.5 + grow), dy = (y - 12.5) / (11.5 + grow);
        if (dx * dx + dy * dy <= 1.0)
            return true;
        // The tail: a triangle from the balloon's bottom to (6, 29).
        const int top = 21 - grow, tip = 29 + grow;
        return y >= top && y <= tip && x >= 6 - grow && x <= 6 + (tip - y) + grow && x <= 13 + grow;
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x >= 2 && y >= 2 && inside(x - 2, y - 2, 0))
                icon.set(x, y, shadow);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (inside(x, y, 0))
                icon.set(x, y, white);
            else if (inside(x, y, 1) && (x < 31 && y < 31))
                icon.set(x, y, black);
        }
    // The "i": a square dot and a stem with a foot.
    icon.fillRect(13, 4, 16, 7, blue);
    icon.fillRect(13, 10, 16, 19, blue);
    icon.fillRect(11, 10, 12, 11, blue);
    icon.fillRect(11, 19, 18, 20, blue);
    return icon;
}

Raster renderHandCursor()
{
    PixelArt art = {
        ".....kkk........................", "....kwwwk.......................",
        "....kwwwk.......................", "....kwwwk.......................",
        "....kwwwk.......................", "....kwwwkkk.....................",
        "....kwwwkwwkkk..................", "....kwwwkwwkwwkk................",
        "....kwwwkwwkwwkwk...............", ".kk.kwwwwwwwwwkwwk..............",
        "kwwkkwwwwwwwwwwwwk..............", "kwwwkwwwwwwwwwwwwk..............",
        ".kwwwwwwwwwwwwwwwk..............", "..kwwwwwwwwwwwwwwk..............",
        "..kwwwwwwwwwwwwwwk..............", "...kwwwwwwwwwwwwk...............",
        "...kwwwwwwwwwwwwk...............", "....kwwwwwwwwwwk................",
        "....kwwwwwwwwwwk................", "....kkkkkkkkkkkk................",
    };
    while (art.size() < 32)
        art.emplace_back(32, '.');
    return draw(art, {{'k', Rgb{0, 0, 0}}, {'w', Rgb{255, 255, 255}}});
}

}  // namespace assetgen
