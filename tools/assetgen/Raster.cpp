// SPDX-License-Identifier: MIT
#include "Raster.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

#include "ByteWriter.h"

namespace assetgen {

Rgb hexColour(std::uint32_t rgb)
{
    return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
            static_cast<int>(rgb & 0xFF)};
}

Raster::Raster(int width, int height, Rgb fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height, fill),
      alpha_(static_cast<std::size_t>(width) * height, true)
{
}

void Raster::set(int x, int y, Rgb c)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    px_[index(x, y)] = c;
    alpha_[index(x, y)] = true;
}

void Raster::clear(int x, int y)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    px_[index(x, y)] = {};
    alpha_[index(x, y)] = false;
}

void Raster::fillRect(int x0, int y0, int x1, int y1, Rgb c)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            set(x, y, c);
}

void Raster::blitScaled(const Raster& src, int x, int y, int w, int h)
{
    for (int dy = 0; dy < h; ++dy) {
        for (int dx = 0; dx < w; ++dx) {
            const int sx = dx * src.width() / w;
            const int sy = dy * src.height() / h;
            if (src.opaque(sx, sy))
                set(x + dx, y + dy, src.at(sx, sy));
        }
    }
}

namespace {

constexpr int kPixelsPerMetre = 2834;

int rowStride(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

void infoHeader(ByteWriter& out, int width, int height, int bits, std::uint32_t imageSize,
                std::uint32_t coloursUsed, int resolution)
{
    out.u32(40);
    out.i32(width);
    out.i32(height);
    out.u16(1);
    out.u16(bits);
    out.u32(0);  // uncompressed
    out.u32(imageSize);
    out.i32(resolution);
    out.i32(resolution);
    out.u32(coloursUsed);
    out.u32(0);
}

std::uint32_t crc32(const Bytes& data, std::size_t from, std::size_t to)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = from; i < to; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void bigEndian32(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void pngChunk(Bytes& png, const char* type, const Bytes& body)
{
    bigEndian32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    bigEndian32(png, crc32(png, start, png.size()));
}

int nearestVga(Rgb c)
{
    const auto& palette = vgaPalette();
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

// The AND mask of icons and cursors: 1 marks a transparent pixel.
void writeMask(ByteWriter& out, const Raster& image)
{
    const int stride = rowStride(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width(); ++x)
            if (!image.opaque(x, y))
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.append(row);
    }
}

}  // namespace

const std::vector<Rgb>& vgaPalette()
{
    static const std::vector<Rgb> palette = {
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
        {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    return palette;
}

Bytes encodeDib(const Raster& image, int bits)
{
    ByteWriter out;
    const int stride = rowStride(image.width(), bits);
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height());
    if (bits == 24) {
        infoHeader(out, image.width(), image.height(), 24, imageSize, 0, kPixelsPerMetre);
        for (int y = image.height() - 1; y >= 0; --y) {
            for (int x = 0; x < image.width(); ++x) {
                const Rgb c = image.at(x, y);
                out.u8(c.b);
                out.u8(c.g);
                out.u8(c.r);
            }
            out.zeros(stride - image.width() * 3);
        }
        return out.bytes();
    }
    if (bits != 8)
        throw std::invalid_argument("only 8 or 24 bits per pixel");

    // Palette in order of first appearance, scanning the stored rows.
    std::vector<Rgb> palette;
    std::map<std::uint32_t, int> indexOf;
    auto key = [](Rgb c) { return static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b); };
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.at(x, y);
            if (indexOf.emplace(key(c), static_cast<int>(palette.size())).second)
                palette.push_back(c);
        }
    }
    if (palette.size() > 256)
        throw std::runtime_error("more than 256 colours in an 8-bit picture");
    infoHeader(out, image.width(), image.height(), 8, imageSize, 256, kPixelsPerMetre);
    for (int i = 0; i < 256; ++i) {
        const Rgb c = i < static_cast<int>(palette.size()) ? palette[i] : Rgb{};
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x)
            out.u8(indexOf[key(image.at(x, y))]);
        out.zeros(stride - image.width());
    }
    return out.bytes();
}

Bytes encodeBmpFile(const Raster& image)
{
    const Bytes dib = encodeDib(image, 24);
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(14 + dib.size()));
    out.u32(0);
    out.u32(54);
    out.append(dib);
    return out.bytes();
}

Bytes encodePng(const Raster& image)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    bigEndian32(header, static_cast<std::uint32_t>(image.width()));
    bigEndian32(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    pngChunk(png, "IHDR", header);

    Bytes raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.at(x, y);
            const bool on = image.opaque(x, y);
            raw.insert(raw.end(), {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                   static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(on ? 255 : 0)});
        }
    }
    Bytes zlib = {0x78, 0x01};
    for (std::size_t at = 0; at < raw.size() || at == 0;) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + n >= raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<std::uint8_t>(n & 0xFF));
        zlib.push_back(static_cast<std::uint8_t>(n >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~n & 0xFF));
        zlib.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xFF));
        zlib.insert(zlib.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + n));
        at += n;
        if (last)
            break;
    }
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    bigEndian32(zlib, b << 16 | a);
    pngChunk(png, "IDAT", zlib);
    pngChunk(png, "IEND", {});
    return png;
}

Bytes encodeIco16(const Raster& image)
{
    const int w = image.width(), h = image.height();
    const int xorStride = rowStride(w, 4), andStride = rowStride(w, 1);
    const auto imageBytes = static_cast<std::uint32_t>(40 + 16 * 4 + (xorStride + andStride) * h);
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon
    out.u16(1);
    out.u8(w);
    out.u8(h);
    out.u8(16);
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(imageBytes);
    out.u32(22);
    infoHeader(out, w, h * 2, 4, static_cast<std::uint32_t>((xorStride + andStride) * h), 0, 0);
    for (const Rgb& c : vgaPalette()) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            const int index = image.opaque(x, y) ? nearestVga(image.at(x, y)) : 0;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.append(row);
    }
    writeMask(out, image);
    return out.bytes();
}

namespace {

Bytes encodeBgra(const Raster& image)
{
    const int w = image.width(), h = image.height();
    ByteWriter out;
    infoHeader(out, w, h * 2, 32, static_cast<std::uint32_t>((w * 4 + rowStride(w, 1)) * h), 0, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = image.opaque(x, y) ? image.at(x, y) : Rgb{};
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
            out.u8(image.opaque(x, y) ? 255 : 0);
        }
    writeMask(out, image);
    return out.bytes();
}

}  // namespace

Bytes encodeIcoSizes(const std::vector<Raster>& images)
{
    std::vector<Bytes> encoded;
    for (const Raster& image : images)
        encoded.push_back(image.width() > 48 ? encodePng(image) : encodeBgra(image));
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon
    out.u16(static_cast<int>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.u8(images[i].width() & 0xFF);  // 256 is written 0
        out.u8(images[i].height() & 0xFF);
        out.u8(0);  // no palette
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(static_cast<std::uint32_t>(encoded[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const Bytes& image : encoded)
        out.append(image);
    return out.bytes();
}

Bytes encodeCur(const Raster& image, int hotX, int hotY)
{
    const int w = image.width(), h = image.height();
    const int stride = rowStride(w, 1);
    const auto imageBytes = static_cast<std::uint32_t>(40 + 2 * 4 + 2 * stride * h);
    ByteWriter out;
    out.u16(0);
    out.u16(2);  // cursor
    out.u16(1);
    out.u8(w);
    out.u8(h);
    out.u8(2);
    out.u8(0);
    out.u16(hotX);
    out.u16(hotY);
    out.u32(imageBytes);
    out.u32(22);
    infoHeader(out, w, h * 2, 1, static_cast<std::uint32_t>(2 * stride * h), 2, 0);
    out.u32(0x00000000);
    out.u32(0x00FFFFFF);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const Rgb c = image.at(x, y);
            if (image.opaque(x, y) && c.r + c.g + c.b > 384)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.append(row);
    }
    writeMask(out, image);
    return out.bytes();
}

}  // namespace assetgen
