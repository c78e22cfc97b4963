// SPDX-License-Identifier: MIT
// The committed faces are exactly what fontgen makes from the game's sources
// and Debian's font packages: named as our own, with the line metrics the
// layout needs, and with the Simplified Chinese glyph shapes of their source.
#include <gtest/gtest.h>

#include <hb-ot.h>
#include <hb.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "BitmapStrike.h"
#include "Faces.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFonts = ZEMBRA_SOURCE_DIR "/assets/fonts";

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A face of a font file, held with its blob.
struct OpenFace {
    explicit OpenFace(const fs::path& file, unsigned index = 0)
        : blob(hb_blob_create_from_file(file.string().c_str())), face(hb_face_create(blob, index)),
          font(hb_font_create(face))
    {
    }
    ~OpenFace()
    {
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
    std::string name(hb_ot_name_id_t id) const
    {
        char text[256] = {};
        unsigned size = sizeof text;
        hb_ot_name_get_utf8(face, id, hb_language_from_string("en", -1), &size, text);
        return text;
    }
    // The outline's extents of a character's glyph, in font units; all
    // zero where the face has no glyph for it.
    hb_glyph_extents_t extents(char32_t c) const
    {
        hb_codepoint_t glyph = 0;
        hb_glyph_extents_t e{};
        if (hb_font_get_nominal_glyph(font, c, &glyph))
            hb_font_get_glyph_extents(font, glyph, &e);
        return e;
    }
    hb_blob_t* blob;
    hb_face_t* face;
    hb_font_t* font;
};

bool operator==(const hb_glyph_extents_t& a, const hb_glyph_extents_t& b)
{
    return a.x_bearing == b.x_bearing && a.y_bearing == b.y_bearing && a.width == b.width && a.height == b.height;
}

// The line of SOURCES.txt, or of what this machine would write there, that
// names the source of `face`.
std::string sourceLine(const std::string& note, const std::string& face)
{
    const std::size_t at = note.find("\n" + face + ": ");
    return at == std::string::npos ? std::string() : note.substr(at + 1, note.find('\n', at + 1) - at - 1);
}

TEST(FontFiles, AreExactlyWhatFontgenMakes)
{
    for (const fontgen::FaceRecipe& face : fontgen::faces())
        ASSERT_FALSE(face.source.empty()) << face.sourceName << " is missing here: install " << face.packages;
    const std::string made = readFile(kFonts / "SOURCES.txt"), here = fontgen::sourcesNote();
    if (made != here)
        GTEST_SKIP() << "This machine's font packages or HarfBuzz are not the ones the faces were made from.\n"
                     << "Made from:\n" << made << "Here:\n" << here;
    const fs::path out = fs::temp_directory_path() / ("zembra-fonts-" + std::to_string(std::random_device{}()));
    ASSERT_EQ(fontgen::writeFaces(ZEMBRA_SOURCE_DIR, out), "");
    for (const fontgen::FaceRecipe& face : fontgen::faces())
        EXPECT_TRUE(readFile(out / face.file) == readFile(kFonts / face.file))
            << face.file << " differs from what fontgen makes: run ./build/tools/fontgen/fontgen . assets/fonts";
    fs::remove_all(out);
}

TEST(FontFiles, CarryOurNamesAndTheLayoutsLineMetrics)
{
    for (const fontgen::FaceRecipe& recipe : fontgen::faces()) {
        SCOPED_TRACE(recipe.file);
        const OpenFace face(kFonts / recipe.file);
        EXPECT_EQ(face.name(HB_OT_NAME_ID_FONT_FAMILY), recipe.family);
        EXPECT_EQ(face.name(HB_OT_NAME_ID_FONT_SUBFAMILY), recipe.bold ? "Bold" : "Regular");
        // A modified font may not carry its source's reserved names.
        for (hb_ot_name_id_t id : {HB_OT_NAME_ID_FONT_FAMILY, HB_OT_NAME_ID_FULL_NAME, HB_OT_NAME_ID_UNIQUE_ID,
                                   HB_OT_NAME_ID_POSTSCRIPT_NAME})
            for (const char* reserved : {"Liberation", "Noto", "Source", "DejaVu", "Vera", "Bitstream"})
                EXPECT_EQ(face.name(id).find(reserved), std::string::npos) << reserved;
        EXPECT_NE(face.name(HB_OT_NAME_ID_COPYRIGHT), "") << "the source's notice is kept";
        if (recipe.strikeSize)
            continue;  // a bitmap face's line is its strike's, below
        hb_font_extents_t lines{};
        ASSERT_TRUE(hb_ot_metrics_get_position(face.font, HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER, &lines.ascender));
        hb_ot_metrics_get_position(face.font, HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER, &lines.descender);
        const double em = hb_face_get_upem(face.face);
        EXPECT_NEAR(lines.ascender / em * 1000, recipe.perMille.ascent, 1);
        EXPECT_NEAR(-lines.descender / em * 1000, recipe.perMille.descent, 1);
    }
}

TEST(FontFiles, StrikesAreTheirSourcesBitmapsInTheLayoutsLines)
{
    const std::set<char32_t> sample = {U'级', U'一', U'？', U'，', U'A', U'g', U'0', U' '};
    for (const fontgen::FaceRecipe& recipe : fontgen::faces()) {
        if (!recipe.strikeSize)
            continue;
        SCOPED_TRACE(recipe.file);
        ASSERT_FALSE(recipe.source.empty()) << recipe.sourceName << " is missing here: install " << recipe.packages;
        const fontgen::Strike made = fontgen::readStrike(kFonts / recipe.file, sample),
                              source = fontgen::readStrike(recipe.source, sample);
        EXPECT_EQ(made.pixelSize, recipe.strikeSize);
        ASSERT_EQ(made.glyphs.size(), sample.size());
        for (const auto& [c, glyph] : source.glyphs)
            EXPECT_TRUE(made.glyphs.at(c) == (recipe.bold ? fontgen::emboldened(glyph) : glyph))
                << static_cast<unsigned>(c);
        // Its own line is the outline's, rounded; a linked one lies inside it.
        const double ascent = recipe.perMille.ascent * recipe.strikeSize / 1000.0,
                     descent = recipe.perMille.descent * recipe.strikeSize / 1000.0;
        EXPECT_NEAR(made.ascent, recipe.linked ? ascent - 0.5 : ascent, 0.5);
        EXPECT_NEAR(made.descent, recipe.linked ? descent - 0.5 : descent, 0.5);
    }
}

TEST(FontFiles, BoldBitmapsInkTheRightNeighbourAndGrowByOnePixel)
{
    struct Case {
        std::uint8_t row, bold;
        int width;
    };
    for (const Case& c : {Case{0b10100000, 0b11110000, 3}, Case{0b01000000, 0b01100000, 3},
                          Case{0b00000001, 0b00000001, 8}, Case{0, 0, 2}}) {
        const fontgen::BitmapGlyph glyph{c.width, 1, 0, 5, c.width + 1, {c.row}};
        const fontgen::BitmapGlyph bold = fontgen::emboldened(glyph);
        EXPECT_EQ(bold.width, c.width + 1);
        EXPECT_EQ(bold.advance, c.width + 2);
        ASSERT_FALSE(bold.rows.empty());
        EXPECT_EQ(bold.rows[0], c.bold) << int(c.row);
        if (c.width == 8) {
            EXPECT_EQ(bold.rows, (std::vector<std::uint8_t>{0b00000001, 0b10000000}));
        }
    }
}

TEST(FontFiles, SongGlyphsAreTheSimplifiedChineseShapes)
{
    // The Noto collection holds the same characters in Japanese (face 0)
    // and Simplified Chinese (face 2) shapes; punctuation differs most. Other
    // releases of it redraw some glyphs a little.
    const fontgen::FaceRecipe& recipe = fontgen::faces().front();
    ASSERT_FALSE(recipe.source.empty()) << recipe.sourceName << " is missing here: install " << recipe.packages;
    const std::string made = sourceLine(readFile(kFonts / "SOURCES.txt"), recipe.file),
                      here = sourceLine(fontgen::sourcesNote(), recipe.file);
    if (made != here)
        GTEST_SKIP() << "The Song face was made from another " << recipe.sourceName << ":\n" << made
                     << "\nHere:\n" << here;
    const fs::path collection = recipe.source;
    const OpenFace song(kFonts / "zembra-song.otf"), japanese(collection, 0), chinese(collection, 2);
    int unlikeJapanese = 0;
    for (char32_t c : {U'，', U'？', U'：', U'宋', U'级', U'键'}) {
        EXPECT_TRUE(song.extents(c) == chinese.extents(c)) << static_cast<unsigned>(c);
        EXPECT_NE(song.extents(c).height, 0) << static_cast<unsigned>(c);
        unlikeJapanese += song.extents(c) == japanese.extents(c) ? 0 : 1;
    }
    EXPECT_GE(unlikeJapanese, 2);
}

}  // namespace
