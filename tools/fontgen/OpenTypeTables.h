// SPDX-License-Identifier: MIT
// The few edits our faces need on OpenType tables, done on their bytes:
// a name table of our own, and the vertical metrics every renderer reads
// (hhea for FreeType and Core Text, OS/2 typo and win metrics for Windows).
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace fontgen {

// Appends the low `bytes` bytes of `value`, most significant first, as
// every OpenType field is stored.
void appendBigEndian(std::string& to, std::uint32_t value, int bytes);

struct FaceNames {
    std::string family;     // "Zembra Song"
    std::string style;      // "Regular" or "Bold"
    std::string version;    // "Version 1.0"
    std::string copyright;  // the source face's notice, kept as it stands
    std::string licence;    // the source face's licence description
    std::string licenceUrl;
    std::string description;
};

// A name table (format 0, Windows platform, Unicode BMP, US English) with
// the family, style, full, unique and PostScript names of `names`.
std::string nameTable(const FaceNames& names);

// Line metrics in font units: the extent above and below the baseline
// (both positive) and the gap between lines.
struct VerticalMetrics {
    int ascent;
    int descent;
    int lineGap;
};

// Writes `m` into the hhea and OS/2 tables (typo and win metrics alike),
// and marks the typo metrics as the ones to use.
void setVerticalMetrics(std::string& hhea, std::string& os2, const VerticalMetrics& m);

// The same as read back: hhea's ascender, -descender and line gap.
VerticalMetrics verticalMetrics(const std::string& hhea);

// The bold flags of OS/2 and head, set or cleared (the style's names must
// agree with them, or Windows will not find the bold face by its family).
void setBold(std::string& head, std::string& os2, bool bold);

// A font file of these tables, keyed by tag.
std::string fontFile(const std::map<std::uint32_t, std::string>& tables);

}  // namespace fontgen
