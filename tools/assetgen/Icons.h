// SPDX-License-Identifier: MIT
// The ten 16 x 16 toolbar images, the 32 x 32 application icon, the 32 x 32
// information icon of the message box and the 32 x 32 hand cursor.
#pragma once

#include <vector>

#include "Raster.h"

namespace assetgen {

std::vector<Raster> renderToolbarImages();
Raster renderAppIcon();
// A white speech balloon with a blue "i" and a grey shadow, in the classic
// desktop's look.
Raster renderInformationIcon();
Raster renderHandCursor();
constexpr int HandHotX = 6;
constexpr int HandHotY = 0;

}  // namespace assetgen
