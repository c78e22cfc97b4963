// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QCoreApplication>

namespace zembra::fonts {

// Only our own faces, so that no fontconfig alias rule can match the
// system's name.
QStringList systemFirst(const char*, const QStringList& embedded)
{
    return embedded;
}

// Beside the program in a build tree; in the install's data folder, which
// the build gives as a path from the program's folder (games/ to
// share/zembra/fonts under the same prefix).
QStringList strikeFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/fonts"), program + QStringLiteral("/" ZEMBRA_STRIKES_FROM_PROGRAM)};
}

}  // namespace zembra::fonts
