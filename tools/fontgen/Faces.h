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

// What the faces are made from: HarfBuzz's version, and each source file
// with its size and FNV-1a hash. Written beside the faces as SOURCES.txt;
// other font packages or another HarfBuzz make other bytes.
std::string sourcesNote();

// Subsets every face to the characters of the game's sources under
// `sourceRoot` (ui/ and engine/) and writes it into `dir`. Returns an empty
// string, or what went wrong.
std::string writeFaces(const std::filesystem::path& sourceRoot, const std::filesystem::path& dir);

}  // namespace fontgen
