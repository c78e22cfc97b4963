// SPDX-License-Identifier: MIT
#include "OwnFontsOnly.h"

#include <fontconfig/fontconfig.h>

namespace zembra {

std::vector<char*> useOwnFontsOnly(int argc, char** argv)
{
    // Qt's FcInit() keeps a configuration that is already current. The
    // embedded faces are added to this one's application fonts.
    if (FcConfig* own = FcConfigCreate()) {
        FcConfigSetCurrent(own);
        FcConfigDestroy(own);  // the current configuration holds its own reference
    }
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    return args;
}

}  // namespace zembra
