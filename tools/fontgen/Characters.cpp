// SPDX-License-Identifier: MIT
#include "Characters.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace fontgen {

namespace fs = std::filesystem;

std::u32string decodeUtf8(const std::string& utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size()) {
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            ok = ok && (b & 0xC0) == 0x80;
            c = c << 6 | (b & 0x3F);
        }
        i += ok ? static_cast<std::size_t>(extra) + 1 : 1;
        if (ok)
            out.push_back(c);
    }
    return out;
}

std::set<char32_t> charactersOf(const std::vector<fs::path>& roots)
{
    std::set<char32_t> out;
    for (char32_t c = 0x20; c < 0x7F; ++c)
        out.insert(c);
    std::vector<fs::path> files;
    for (const fs::path& root : roots)
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h" || ext == ".ui"))
                files.push_back(entry.path());
        }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        for (char32_t c : decodeUtf8(text))
            if (c >= 0xA0)
                out.insert(c);
    }
    return out;
}

}  // namespace fontgen
