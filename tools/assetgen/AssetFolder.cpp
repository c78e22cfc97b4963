// SPDX-License-Identifier: MIT
#include "AssetFolder.h"

#include <fstream>
#include <string>

#include "Background.h"
#include "Icons.h"
#include "Sounds.h"
#include "Tiles.h"

namespace assetgen {

namespace {

bool write(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

bool writeAssets(const std::filesystem::path& dir)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    bool ok = true;
    for (const TileStyle& style : tileStyles())
        ok &= write(dir / (style.name + ".dib"), encodeDib(renderTile(style), style.bits));
    ok &= write(dir / "mainback.bmp", encodeBmpFile(renderBackground()));
    const auto toolbar = renderToolbarImages();
    for (std::size_t i = 0; i < toolbar.size(); ++i)
        ok &= write(dir / ("toolbar" + std::to_string(i) + ".png"), encodePng(toolbar[i]));
    const Raster icon = renderAppIcon();
    ok &= write(dir / "mainicon.ico", encodeIco16(icon));
    // The desktop's icon theme gets the same picture, scaled by whole pixels.
    for (int size : {32, 64, 128}) {
        Raster big(size, size);
        big.blitScaled(icon, 0, 0, size, size);
        ok &= write(dir / ("zembra-" + std::to_string(size) + ".png"), encodePng(big));
    }
    // Windows' icon of the program and its window, at the sizes Explorer,
    // the task bar and scaled screens show, each from the picture by
    // nearest pixel.
    std::vector<Raster> sizes;
    for (int size : {16, 24, 32, 48, 256}) {
        sizes.emplace_back(size, size);
        sizes.back().blitScaled(icon, 0, 0, size, size);
    }
    ok &= write(dir / "zembra.ico", encodeIcoSizes(sizes));
    ok &= write(dir / "information.png", encodePng(renderInformationIcon()));
    ok &= write(dir / "handcursor.cur", encodeCur(renderHandCursor(), HandHotX, HandHotY));
    for (const SoundFormat& format : soundFormats())
        ok &= write(dir / (format.name + ".wav"), renderSound(format));
    return ok;
}

}  // namespace assetgen
