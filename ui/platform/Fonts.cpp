// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QFontDatabase>

#include "EmbeddedAssets.h"

namespace zembra::fonts {

namespace {

const QString kSong = QStringLiteral("Zembra Song");
const QString kSans = QStringLiteral("Zembra Sans");
const QString kWide = QStringLiteral("Zembra Wide");

QFont make(const QStringList& families, int pixelSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    // Rendered alike whatever the desktop's font settings say: hinted to
    // the pixel grid, as the classic desktop draws small text, and grey
    // edges rather than colour fringes.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

}  // namespace

const QStringList& embeddedFamilies()
{
    static const QStringList families = {kSong, kSans, kWide};
    return families;
}

const QStringList& embeddedFiles()
{
    static const QStringList files = {
        QStringLiteral("fonts/zembra-song.otf"), QStringLiteral("fonts/zembra-song-bold.otf"),
        QStringLiteral("fonts/zembra-sans.ttf"), QStringLiteral("fonts/zembra-sans-bold.ttf"),
        QStringLiteral("fonts/zembra-wide.ttf")};
    return files;
}

int registerEmbeddedFaces()
{
    int registered = 0;
    for (const QString& file : embeddedFiles())
        registered += QFontDatabase::addApplicationFontFromData(EmbeddedAssets::bytes(file)) >= 0 ? 1 : 0;
    return registered;
}

QFont song(int pixelSize, bool bold)
{
    return make(systemFirst("SimSun", kSong), pixelSize, bold, false);
}

QFont arial(int pixelSize, bool bold, bool underline)
{
    return make(systemFirst("Arial", kSans) + systemFirst("SimSun", kSong), pixelSize, bold, underline);
}

QFont verdana(int pixelSize, bool underline)
{
    return make(systemFirst("Verdana", kWide) + systemFirst("SimSun", kSong), pixelSize, false, underline);
}

}  // namespace zembra::fonts
