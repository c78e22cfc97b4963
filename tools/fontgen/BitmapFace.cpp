// SPDX-License-Identifier: MIT
#include "BitmapFace.h"

#include <hb.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

namespace fontgen {

namespace {

// Font units per pixel: the strike's pixels are whole units.
constexpr int kUnitsPerPixel = 64;

void u8(std::string& t, int v)
{
    appendBigEndian(t, static_cast<std::uint32_t>(v), 1);
}
void u16(std::string& t, int v)
{
    appendBigEndian(t, static_cast<std::uint32_t>(v), 2);
}
void u32(std::string& t, std::uint32_t v)
{
    appendBigEndian(t, v, 4);
}

struct Glyphs {
    std::vector<char32_t> codes;       // of glyphs 1..n
    std::vector<BitmapGlyph> bitmaps;  // of glyphs 0..n
};

std::string head(int unitsPerEm, const Glyphs& g)
{
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    for (const BitmapGlyph& b : g.bitmaps) {
        xMin = std::min(xMin, b.left);
        xMax = std::max(xMax, b.left + b.width);
        yMin = std::min(yMin, b.top - b.height);
        yMax = std::max(yMax, b.top);
    }
    std::string t;
    u32(t, 0x00010000);
    u32(t, 0x00010000);  // font revision
    u32(t, 0);           // checksum adjustment
    u32(t, 0x5F0F3CF5);
    u16(t, 0x000B);  // baseline and left side bearing at 0, integer scaling
    u16(t, unitsPerEm);
    for (int i = 0; i < 4; ++i)
        u32(t, 0);  // created and modified: none, so that the bytes do not depend on the day
    for (int v : {xMin, yMin, xMax, yMax})
        u16(t, v * kUnitsPerPixel & 0xFFFF);
    u16(t, 0);                          // mac style, set with the bold flag
    u16(t, unitsPerEm / kUnitsPerPixel);  // smallest readable size
    u16(t, 2);                          // direction hint
    u16(t, 0);                          // short loca offsets (there is no loca)
    u16(t, 0);
    return t;
}

std::string hhea(const Glyphs& g)
{
    int widest = 0;
    for (const BitmapGlyph& b : g.bitmaps)
        widest = std::max(widest, b.advance);
    std::string t;
    u32(t, 0x00010000);
    for (int i = 0; i < 3; ++i)
        u16(t, 0);  // line metrics, set with the OS/2 ones
    u16(t, widest * kUnitsPerPixel);
    for (int i = 0; i < 3; ++i)
        u16(t, 0);  // bearings and extent
    u16(t, 1);      // caret: upright
    for (int i = 0; i < 7; ++i)
        u16(t, 0);
    u16(t, static_cast<int>(g.bitmaps.size()));
    return t;
}

std::string hmtx(const Glyphs& g)
{
    std::string t;
    for (const BitmapGlyph& b : g.bitmaps) {
        u16(t, b.advance * kUnitsPerPixel);
        u16(t, b.left * kUnitsPerPixel & 0xFFFF);
    }
    return t;
}

std::string maxp(const Glyphs& g)
{
    std::string t;
    u32(t, 0x00005000);
    u16(t, static_cast<int>(g.bitmaps.size()));
    return t;
}

std::string os2(const Glyphs& g)
{
    int sum = 0;
    for (const BitmapGlyph& b : g.bitmaps)
        sum += b.advance;
    std::string t;
    u16(t, 4);
    u16(t, sum / static_cast<int>(g.bitmaps.size()) * kUnitsPerPixel);
    u16(t, 400);  // weight, set with the bold flag
    u16(t, 5);    // normal width
    u16(t, 0);    // installable: no embedding restrictions
    for (int i = 0; i < 11; ++i)
        u16(t, 0);  // sub- and superscripts, strikeout, family class
    t.append(10, '\0');  // no PANOSE classification
    // Unicode ranges: Basic Latin; CJK symbols and punctuation, CJK unified
    // ideographs; halfwidth and fullwidth forms.
    u32(t, 1u << 0);
    u32(t, 1u << (48 - 32) | 1u << (59 - 32));
    u32(t, 1u << (68 - 64));
    u32(t, 0);
    t += "ZMBR";
    u16(t, 0x40);  // fsSelection: regular, set with the bold flag
    u16(t, static_cast<int>(std::min<char32_t>(g.codes.front(), 0xFFFF)));
    u16(t, static_cast<int>(std::min<char32_t>(g.codes.back(), 0xFFFF)));
    for (int i = 0; i < 5; ++i)
        u16(t, 0);  // line metrics, set after
    u32(t, 1u << 0 | 1u << 18);  // code pages: Latin 1, Simplified Chinese
    u32(t, 0);
    u16(t, 0);  // x height
    u16(t, 0);  // cap height
    u16(t, 0);  // default character: .notdef
    u16(t, 0x20);
    u16(t, 1);
    return t;
}

std::string post()
{
    std::string t;
    u32(t, 0x00030000);  // no glyph names
    u32(t, 0);           // upright
    u16(t, -kUnitsPerPixel & 0xFFFF);
    u16(t, kUnitsPerPixel);
    for (int i = 0; i < 5; ++i)
        u32(t, 0);
    return t;
}

// A format 4 character map: one segment per run of consecutive codes.
std::string cmap(const Glyphs& g)
{
    struct Segment {
        int start, end, delta;
    };
    std::vector<Segment> segments;
    for (std::size_t i = 0; i < g.codes.size(); ++i) {
        const int code = static_cast<int>(g.codes[i]), glyph = static_cast<int>(i + 1);
        if (code > 0xFFFE)
            throw std::runtime_error("a bitmap face maps the Basic Multilingual Plane only");
        if (!segments.empty() && segments.back().end + 1 == code)
            segments.back().end = code;
        else
            segments.push_back({code, code, (glyph - code) & 0xFFFF});
    }
    segments.push_back({0xFFFF, 0xFFFF, 1});
    const int count = static_cast<int>(segments.size());
    int power = 1, log2 = 0;
    while (power * 2 <= count)
        power *= 2, ++log2;
    std::string sub;
    u16(sub, 4);
    u16(sub, 16 + 8 * count);
    u16(sub, 0);
    u16(sub, 2 * count);
    u16(sub, 2 * power);
    u16(sub, log2);
    u16(sub, 2 * count - 2 * power);
    for (const Segment& s : segments)
        u16(sub, s.end);
    u16(sub, 0);
    for (const Segment& s : segments)
        u16(sub, s.start);
    for (const Segment& s : segments)
        u16(sub, s.delta);
    for (int i = 0; i < count; ++i)
        u16(sub, 0);
    std::string t;
    u16(t, 0);
    u16(t, 1);
    u16(t, 3);  // Windows
    u16(t, 1);  // Unicode BMP
    u32(t, 12);
    return t + sub;
}

// EBLC's line metrics of the strike, horizontal and (the same) vertical.
std::string lineMetrics(const Glyphs& g, const VerticalMetrics& lines)
{
    int widest = 0, minLeft = 0, minRight = 0, maxTop = 0, minBottom = 0;
    for (const BitmapGlyph& b : g.bitmaps) {
        widest = std::max(widest, b.width);
        minLeft = std::min(minLeft, b.left);
        minRight = std::min(minRight, b.advance - b.left - b.width);
        maxTop = std::max(maxTop, b.top);
        minBottom = std::min(minBottom, b.top - b.height);
    }
    std::string t;
    u8(t, lines.ascent);
    u8(t, -lines.descent & 0xFF);
    u8(t, widest);
    u8(t, 1);  // caret slope: upright
    u8(t, 0);
    u8(t, 0);
    u8(t, minLeft & 0xFF);
    u8(t, minRight & 0xFF);
    u8(t, maxTop);
    u8(t, minBottom & 0xFF);
    u16(t, 0);
    return t + t;
}

// Each glyph as image format 1: small metrics, then byte-aligned rows.
std::string imageOf(const BitmapGlyph& b)
{
    std::string t;
    u8(t, b.height);
    u8(t, b.width);
    u8(t, b.left & 0xFF);
    u8(t, b.top & 0xFF);
    u8(t, b.advance);
    t.append(b.rows.begin(), b.rows.end());
    return t;
}

void bitmapTables(const Glyphs& g, const BitmapFaceLayout& layout, std::string& eblc, std::string& ebdt)
{
    const int last = static_cast<int>(g.bitmaps.size()) - 1;
    ebdt.clear();
    u32(ebdt, 0x00020000);
    std::vector<std::uint32_t> offsets;
    const std::size_t imagesStart = ebdt.size();
    for (const BitmapGlyph& b : g.bitmaps) {
        offsets.push_back(static_cast<std::uint32_t>(ebdt.size() - imagesStart));
        ebdt += imageOf(b);
    }
    offsets.push_back(static_cast<std::uint32_t>(ebdt.size() - imagesStart));

    // One index subtable (format 1: an offset per glyph) for all glyphs.
    std::string index;
    u16(index, 0);
    u16(index, last);
    u32(index, 8);  // the subtable follows this one-entry array
    u16(index, 1);
    u16(index, 1);
    u32(index, static_cast<std::uint32_t>(imagesStart));
    for (std::uint32_t offset : offsets)
        u32(index, offset);

    eblc.clear();
    u32(eblc, 0x00020000);
    u32(eblc, 1);
    u32(eblc, 8 + 48);  // the index follows the one size record
    u32(eblc, static_cast<std::uint32_t>(index.size()));
    u32(eblc, 1);
    u32(eblc, 0);
    eblc += lineMetrics(g, layout.lines);
    u16(eblc, 0);
    u16(eblc, last);
    u8(eblc, layout.pixelSize);
    u8(eblc, layout.pixelSize);
    u8(eblc, 1);  // one bit per pixel
    u8(eblc, 1);  // horizontal metrics
    eblc += index;
}

}  // namespace

std::string bitmapFace(const Strike& strike, const BitmapFaceLayout& layout, const FaceNames& names)
{
    if (strike.glyphs.empty())
        throw std::runtime_error("a bitmap face needs glyphs");
    Glyphs g;
    BitmapGlyph notdef;
    notdef.advance = layout.pixelSize / 2;
    g.bitmaps.push_back(notdef);
    for (const auto& [code, glyph] : strike.glyphs) {
        g.codes.push_back(code);
        g.bitmaps.push_back(layout.bold ? emboldened(glyph) : glyph);
    }
    const int unitsPerEm = layout.pixelSize * kUnitsPerPixel;

    std::map<std::uint32_t, std::string> tables;
    tables[HB_TAG('h', 'e', 'a', 'd')] = head(unitsPerEm, g);
    tables[HB_TAG('h', 'h', 'e', 'a')] = hhea(g);
    tables[HB_TAG('h', 'm', 't', 'x')] = hmtx(g);
    tables[HB_TAG('m', 'a', 'x', 'p')] = maxp(g);
    tables[HB_TAG('O', 'S', '/', '2')] = os2(g);
    tables[HB_TAG('p', 'o', 's', 't')] = post();
    tables[HB_TAG('c', 'm', 'a', 'p')] = cmap(g);
    tables[HB_TAG('n', 'a', 'm', 'e')] = nameTable(names);
    bitmapTables(g, layout, tables[HB_TAG('E', 'B', 'L', 'C')], tables[HB_TAG('E', 'B', 'D', 'T')]);
    const VerticalMetrics units{layout.lines.ascent * kUnitsPerPixel, layout.lines.descent * kUnitsPerPixel,
                                layout.lines.lineGap * kUnitsPerPixel};
    setVerticalMetrics(tables[HB_TAG('h', 'h', 'e', 'a')], tables[HB_TAG('O', 'S', '/', '2')], units);
    setBold(tables[HB_TAG('h', 'e', 'a', 'd')], tables[HB_TAG('O', 'S', '/', '2')], layout.bold);
    return fontFile(tables);
}

std::string strikeFace(const FaceRecipe& r, const std::set<char32_t>& characters)
{
    if (r.source.empty())
        throw std::runtime_error(r.sourceName + " is not installed (Debian: " + r.packages + ")");
    const auto pixels = [&](int perMille) {
        const double exact = perMille * r.strikeSize / 1000.0;
        return static_cast<int>(r.linked ? std::floor(exact) : std::lround(exact));
    };
    const BitmapFaceLayout layout{
        r.strikeSize, {pixels(r.perMille.ascent), pixels(r.perMille.descent), pixels(r.perMille.lineGap)}, r.bold};
    return bitmapFace(readStrike(r.source, characters), layout, faceNames(r, r.copyright, r.licence));
}

}  // namespace fontgen
