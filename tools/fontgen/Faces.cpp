// SPDX-License-Identifier: MIT
#include "Faces.h"

#include <hb.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "Characters.h"

namespace fontgen {

namespace {

const char* const kNoto = "/usr/share/fonts/opentype/noto/";
const char* const kLiberation = "/usr/share/fonts/truetype/liberation2/";
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/";
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

}  // namespace

const std::vector<FaceRecipe>& faces()
{
    static const std::vector<FaceRecipe> list = {
        {"zembra-song.otf", std::string(kNoto) + "NotoSerifCJK-Regular.ttc", kSimplifiedChinese, "Zembra Song", false,
         kSansLines, "A subset of Noto Serif CJK SC made for Zembra."},
        {"zembra-song-bold.otf", std::string(kNoto) + "NotoSerifCJK-Bold.ttc", kSimplifiedChinese, "Zembra Song", true,
         kSansLines, "A subset of Noto Serif CJK SC Bold made for Zembra."},
        {"zembra-sans.ttf", std::string(kLiberation) + "LiberationSans-Regular.ttf", 0, "Zembra Sans", false,
         kSansLines, "A subset of Liberation Sans made for Zembra."},
        {"zembra-sans-bold.ttf", std::string(kLiberation) + "LiberationSans-Bold.ttf", 0, "Zembra Sans", true,
         kSansLines, "A subset of Liberation Sans Bold made for Zembra."},
        {"zembra-wide.ttf", std::string(kDejaVu) + "DejaVuSans.ttf", 0, "Zembra Wide", false, kWideLines,
         "A subset of DejaVu Sans made for Zembra."},
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
        note << recipe.file << ": " << recipe.source.string() << " face " << recipe.index << ", " << size
             << " bytes, FNV-1a " << std::hex << hash << std::dec << "\n";
    }
    return note.str();
}

std::string writeFaces(const std::filesystem::path& sourceRoot, const std::filesystem::path& dir)
{
    try {
        const std::set<char32_t> characters = charactersOf({sourceRoot / "ui", sourceRoot / "engine"});
        std::filesystem::create_directories(dir);
        for (const FaceRecipe& recipe : faces()) {
            const std::string font = subsetFace(recipe, characters);
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
