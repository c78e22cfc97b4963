// SPDX-License-Identifier: MIT
#include "BitmapStrike.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <stdexcept>

namespace fontgen {

namespace {

struct Library {
    Library()
    {
        if (FT_Init_FreeType(&handle))
            throw std::runtime_error("FreeType does not start");
    }
    ~Library() { FT_Done_FreeType(handle); }
    FT_Library handle = nullptr;
};

struct FaceDone {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

int bytesPerRow(int width)
{
    return (width + 7) / 8;
}

}  // namespace

Strike readStrike(const std::filesystem::path& file, const std::set<char32_t>& characters)
{
    Library library;
    FT_Face opened = nullptr;
    if (FT_New_Face(library.handle, file.string().c_str(), 0, &opened))
        throw std::runtime_error("cannot read " + file.string());
    const std::unique_ptr<FT_FaceRec_, FaceDone> face(opened);
    if (FT_IS_SCALABLE(face.get()) || face->num_fixed_sizes < 1 || FT_Select_Size(face.get(), 0))
        throw std::runtime_error(file.string() + " is not a bitmap font");
    Strike strike;
    strike.pixelSize = static_cast<int>(face->available_sizes[0].y_ppem >> 6);
    strike.ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    strike.descent = static_cast<int>(-face->size->metrics.descender >> 6);
    for (char32_t c : characters) {
        const FT_UInt index = FT_Get_Char_Index(face.get(), c);
        if (index == 0 || FT_Load_Glyph(face.get(), index, FT_LOAD_DEFAULT))
            continue;
        const FT_GlyphSlot slot = face->glyph;
        if (slot->format != FT_GLYPH_FORMAT_BITMAP || slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
            throw std::runtime_error(file.string() + " holds a glyph that is not one bit per pixel");
        BitmapGlyph glyph;
        glyph.width = static_cast<int>(slot->bitmap.width);
        glyph.height = static_cast<int>(slot->bitmap.rows);
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.advance = static_cast<int>(slot->advance.x >> 6);
        const int row = bytesPerRow(glyph.width);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* from = slot->bitmap.buffer + y * slot->bitmap.pitch;
            glyph.rows.insert(glyph.rows.end(), from, from + row);
        }
        strike.glyphs.emplace(c, std::move(glyph));
    }
    return strike;
}

BitmapGlyph emboldened(const BitmapGlyph& glyph)
{
    BitmapGlyph bold = glyph;
    bold.width = glyph.width + 1;
    bold.advance = glyph.advance + 1;
    const int from = bytesPerRow(glyph.width), to = bytesPerRow(bold.width);
    bold.rows.assign(static_cast<std::size_t>(to * glyph.height), 0);
    const auto ink = [&](int x, int y) {
        return x >= 0 && x < glyph.width && (glyph.rows[y * from + x / 8] & (0x80 >> (x % 8)));
    };
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < bold.width; ++x)
            if (ink(x, y) || ink(x - 1, y))
                bold.rows[y * to + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return bold;
}

}  // namespace fontgen
