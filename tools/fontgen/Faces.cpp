// SPDX-License-Identifier: MIT
#include "Faces.h"

#include <hb.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "BitmapFace.h"
#include "Characters.h"

namespace fontgen {

namespace {

// The packages that hold each source, by Debian release: Debian 13 moved
// Liberation 2 from fonts-liberation2 (now empty) to fonts-liberation.
const char* const kNoto = "fonts-noto-cjk";
const char* const kLiberation = "fonts-liberation2 fonts-liberation";
const char* const kDejaVu = "fonts-dejavu-core";
const char* const kBitmapSong = "xfonts-wqy";
// The Simplified Chinese face of the Noto CJK collections.
constexpr unsigned kSimplifiedChinese = 2;

// Line metrics, per mille of the em. The windows are laid out in pixels for
// the classic desktop's faces: a one-line label is 14, 15 and 16 px tall at
// 11, 12 and 13 px, Help's lines are 14 px apart at 11 px, and every glyph
// lies inside its line (Arial's ascent, a deeper descent than Arial's, and
// a small gap). The Song face takes the same metrics as the sans face it
// stands behind, so that a line mixing both is no taller and its Chinese
// glyphs are not cut off. The Verdana stand-in keeps its own.
constexpr VerticalMetrics kSansLines{905, 330, 38};
constexpr VerticalMetrics kWideLines{928, 236, 0};

// Where one of `packages` installed a file of this name, as dpkg lists it.
std::filesystem::path installedFile(const std::string& packages, const std::string& name)
{
    std::istringstream each(packages);
    for (std::string package; each >> package;) {
        std::ifstream list("/var/lib/dpkg/info/" + package + ".list");
        for (std::string line; std::getline(list, line);)
            if (line.size() > name.size() && line.compare(line.size() - name.size() - 1, std::string::npos, "/" + name) == 0
                && std::filesystem::is_regular_file(line))
                return line;
    }
    return {};
}

FaceRecipe recipe(std::string file, const char* packages, std::string source, unsigned index, std::string family,
                  bool bold, VerticalMetrics lines, std::string description)
{
    return {std::move(file), installedFile(packages, source), source, packages, index, std::move(family), bold,
            lines, std::move(description)};
}

// A bitmap face of the Song face's strike at `size` px, made from the
// WenQuanYi Bitmap Song strike in `source`. Its own strikes take the Song
// face's line metrics, so that its lines and labels keep their heights; a
// linked one stands behind a Latin face, and its line lies inside that
// face's, so that a line mixing both is no taller.
FaceRecipe strike(std::string file, std::string source, int size, bool bold, bool linked)
{
    FaceRecipe r = recipe(std::move(file), kBitmapSong, std::move(source), 0,
                          (linked ? "Zembra Song Link " : "Zembra Song ") + std::to_string(size), bold, kSansLines,
                          "Bitmap glyphs from WenQuanYi Bitmap Song, a subset made for Zembra" +
                              std::string(bold ? ", emboldened." : "."));
    r.strikeSize = size;
    r.linked = linked;
    r.copyright = "Copyright (C) 2004-2007, WenQuanYi's Board of Trustees and Qianqian Fang.";
    r.licence = "GNU General Public License version 2, with the font embedding exception.";
    return r;
}

}  // namespace

const std::vector<FaceRecipe>& faces()
{
    static const std::vector<FaceRecipe> list = {
        recipe("zembra-song.otf", kNoto, "NotoSerifCJK-Regular.ttc", kSimplifiedChinese, "Zembra Song", false,
               kSansLines, "A subset of Noto Serif CJK SC made for Zembra."),
        recipe("zembra-song-bold.otf", kNoto, "NotoSerifCJK-Bold.ttc", kSimplifiedChinese, "Zembra Song", true,
               kSansLines, "A subset of Noto Serif CJK SC Bold made for Zembra."),
        recipe("zembra-sans.ttf", kLiberation, "LiberationSans-Regular.ttf", 0, "Zembra Sans", false, kSansLines,
               "A subset of Liberation Sans made for Zembra."),
        recipe("zembra-sans-bold.ttf", kLiberation, "LiberationSans-Bold.ttf", 0, "Zembra Sans", true, kSansLines,
               "A subset of Liberation Sans Bold made for Zembra."),
        recipe("zembra-wide.ttf", kDejaVu, "DejaVuSans.ttf", 0, "Zembra Wide", false, kWideLines,
               "A subset of DejaVu Sans made for Zembra."),
        // Strikes for the sizes the windows draw Song text at, as a Chinese
        // Windows draws SimSun from its hand-made bitmaps: "宋体" by name at
        // 12 px, and 13 px bold for the score; and behind Arial at 11 and
        // 12 px, where the Chinese glyphs are the 12 px ones, as there.
        strike("zembra-song-12.otb", "wenquanyi_9pt.pcf", 12, false, false),
        strike("zembra-song-13-bold.otb", "wenquanyi_10pt.pcf", 13, true, false),
        strike("zembra-song-link-11.otb", "wenquanyi_9pt.pcf", 11, false, true),
        strike("zembra-song-link-12.otb", "wenquanyi_9pt.pcf", 12, false, true),
        strike("zembra-song-link-12-bold.otb", "wenquanyi_9pt.pcf", 12, true, true),
    };
    return list;
}

std::string sourcesNote()
{
    std::ostringstream note;
    note << "Made by tools/fontgen with HarfBuzz " << hb_version_string() << " from:\n";
    for (const FaceRecipe& recipe : faces()) {
        std::ifstream in(recipe.source, std::ios::binary);
        std::uint64_t hash = 0xcbf29ce484222325ULL, size = 0;
        for (std::istreambuf_iterator<char> it(in), end; it != end; ++it, ++size)
            hash = (hash ^ static_cast<unsigned char>(*it)) * 0x100000001b3ULL;
        // The file by name: where a Debian keeps it does not change its bytes.
        note << recipe.file << ": " << recipe.sourceName << " face " << recipe.index << ", ";
        if (recipe.source.empty())
            note << "not installed (" << recipe.packages << ")\n";
        else
            note << size << " bytes, FNV-1a " << std::hex << hash << std::dec << "\n";
    }
    return note.str();
}

std::string writeFaces(const std::filesystem::path& sourceRoot, const std::filesystem::path& dir)
{
    try {
        const std::set<char32_t> characters = charactersOf({sourceRoot / "ui", sourceRoot / "engine"});
        std::filesystem::create_directories(dir);
        for (const FaceRecipe& recipe : faces()) {
            const std::string font =
                recipe.strikeSize ? strikeFace(recipe, characters) : subsetFace(recipe, characters);
            std::ofstream out(dir / recipe.file, std::ios::binary);
            out.write(font.data(), static_cast<std::streamsize>(font.size()));
            if (!out)
                return "cannot write " + (dir / recipe.file).string();
        }
        std::ofstream(dir / "SOURCES.txt", std::ios::binary) << sourcesNote();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

}  // namespace fontgen
