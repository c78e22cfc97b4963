// SPDX-License-Identifier: MIT
// Writes every picture, icon, cursor and sound of the game into one folder,
// under the file names the game's resources use.
#pragma once

#include <filesystem>

namespace assetgen {

// Creates `dir` if need be. Returns false if a file could not be written.
bool writeAssets(const std::filesystem::path& dir);

}  // namespace assetgen
