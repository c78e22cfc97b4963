// SPDX-License-Identifier: MIT
#include "Fonts.h"

namespace zembra::fonts {

// Only our own faces, so that no fontconfig alias rule can match the
// system's name.
QStringList systemFirst(const char*, const QStringList& embedded)
{
    return embedded;
}

}  // namespace zembra::fonts
