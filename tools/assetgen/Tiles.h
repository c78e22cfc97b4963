// SPDX-License-Identifier: MIT
// The eleven glossy bevelled cell tiles, 26 x 26.
#pragma once

#include <string>
#include <vector>

#include "Raster.h"

namespace assetgen {

struct TileStyle {
    std::string name;
    int bits;
    Rgb base, outlineTop, outlineBottom, rim, band;
};

const std::vector<TileStyle>& tileStyles();

// The tile: outlines, bright rim, bands and the diagonal gradient that runs
// from almost white at (2, 2) to the base colour from x + y = 42 on.
Raster renderTile(const TileStyle& style);

// Expected value of one channel of the gradient at x + y = sum.
double gradientChannel(int base, int sum);

}  // namespace assetgen
