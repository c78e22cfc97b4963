// SPDX-License-Identifier: MIT
// The committed assets are exactly what assetgen writes, and every file has
// the format, size and layout the game relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "AssetFolder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t u32(const Bytes& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}
std::uint16_t u16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}
std::string tag(const Bytes& b, std::size_t at)
{
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + 4));
}

const fs::path kAssets = ZEMBRA_ASSETS_DIR;

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& o, const Rgb& c)
{
    return o << "(" << c.r << "," << c.g << "," << c.b << ")";
}
Rgb hex(std::uint32_t v)
{
    return {static_cast<int>(v >> 16 & 0xFF), static_cast<int>(v >> 8 & 0xFF), static_cast<int>(v & 0xFF)};
}

// A decoded bottom-up DIB (8 bits with palette, or 24 bits).
struct Dib {
    int width, height, bits;
    std::vector<Rgb> pixels;  // top row first
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Dib decodeDib(const Bytes& b, std::size_t offset, std::size_t pixelOffset)
{
    Dib d{static_cast<int>(u32(b, offset + 4)), static_cast<int>(u32(b, offset + 8)), u16(b, offset + 14), {}};
    const int stride = ((d.width * d.bits + 31) / 32) * 4;
    d.pixels.resize(static_cast<std::size_t>(d.width) * d.height);
    for (int y = 0; y < d.height; ++y) {
        const std::size_t row = pixelOffset + static_cast<std::size_t>(d.height - 1 - y) * stride;
        for (int x = 0; x < d.width; ++x) {
            Rgb c{};
            if (d.bits == 24) {
                c = {b.at(row + x * 3 + 2), b.at(row + x * 3 + 1), b.at(row + x * 3)};
            } else {
                const std::size_t entry = offset + 40 + 4 * b.at(row + x);
                c = {b.at(entry + 2), b.at(entry + 1), b.at(entry)};
            }
            d.pixels[static_cast<std::size_t>(y) * d.width + x] = c;
        }
    }
    return d;
}

}  // namespace

TEST(Assets, CommittedFilesAreExactlyWhatTheGeneratorWrites)
{
    const fs::path out = fs::temp_directory_path() / ("zembra-assets-" + std::to_string(std::random_device{}()));
    fs::remove_all(out);
    ASSERT_TRUE(assetgen::writeAssets(out));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
        ++files;
        const fs::path committed = kAssets / entry.path().filename();
        ASSERT_TRUE(fs::exists(committed)) << committed << " is not committed";
        EXPECT_TRUE(readFile(entry.path()) == readFile(committed)) << entry.path().filename() << " differs";
    }
    EXPECT_EQ(files, 11 + 1 + 10 + 1 + 1 + 3 + 1 + 1 + 9);
    fs::remove_all(out);
}

TEST(Assets, CellTilesFollowTheirFormulaAndColourTable)
{
    const struct {
        const char* name;
        int bits;
        std::uint32_t base, outlineTop, outlineBottom, rim, band;
    } tiles[] = {
        {"tt", 8, 0xD00C06, 0xB90F14, 0x9F0603, 0xFA7B78, 0xDD4E3A},
        {"zz", 8, 0x289801, 0x297200, 0x175400, 0x9FFF41, 0x42C017},
        {"fz", 8, 0x7500B4, 0x580EA3, 0x56008B, 0xB777FD, 0x9C46D5},
        {"z7", 8, 0xCA8500, 0xB16100, 0x936300, 0xFFC472, 0xFFB616},
        {"f7", 8, 0x0722BA, 0x0D3BA1, 0x01218D, 0x7CAAFA, 0x4562D2},
        {"z3", 8, 0x0073BE, 0x076897, 0x004369, 0x6ADCFE, 0x309CD6},
        {"ff", 8, 0xA7BF09, 0x969E0E, 0x6C8104, 0xF8F97B, 0xBDD048},
        {"fk49", 24, 0xD657A5, 0xBC5A9D, 0x9E5886, 0xFF9DEA, 0xE576C1},
        {"fk50", 24, 0xE36D6A, 0xD46D73, 0xC56A68, 0xFCB0AE, 0xEB9589},
        {"fk51", 24, 0x84A3F4, 0x8BACE2, 0x859FD9, 0xC4DEFF, 0xA3BAF7},
        {"hy", 8, 0x525252, 0x404040, 0x1F1F1F, 0xA9A9A9, 0x727272},
    };
    for (const auto& t : tiles) {
        SCOPED_TRACE(t.name);
        const Bytes b = readFile(kAssets / (std::string(t.name) + ".dib"));
        const bool palette = t.bits == 8;
        ASSERT_EQ(b.size(), palette ? 1792u : 2120u);
        EXPECT_EQ(u32(b, 0), 40u);
        EXPECT_EQ(u32(b, 4), 26u);
        EXPECT_EQ(u32(b, 8), 26u) << "positive height: bottom-up rows";
        EXPECT_EQ(u16(b, 12), 1);
        EXPECT_EQ(u16(b, 14), t.bits);
        EXPECT_EQ(u32(b, 16), 0u) << "uncompressed";
        EXPECT_EQ(u32(b, 20), palette ? 728u : 2080u);
        EXPECT_EQ(u32(b, 24), 2834u);
        EXPECT_EQ(u32(b, 28), 2834u);
        const Dib d = decodeDib(b, 0, palette ? 40 + 1024 : 40);
        const Rgb base = hex(t.base);
        for (int i = 0; i < 25; ++i) {
            EXPECT_EQ(d.at(i, 0), hex(t.outlineTop)) << "top outline " << i;
            EXPECT_EQ(d.at(0, i), hex(t.outlineTop)) << "left outline " << i;
            EXPECT_EQ(d.at(i + 1, 25), hex(t.outlineBottom)) << "bottom outline " << i;
            EXPECT_EQ(d.at(25, i + 1), hex(t.outlineBottom)) << "right outline " << i;
        }
        for (int i = 1; i <= 24; ++i) {
            EXPECT_EQ(d.at(i, 1), hex(t.rim));
            EXPECT_EQ(d.at(1, i), hex(t.rim));
        }
        for (int i = 2; i <= 23; ++i) {
            EXPECT_EQ(d.at(24, i), hex(t.band)) << "right band " << i;
            const Rgb low = d.at(i, 24);
            EXPECT_TRUE(low.r <= base.r && low.g <= base.g && low.b <= base.b && low.r >= base.r * 8 / 10)
                << "bottom band at or a little below the base colour: " << low;
        }
        double error = 0, worst = 0;
        for (int y = 2; y <= 23; ++y) {
            for (int x = 2; x <= 23; ++x) {
                const Rgb c = d.at(x, y);
                const int channel[3] = {c.r, c.g, c.b};
                const int baseChannel[3] = {base.r, base.g, base.b};
                for (int k = 0; k < 3; ++k) {
                    const double expected =
                        baseChannel[k] + 0.9 * (255 - baseChannel[k]) * std::max(0, 42 - x - y) / 38.0;
                    const double e = std::fabs(channel[k] - expected);
                    error += e;
                    worst = std::max(worst, e);
                }
            }
        }
        EXPECT_LE(worst, 10.0);
        EXPECT_LE(error / (22 * 22 * 3), 3.0);
        EXPECT_EQ(d.at(23, 23), base) << "the base colour below the diagonal";
    }
}

TEST(Assets, BackgroundRegions)
{
    const Bytes b = readFile(kAssets / "mainback.bmp");
    ASSERT_EQ(b.size(), 497118u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), 497118u);
    EXPECT_EQ(u32(b, 10), 54u);
    EXPECT_EQ(u16(b, 28), 24);
    const Dib d = decodeDib(b, 14, 54);
    ASSERT_EQ(d.width, 370);
    ASSERT_EQ(d.height, 447);
    const struct {
        const char* what;
        int x0, x1, y0, y1;
    } black[] = {
        {"large field", 110, 356, 12, 433}, {"box 1", 13, 95, 12, 109}, {"box 2", 13, 95, 116, 208},
        {"box 4", 13, 95, 362, 433},
    };
    for (const auto& r : black)
        for (int y = r.y0; y <= r.y1; ++y)
            for (int x = r.x0; x <= r.x1; ++x)
                ASSERT_EQ(d.at(x, y), (Rgb{0, 0, 0})) << r.what << " at " << x << "," << y;
    const Rgb bar = hex(0xEBE8EE), edge = hex(0x5F5C5D);
    for (int y = 12; y <= 433; ++y)
        for (int x = 97; x <= 108; ++x)
            ASSERT_EQ(d.at(x, y), bar) << x << "," << y;
    for (auto [y0, y1] : {std::pair{110, 115}, std::pair{209, 227}, std::pair{357, 361}}) {
        EXPECT_EQ(d.at(50, y0), edge);
        EXPECT_EQ(d.at(50, y1), edge);
        EXPECT_EQ(d.at(50, (y0 + y1) / 2), bar);
    }
    // The frame: lighter outermost line, mottled grey, three lines at the black.
    EXPECT_EQ(d.at(0, 200), hex(0x979696));
    EXPECT_EQ(d.at(200, 446), hex(0x979696));
    EXPECT_EQ(d.at(12, 200), hex(0x5A5757));
    EXPECT_EQ(d.at(11, 200), hex(0x5D5A5B));
    EXPECT_EQ(d.at(10, 200), hex(0x807D77));
    EXPECT_EQ(d.at(357, 200), hex(0x5A5757));
    EXPECT_EQ(d.at(200, 11), hex(0x5A5757));
    EXPECT_EQ(d.at(200, 434), hex(0x5A5757));
    for (auto [x, y] : {std::pair{5, 100}, std::pair{200, 5}, std::pair{364, 300}, std::pair{100, 440}}) {
        const Rgb c = d.at(x, y);
        EXPECT_NEAR(c.r, 0x78, 8);
        EXPECT_NEAR(c.g, 0x76, 8);
        EXPECT_NEAR(c.b, 0x76, 8);
    }
    int coloured = 0;
    for (int y = 228; y <= 356; ++y)
        for (int x = 13; x <= 95; ++x)
            coloured += !(d.at(x, y) == Rgb{0, 0, 0});
    EXPECT_GT(coloured, 1000) << "box 3 holds a picture";
}

TEST(Assets, IconAndCursor)
{
    const Bytes icon = readFile(kAssets / "mainicon.ico");
    ASSERT_EQ(icon.size(), 22u + 744u);
    EXPECT_EQ(u16(icon, 2), 1) << "an icon";
    EXPECT_EQ(u16(icon, 4), 1) << "one image";
    EXPECT_EQ(icon[6], 32);
    EXPECT_EQ(icon[7], 32);
    EXPECT_EQ(icon[8], 16) << "16 colours";
    EXPECT_EQ(u32(icon, 14), 744u);
    EXPECT_EQ(u16(icon, 22 + 14), 4) << "4 bits per pixel";

    // Windows' icon: every size 32 bits with alpha, each scaled from the
    // picture by nearest pixel, so that no colour is blended.
    const Bytes sizes = readFile(kAssets / "zembra.ico");
    ASSERT_EQ(u16(sizes, 4), 5) << "five sizes";
    auto bgra = [&](int entry, int x, int y) {  // the pixel of a bitmap entry, top-down
        const std::size_t image = u32(sizes, 6 + 16 * entry + 12);
        const int size = sizes[6 + 16 * entry];
        return u32(sizes, image + 40 + 4 * ((size - 1 - y) * size + x));
    };
    const int expected[] = {16, 24, 32, 48, 256};
    for (int entry = 0; entry < 5; ++entry) {
        const std::size_t dir = 6 + 16 * entry;
        EXPECT_EQ(sizes[dir] == 0 ? 256 : sizes[dir], expected[entry]);
        EXPECT_EQ(u16(sizes, dir + 6), 32) << expected[entry] << " px: 32 bits";
        const std::size_t image = u32(sizes, dir + 12);
        if (expected[entry] == 256) {
            EXPECT_EQ(u32(sizes, image), 0x474E5089u) << "PNG";
            continue;
        }
        EXPECT_EQ(u16(sizes, image + 14), 32);
        for (int y = 0; y < expected[entry]; ++y)
            for (int x = 0; x < expected[entry]; ++x)
                ASSERT_EQ(bgra(entry, x, y), bgra(2, x * 32 / expected[entry], y * 32 / expected[entry]))
                    << expected[entry] << " px at " << x << "," << y;
    }
    EXPECT_EQ(bgra(2, 16, 16) >> 24, 0xFFu) << "opaque inside";

    const Bytes cursor = readFile(kAssets / "handcursor.cur");
    EXPECT_EQ(u16(cursor, 2), 2) << "a cursor";
    EXPECT_EQ(cursor[6], 32);
    EXPECT_EQ(cursor[7], 32);
    EXPECT_EQ(u16(cursor, 10), 6) << "hot spot x";
    EXPECT_EQ(u16(cursor, 12), 0) << "hot spot y";
    EXPECT_EQ(u16(cursor, 22 + 14), 1) << "monochrome";
    // The hot spot is on the fingertip: an opaque pixel of the AND mask.
    const std::size_t andMask = 22 + 40 + 8 + 32 * 4;
    const std::size_t topRow = andMask + 31 * 4;
    EXPECT_EQ(cursor.at(topRow) & (0x80 >> 6), 0) << "opaque at (6, 0)";
    EXPECT_NE(cursor.at(topRow) & 0x80, 0) << "transparent at (0, 0)";
}

TEST(Assets, SoundsHaveTheirExactLayout)
{
    const struct {
        const char* name;
        int channels, rate, dataBytes, size, fmtBytes;
        bool fact, list;
    } sounds[] = {
        {"start", 2, 16000, 85436, 85494, 18, true, false}, {"pause", 1, 44100, 47916, 47960, 16, false, false},
        {"next", 1, 22050, 171076, 171196, 16, false, true}, {"lose", 2, 44100, 512488, 512532, 16, false, false},
        {"turn", 1, 11025, 1904, 2054, 18, false, true},     {"down", 1, 22050, 16256, 16424, 16, false, true},
        {"xc", 1, 44100, 181250, 181294, 16, false, false},  {"xa", 1, 11025, 5010, 5054, 16, false, false},
        {"ct", 1, 44100, 84992, 85036, 16, false, false},
    };
    for (const auto& s : sounds) {
        SCOPED_TRACE(s.name);
        const Bytes b = readFile(kAssets / (std::string(s.name) + ".wav"));
        ASSERT_EQ(static_cast<int>(b.size()), s.size);
        EXPECT_EQ(tag(b, 0), "RIFF");
        EXPECT_EQ(static_cast<int>(u32(b, 4)), s.size - 8);
        EXPECT_EQ(tag(b, 8), "WAVE");
        std::vector<std::string> order;
        std::size_t at = 12, dataAt = 0;
        while (at + 8 <= b.size()) {
            const std::string id = tag(b, at);
            const std::uint32_t n = u32(b, at + 4);
            order.push_back(id);
            if (id == "fmt ") {
                EXPECT_EQ(static_cast<int>(n), s.fmtBytes);
                EXPECT_EQ(u16(b, at + 8), 1) << "PCM";
                EXPECT_EQ(u16(b, at + 10), s.channels);
                EXPECT_EQ(static_cast<int>(u32(b, at + 12)), s.rate);
                EXPECT_EQ(static_cast<int>(u32(b, at + 16)), s.rate * 2 * s.channels);
                EXPECT_EQ(u16(b, at + 20), 2 * s.channels);
                EXPECT_EQ(u16(b, at + 22), 16);
                if (n == 18) {
                    EXPECT_EQ(u16(b, at + 24), 0) << "extension size";
                }
            } else if (id == "fact") {
                EXPECT_EQ(u32(b, at + 8), 21359u);
            } else if (id == "data") {
                EXPECT_EQ(static_cast<int>(n), s.dataBytes);
                dataAt = at + 8;
            }
            at += 8 + n + (n & 1);
        }
        EXPECT_EQ(at, b.size()) << "chunks fill the file";
        std::vector<std::string> expected = {"fmt "};
        if (s.fact)
            expected.push_back("fact");
        expected.push_back("data");
        if (s.list)
            expected.push_back("LIST");
        EXPECT_EQ(order, expected);

        // Audible to near its end, and silent at both edges (no clicks).
        const int frames = s.dataBytes / (2 * s.channels);
        auto sample = [&](int frame) {
            return static_cast<std::int16_t>(u16(b, dataAt + static_cast<std::size_t>(frame) * 2 * s.channels));
        };
        EXPECT_LT(std::abs(sample(0)), 200);
        EXPECT_LT(std::abs(sample(frames - 1)), 200);
        int peakTail = 0;
        for (int f = frames * 85 / 100; f < frames * 95 / 100; ++f)
            peakTail = std::max(peakTail, std::abs(static_cast<int>(sample(f))));
        EXPECT_GT(peakTail, 100) << "still sounding at 90% of its length";
    }
}
