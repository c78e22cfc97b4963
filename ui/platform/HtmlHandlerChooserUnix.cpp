// SPDX-License-Identifier: MIT
#include "HtmlHandlerChooser.h"

namespace zembra {

// These desktops choose handlers in their own settings; nothing to offer.
void chooseHtmlHandler() {}

}  // namespace zembra
