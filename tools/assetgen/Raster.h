// SPDX-License-Identifier: MIT
// A plain RGBA raster and the file formats the game embeds: device-independent
// bitmaps (8-bit palette or 24-bit), BMP files, PNG, ICO and CUR.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb hexColour(std::uint32_t rgb);

class Raster {
public:
    Raster(int width, int height, Rgb fill = {});
    int width() const { return w_; }
    int height() const { return h_; }
    Rgb at(int x, int y) const { return px_[index(x, y)]; }
    bool opaque(int x, int y) const { return alpha_[index(x, y)]; }
    void set(int x, int y, Rgb c);
    void clear(int x, int y);  // makes the pixel transparent
    void fillRect(int x0, int y0, int x1, int y1, Rgb c);  // inclusive corners
    // Copies another raster scaled to w x h by nearest pixel, keeping its
    // transparency.
    void blitScaled(const Raster& src, int x, int y, int w, int h);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * w_ + x; }
    int w_, h_;
    std::vector<Rgb> px_;
    std::vector<bool> alpha_;
};

using Bytes = std::vector<std::uint8_t>;

// A DIB without file header: 40-byte header, bottom-up, 2834 px/m.
// With bits 8, a 256-entry palette of the raster's colours (at most 256).
Bytes encodeDib(const Raster& image, int bits);
// A complete 24-bit BMP file: 14-byte file header and a 24-bit DIB.
Bytes encodeBmpFile(const Raster& image);
// An 8-bit RGBA PNG (stored deflate blocks), transparency from the raster.
Bytes encodePng(const Raster& image);
// A one-image ICO with a 16-colour palette (standard VGA colours) and mask.
Bytes encodeIco16(const Raster& image);
// An ICO of several sizes, 32 bits with alpha: a bitmap with its mask up to
// 48 pixels, PNG above (as Windows reads its large icons).
Bytes encodeIcoSizes(const std::vector<Raster>& images);
// A one-image monochrome CUR with AND and XOR masks: black, white,
// transparent.
Bytes encodeCur(const Raster& image, int hotX, int hotY);

// The 16 colours of the standard VGA palette, in palette order.
const std::vector<Rgb>& vgaPalette();

}  // namespace assetgen
