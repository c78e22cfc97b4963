// SPDX-License-Identifier: MIT
// assetgen: writes every picture, icon, cursor and sound of the game into a
// folder. Its output is deterministic and committed under assets/.
#include <cstdio>
#include <filesystem>

#include "AssetFolder.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    if (!assetgen::writeAssets(dir)) {
        std::fprintf(stderr, "assetgen: could not write into %s\n", dir.string().c_str());
        return 1;
    }
    return 0;
}
