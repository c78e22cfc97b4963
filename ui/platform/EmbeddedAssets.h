// SPDX-License-Identifier: MIT
// Look-ups of the pictures and sounds embedded in the executable, by name in
// any letter case ("TT", "tt" and "Tt" find one file).
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zembra {

class EmbeddedAssets {
public:
    // A cell picture ("tt", "fk49", "hy" ...), decoded once and kept; null
    // for a name that is not embedded.
    static const QPixmap* cellPicture(const QString& name);
    // The complete WAVE image of a sound ("start", "turn" ...); empty for a
    // name that is not embedded. The bytes live as long as the process.
    static QByteArray sound(const QString& name);
    static QPixmap background();
    static QIcon toolbarImage(int index);
    static QIcon applicationIcon();
    static QPixmap applicationIconImage();
    // The 32 x 32 information icon of a message box.
    static QIcon informationIcon();
    // The raw bytes of any embedded file by resource path, e.g. "cursors/handcursor".
    static QByteArray bytes(const QString& path);
};

}  // namespace zembra
