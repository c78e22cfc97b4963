// SPDX-License-Identifier: MIT
// Qt takes its fonts from the system here, not from fontconfig: nothing to
// load ahead.
#include "FontWarmUp.h"

namespace zembra {

FontWarmUp::FontWarmUp() = default;

FontWarmUp::~FontWarmUp() = default;

}  // namespace zembra
