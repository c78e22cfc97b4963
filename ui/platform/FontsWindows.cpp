// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QCoreApplication>

namespace zembra::fonts {

// SimSun, Arial and Verdana come with the system: they go first, and the
// embedded faces stand in where one is missing.
QStringList systemFirst(const char* system, const QStringList& embedded)
{
    return QStringList{QString::fromLatin1(system)} + embedded;
}

// The fonts folder beside zembra.exe, as the download unpacks it.
QStringList strikeFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/fonts")};
}

}  // namespace zembra::fonts
