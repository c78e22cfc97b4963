// SPDX-License-Identifier: MIT
// Little-endian byte buffer used by every file writer of the generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

class ByteWriter {
public:
    void u8(unsigned v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(unsigned v) { u8(v & 0xFF); u8((v >> 8) & 0xFF); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void i16(int v) { u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void tag(const char (&four)[5]) { bytes_.insert(bytes_.end(), four, four + 4); }
    void text(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void append(const std::vector<std::uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    void patch32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace assetgen
