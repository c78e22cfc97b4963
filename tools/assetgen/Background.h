// SPDX-License-Identifier: MIT
// The 370 x 447 frame picture behind the well, previews and score.
#pragma once

#include "Raster.h"

namespace assetgen {

Raster renderBackground();

}  // namespace assetgen
