// SPDX-License-Identifier: MIT
#include "OpenTypeTables.h"

#include <hb.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Characters.h"

namespace fontgen {

namespace {

void put16(std::string& b, std::size_t at, int v)
{
    if (at + 2 > b.size())
        throw std::runtime_error("table too short");
    b[at] = static_cast<char>(v >> 8 & 0xFF);
    b[at + 1] = static_cast<char>(v & 0xFF);
}

int get16(const std::string& b, std::size_t at)
{
    if (at + 2 > b.size())
        throw std::runtime_error("table too short");
    return static_cast<unsigned char>(b[at]) << 8 | static_cast<unsigned char>(b[at + 1]);
}

void append16(std::string& b, int v)
{
    appendBigEndian(b, static_cast<std::uint32_t>(v), 2);
}

std::string utf16be(const std::string& utf8)
{
    std::string out;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c >= 0x10000) {
            c -= 0x10000;
            append16(out, static_cast<int>(0xD800 + (c >> 10)));
            append16(out, static_cast<int>(0xDC00 + (c & 0x3FF)));
        } else {
            append16(out, static_cast<int>(c));
        }
    }
    return out;
}

}  // namespace

void appendBigEndian(std::string& to, std::uint32_t value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        to.push_back(static_cast<char>(value >> shift & 0xFF));
}

std::string nameTable(const FaceNames& n)
{
    std::string postscript = n.family + "-" + n.style;
    std::erase(postscript, ' ');
    const std::vector<std::pair<int, std::string>> records = {
        {0, n.copyright},
        {1, n.family},
        {2, n.style},
        {3, n.family + " " + n.style + "; " + n.version},
        {4, n.style == "Regular" ? n.family : n.family + " " + n.style},
        {5, n.version},
        {6, postscript},
        {10, n.description},
        {13, n.licence},
        {14, n.licenceUrl},
    };
    std::string strings, table;
    int count = 0;
    for (const auto& [id, text] : records)
        count += text.empty() ? 0 : 1;
    append16(table, 0);
    append16(table, count);
    append16(table, 6 + 12 * count);
    for (const auto& [id, text] : records) {
        if (text.empty())
            continue;
        const std::string encoded = utf16be(text);
        append16(table, 3);      // Windows
        append16(table, 1);      // Unicode BMP
        append16(table, 0x409);  // US English
        append16(table, id);
        append16(table, static_cast<int>(encoded.size()));
        append16(table, static_cast<int>(strings.size()));
        strings += encoded;
    }
    return table + strings;
}

void setVerticalMetrics(std::string& hhea, std::string& os2, const VerticalMetrics& m)
{
    put16(hhea, 4, m.ascent);
    put16(hhea, 6, -m.descent & 0xFFFF);
    put16(hhea, 8, m.lineGap);
    put16(os2, 68, m.ascent);
    put16(os2, 70, -m.descent & 0xFFFF);
    put16(os2, 72, m.lineGap);
    put16(os2, 74, m.ascent);
    put16(os2, 76, m.descent);
    put16(os2, 62, get16(os2, 62) | 0x80);  // USE_TYPO_METRICS
}

VerticalMetrics verticalMetrics(const std::string& hhea)
{
    const auto s16 = [&](std::size_t at) { return static_cast<int16_t>(get16(hhea, at)); };
    return {s16(4), -s16(6), s16(8)};
}

void setBold(std::string& head, std::string& os2, bool bold)
{
    // OS/2 fsSelection: BOLD (bit 5) or REGULAR (bit 6); head macStyle bit 0.
    int sel = get16(os2, 62) & ~0x61;
    put16(os2, 62, sel | (bold ? 0x20 : 0x40));
    put16(os2, 4, bold ? 700 : 400);  // usWeightClass
    put16(head, 44, (get16(head, 44) & ~1) | (bold ? 1 : 0));
}

std::string fontFile(const std::map<std::uint32_t, std::string>& tables)
{
    const std::unique_ptr<hb_face_t, decltype(&hb_face_destroy)> builder(hb_face_builder_create(), hb_face_destroy);
    for (const auto& [tag, data] : tables) {
        hb_blob_t* blob = hb_blob_create(data.data(), static_cast<unsigned>(data.size()), HB_MEMORY_MODE_DUPLICATE,
                                         nullptr, nullptr);
        hb_face_builder_add_table(builder.get(), tag, blob);
        hb_blob_destroy(blob);
    }
    hb_blob_t* file = hb_face_reference_blob(builder.get());
    unsigned length = 0;
    const char* data = hb_blob_get_data(file, &length);
    std::string bytes(data, length);
    hb_blob_destroy(file);
    return bytes;
}

}  // namespace fontgen
