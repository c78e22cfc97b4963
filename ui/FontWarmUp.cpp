// SPDX-License-Identifier: MIT
#include "FontWarmUp.h"

#ifdef ZEMBRA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace zembra {

FontWarmUp::FontWarmUp()
{
#ifdef ZEMBRA_HAVE_FONTCONFIG
    // Qt initialises fontconfig itself when it first needs a font; that call
    // finds the configuration already loaded. Initialising from two threads
    // at once is safe: fontconfig keeps one of the two.
    worker_ = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    if (worker_.joinable())
        worker_.join();
}

}  // namespace zembra
