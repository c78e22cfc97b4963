// SPDX-License-Identifier: MIT
// The nine sound effects, synthesised and written as RIFF WAVE images with
// the exact channels, rates, lengths and chunk layouts the game embeds.
#pragma once

#include <string>
#include <vector>

#include "Raster.h"

namespace assetgen {

struct SoundFormat {
    std::string name;
    int channels;
    int rate;
    int dataBytes;
    int totalBytes;
    bool longFmt;   // an 18-byte "fmt " chunk with a zero extension size
    bool fact;      // a "fact" chunk with the frame count before "data"
    bool trailingList;  // a "LIST" chunk after "data" fills up to totalBytes
};

const std::vector<SoundFormat>& soundFormats();

// The complete WAVE image of one sound.
Bytes renderSound(const SoundFormat& format);

}  // namespace assetgen
