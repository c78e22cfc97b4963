// SPDX-License-Identifier: MIT
// Qt takes its fonts from the system here: SimSun, Arial and Verdana come
// first where Windows has them, the embedded faces stand in for the rest.
#include "OwnFontsOnly.h"

namespace zembra {

void useOwnFontsOnly() {}

}  // namespace zembra
