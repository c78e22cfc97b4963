// SPDX-License-Identifier: MIT
#include "Background.h"

#include <cmath>
#include <cstdint>

#include "Tiles.h"

namespace assetgen {

namespace {

constexpr int kWidth = 370;
constexpr int kHeight = 447;
const Rgb kBlack{0, 0, 0};
const Rgb kBar = hexColour(0xEBE8EE);
const Rgb kBarEdge = hexColour(0x5F5C5D);

// Small deterministic noise for the mottled frame.
int mottle(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h >> 24) % 13) - 6;
}

void frame(Raster& p)
{
    const Rgb outer = hexColour(0x979696);
    const Rgb nearBlack[3] = {hexColour(0x5A5757), hexColour(0x5D5A5B), hexColour(0x807D77)};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int fromLeft = x, fromRight = kWidth - 1 - x;
            const int fromTop = y, fromBottom = kHeight - 1 - y;
            const bool inFrame = fromLeft <= 12 || fromRight <= 12 || fromTop <= 11 || fromBottom <= 12;
            if (!inFrame)
                continue;
            const int outerDistance = std::min(std::min(fromLeft, fromRight), std::min(fromTop, fromBottom));
            // Distance to the black inside, 0 next to it: the frame is 13
            // pixels wide, 12 at the top.
            const int innerDistance = std::max(std::max(12 - fromLeft, 12 - fromRight), std::max(11 - fromTop, 12 - fromBottom));
            if (outerDistance == 0) {
                p.set(x, y, outer);
            } else if (innerDistance <= 2) {
                p.set(x, y, nearBlack[innerDistance]);
            } else {
                const int m = mottle(x, y);
                p.set(x, y, {0x78 + m, 0x76 + m, 0x76 + m});
            }
        }
    }
}

void verticalBar(Raster& p)
{
    p.fillRect(96, 12, 96, 433, kBarEdge);
    p.fillRect(97, 12, 108, 433, kBar);
    p.fillRect(109, 12, 109, 433, kBarEdge);
}

void horizontalBar(Raster& p, int y0, int y1)
{
    p.fillRect(13, y0, 96, y0, kBarEdge);
    p.fillRect(13, y0 + 1, 96, y1 - 1, kBar);
    p.fillRect(13, y1, 96, y1, kBarEdge);
}

Rgb mix(Rgb a, Rgb b, double t)
{
    return {static_cast<int>(std::lround(a.r + (b.r - a.r) * t)),
            static_cast<int>(std::lround(a.g + (b.g - a.g) * t)),
            static_cast<int>(std::lround(a.b + (b.b - a.b) * t))};
}

// Coverage of a crescent (a disc minus an offset disc), 4 x 4 supersampled.
double crescent(double px, double py, double cx, double cy, double r)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double x = px + (sx + 0.5) / 4, y = py + (sy + 0.5) / 4;
            const bool inMoon = std::hypot(x - cx, y - cy) <= r;
            const bool inShadow = std::hypot(x - cx - r * 0.55, y - cy + r * 0.25) <= r * 0.9;
            inside += inMoon && !inShadow;
        }
    }
    return inside / 16.0;
}

void block(Raster& p, const Raster& tile, int column, int row)
{
    // Mini cells of 9 pixels on a grid whose bottom-left is (18, 348).
    p.blitScaled(tile, 18 + column * 9, 348 - (row + 1) * 9, 9, 9);
}

// Box 3: a night sky with a crescent moon over a small stack of blocks, a
// T piece falling into the gap.
void decoration(Raster& p)
{
    const int x0 = 13, x1 = 95, y0 = 228, y1 = 356;
    const Rgb skyTop = hexColour(0x101A3C), skyBottom = hexColour(0x000000);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            p.set(x, y, mix(skyTop, skyBottom, static_cast<double>(y - y0) / (y1 - y0)));

    const int stars[][2] = {{22, 240}, {38, 236}, {31, 256}, {52, 247}, {86, 268}, {20, 275}, {46, 268}, {60, 236}, {89, 240}};
    for (const auto& s : stars) {
        p.set(s[0], s[1], hexColour(0xFFFFFF));
        const Rgb glow = hexColour(0x6A7296);
        p.set(s[0] - 1, s[1], glow);
        p.set(s[0] + 1, s[1], glow);
        p.set(s[0], s[1] - 1, glow);
        p.set(s[0], s[1] + 1, glow);
    }
    const Rgb moon = hexColour(0xFFF2B0);
    for (int y = 236; y < 266; ++y) {
        for (int x = 60; x < 94; ++x) {
            const double a = crescent(x, y, 75.0, 250.0, 10.5);
            if (a > 0)
                p.set(x, y, mix(p.at(x, y), moon, a));
        }
    }

    const auto& styles = tileStyles();
    auto tile = [&](const char* name) {
        for (const auto& s : styles)
            if (s.name == name)
                return renderTile(s);
        return renderTile(styles.front());
    };
    const Raster red = tile("tt"), green = tile("zz"), purple = tile("fz"), amber = tile("z7"),
                 blue = tile("f7"), sky = tile("z3"), lime = tile("ff");
    // Stack, bottom row first; '.' is empty. Columns 0..7.
    const char* rows[] = {"RRGGBBAA", "PGGB.AAL", "PPSSB.LL", "P.SS...L", "........"};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 8; ++c) {
            const Raster* t = nullptr;
            switch (rows[r][c]) {
            case 'R': t = &red; break;
            case 'G': t = &green; break;
            case 'B': t = &blue; break;
            case 'A': t = &amber; break;
            case 'P': t = &purple; break;
            case 'S': t = &sky; break;
            case 'L': t = &lime; break;
            default: break;
            }
            if (t)
                block(p, *t, c, r);
        }
    }
    // A T piece falling towards the gap at column 5.
    const Raster& t = sky;
    block(p, t, 4, 8);
    block(p, t, 5, 8);
    block(p, t, 6, 8);
    block(p, t, 5, 7);
    // A thin floor line under the stack.
    p.fillRect(18, 349, 89, 349, hexColour(0x3A3F5C));
}

}  // namespace

Raster renderBackground()
{
    Raster p(kWidth, kHeight, kBlack);
    frame(p);
    verticalBar(p);
    horizontalBar(p, 110, 115);
    horizontalBar(p, 209, 227);
    horizontalBar(p, 357, 361);
    decoration(p);
    return p;
}

}  // namespace assetgen
