// SPDX-License-Identifier: MIT
#include "Fonts.h"

namespace zembra::fonts {

// SimSun, Arial and Verdana come with the system: they go first, and the
// embedded faces stand in where one is missing.
QStringList systemFirst(const char* system, const QStringList& embedded)
{
    return QStringList{QString::fromLatin1(system)} + embedded;
}

}  // namespace zembra::fonts
