// SPDX-License-Identifier: MIT
#include "Tiles.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

const std::vector<TileStyle>& tileStyles()
{
    static const std::vector<TileStyle> styles = {
        {"tt", 8, hexColour(0xD00C06), hexColour(0xB90F14), hexColour(0x9F0603), hexColour(0xFA7B78), hexColour(0xDD4E3A)},
        {"zz", 8, hexColour(0x289801), hexColour(0x297200), hexColour(0x175400), hexColour(0x9FFF41), hexColour(0x42C017)},
        {"fz", 8, hexColour(0x7500B4), hexColour(0x580EA3), hexColour(0x56008B), hexColour(0xB777FD), hexColour(0x9C46D5)},
        {"z7", 8, hexColour(0xCA8500), hexColour(0xB16100), hexColour(0x936300), hexColour(0xFFC472), hexColour(0xFFB616)},
        {"f7", 8, hexColour(0x0722BA), hexColour(0x0D3BA1), hexColour(0x01218D), hexColour(0x7CAAFA), hexColour(0x4562D2)},
        {"z3", 8, hexColour(0x0073BE), hexColour(0x076897), hexColour(0x004369), hexColour(0x6ADCFE), hexColour(0x309CD6)},
        {"ff", 8, hexColour(0xA7BF09), hexColour(0x969E0E), hexColour(0x6C8104), hexColour(0xF8F97B), hexColour(0xBDD048)},
        {"fk49", 24, hexColour(0xD657A5), hexColour(0xBC5A9D), hexColour(0x9E5886), hexColour(0xFF9DEA), hexColour(0xE576C1)},
        {"fk50", 24, hexColour(0xE36D6A), hexColour(0xD46D73), hexColour(0xC56A68), hexColour(0xFCB0AE), hexColour(0xEB9589)},
        {"fk51", 24, hexColour(0x84A3F4), hexColour(0x8BACE2), hexColour(0x859FD9), hexColour(0xC4DEFF), hexColour(0xA3BAF7)},
        {"hy", 8, hexColour(0x525252), hexColour(0x404040), hexColour(0x1F1F1F), hexColour(0xA9A9A9), hexColour(0x727272)},
    };
    return styles;
}

double gradientChannel(int base, int sum)
{
    return base + 0.9 * (255 - base) * std::max(0, 42 - sum) / 38.0;
}

Raster renderTile(const TileStyle& s)
{
    constexpr int n = 26;
    Raster tile(n, n);
    const Rgb darkBand{s.base.r * 9 / 10, s.base.g * 9 / 10, s.base.b * 9 / 10};
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            Rgb c;
            if (x == n - 1 || y == n - 1)
                c = s.outlineBottom;
            else if (x == 0 || y == 0)
                c = s.outlineTop;
            else if (x == 1 || y == 1)
                c = s.rim;
            else if (y == n - 2)
                c = darkBand;
            else if (x == n - 2)
                c = s.band;
            else
                c = {static_cast<int>(std::lround(gradientChannel(s.base.r, x + y))),
                     static_cast<int>(std::lround(gradientChannel(s.base.g, x + y))),
                     static_cast<int>(std::lround(gradientChannel(s.base.b, x + y)))};
            tile.set(x, y, c);
        }
    }
    return tile;
}

}  // namespace assetgen
