// SPDX-License-Identifier: MIT
// The faces the game embeds, and the folder writer that makes them.
#pragma once

#include <filesystem>
#include <vector>

#include "FaceSubset.h"

namespace fontgen {

// Song for "宋体", a face with Arial's metrics, and a face close to Verdana,
// each from a Debian font package, in the styles the windows use.
const std::vector<FaceRecipe>& faces();

// Subsets every face to the characters of the game's sources under
// `sourceRoot` (ui/ and engine/) and writes it into `dir`. Returns an empty
// string, or what went wrong.
std::string writeFaces(const std::filesystem::path& sourceRoot, const std::filesystem::path& dir);

}  // namespace fontgen
