// SPDX-License-Identifier: MIT
#include "HtmlHandlerChooser.h"

#include <QProcess>
#include <QStringList>

namespace zembra {

void chooseHtmlHandler()
{
    // The shell's "Open with" dialog for the file type.
    QProcess::startDetached(QStringLiteral("RunDLL32.exe"),
                            {QStringLiteral("Shell32.dll,OpenAs_RunDLL"), QStringLiteral("*.htm")});
}

}  // namespace zembra
