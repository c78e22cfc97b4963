// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <iterator>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include "EmbeddedAssets.h"

namespace zembra::fonts {

namespace {

const QString kSong = QStringLiteral("Zembra Song");
const QString kSans = QStringLiteral("Zembra Sans");
const QString kWide = QStringLiteral("Zembra Wide");

// The sizes with a bitmap strike of the Song face, as a Chinese Windows
// draws SimSun from its hand-made bitmaps at small sizes: "宋体" by name, and
// linked behind Arial and Verdana (a strike of lower line metrics, so that
// mixed lines are no taller). Each strike is a family of its own, so that
// no font database can take it for an outline and draw it at another size.
struct Strike {
    int pixelSize;
    bool bold;
    bool linked;
};
constexpr Strike kStrikes[] = {
    {12, false, false}, {13, true, false}, {11, false, true}, {12, false, true}, {12, true, true}};

QString strikeFamily(const Strike& s)
{
    return (s.linked ? kSong + QStringLiteral(" Link ") : kSong + QLatin1Char(' ')) + QString::number(s.pixelSize);
}

QString strikeFile(const Strike& s)
{
    return QStringLiteral("zembra-song") + (s.linked ? QStringLiteral("-link-") : QStringLiteral("-")) +
           QString::number(s.pixelSize) + (s.bold ? QStringLiteral("-bold.otb") : QStringLiteral(".otb"));
}

// The strikes whose files were found and registered.
bool registered[std::size(kStrikes)] = {};

// The Song face at this size: its strike first where it has one and the
// screens draw one device pixel per pixel (at a higher scale the outlines
// are sharper than bitmaps would be), then the outlines.
QStringList songFamilies(int pixelSize, bool bold, bool linked)
{
    for (std::size_t i = 0; i < std::size(kStrikes); ++i) {
        const Strike& s = kStrikes[i];
        if (registered[i] && s.pixelSize == pixelSize && s.bold == bold && s.linked == linked &&
            qGuiApp->devicePixelRatio() == 1.0)
            return {strikeFamily(s), kSong};
    }
    return {kSong};
}

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
    static const QStringList families = [] {
        QStringList all = {kSong, kSans, kWide};
        for (const Strike& s : kStrikes)
            if (!all.contains(strikeFamily(s)))
                all.append(strikeFamily(s));
        return all;
    }();
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

const QStringList& strikeFiles()
{
    static const QStringList files = [] {
        QStringList all;
        for (const Strike& s : kStrikes)
            all.append(strikeFile(s));
        return all;
    }();
    return files;
}

int registerFaces()
{
    int count = 0;
    for (const QString& file : embeddedFiles())
        count += QFontDatabase::addApplicationFontFromData(EmbeddedAssets::bytes(file)) >= 0 ? 1 : 0;
    // The strikes come from the first folder that has them; a folder that
    // has some only, or a damaged file, leaves those sizes to the outlines.
    for (const QString& folder : strikeFolders()) {
        if (!QFile::exists(folder + QLatin1Char('/') + strikeFiles().constFirst()))
            continue;
        for (std::size_t i = 0; i < std::size(kStrikes); ++i) {
            registered[i] = QFontDatabase::addApplicationFont(folder + QLatin1Char('/') + strikeFile(kStrikes[i])) >= 0;
            count += registered[i] ? 1 : 0;
        }
        break;
    }
    return count;
}

QFont song(int pixelSize, bool bold)
{
    return make(systemFirst("SimSun", songFamilies(pixelSize, bold, false)), pixelSize, bold, false);
}

QFont arial(int pixelSize, bool bold, bool underline)
{
    return make(systemFirst("Arial", {kSans}) + systemFirst("SimSun", songFamilies(pixelSize, bold, true)), pixelSize,
                bold, underline);
}

QFont verdana(int pixelSize, bool underline)
{
    return make(systemFirst("Verdana", {kWide}) + systemFirst("SimSun", songFamilies(pixelSize, false, true)),
                pixelSize, false, underline);
}

}  // namespace zembra::fonts
