// SPDX-License-Identifier: MIT
// The characters the game can show: every character outside ASCII in its
// window and engine sources (texts, menus, the Qt texts it translates), and
// all of printable ASCII.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fontgen {

// Reads every .cpp, .h and .ui file under `roots` (recursively) as UTF-8.
// Files are visited in name order, so the result does not depend on the
// file system.
std::set<char32_t> charactersOf(const std::vector<std::filesystem::path>& roots);

// The characters of a UTF-8 text, in order; malformed bytes are skipped.
std::u32string decodeUtf8(const std::string& utf8);

}  // namespace fontgen
