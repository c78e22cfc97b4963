// SPDX-License-Identifier: MIT
#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace zembra {

FontWarmUp::FontWarmUp()
{
    // Qt initialises fontconfig itself when it first needs a font; that call
    // finds the configuration already loaded. Initialising from two threads
    // at once is safe: fontconfig keeps one of the two.
    worker_ = std::thread([] { FcInit(); });
}

FontWarmUp::~FontWarmUp()
{
    if (worker_.joinable())
        worker_.join();
}

}  // namespace zembra
