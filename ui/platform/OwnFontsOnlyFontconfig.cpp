// SPDX-License-Identifier: MIT
#include "OwnFontsOnly.h"

#include <fontconfig/fontconfig.h>

namespace zembra {

void useOwnFontsOnly()
{
    // Qt's FcInit() keeps a configuration that is already current. The
    // embedded faces are added to this one's application fonts.
    if (FcConfig* own = FcConfigCreate()) {
        FcConfigSetCurrent(own);
        FcConfigDestroy(own);  // the current configuration holds its own reference
    }
}

}  // namespace zembra
