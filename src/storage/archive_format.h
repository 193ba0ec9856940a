#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/block_codec.h"

namespace tabrel::archive_format {

// Every integer of the container is 32-bit little-endian and signed.

inline constexpr std::string_view kSignature{"EC2\0", 4};
inline constexpr std::string_view kFileListName = "FILE:LIST";
inline constexpr std::string_view kNextDiskPrefix = "NEXT:DISK";

// Longer member names can only come from a damaged archive (no system allows such paths).
inline constexpr int32_t kMaxNameLength = 32767;
// A positive block is a zlib stream that expands to at most kArchiveBlockSize bytes; this is
// the most such a stream needs even when zlib stores the bytes uncompressed.
inline constexpr int32_t kMaxCompressedBlock = static_cast<int32_t>(kArchiveBlockSize) + 64;

inline void put_i32(std::string& out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
    out += static_cast<char>(v >> 16 & 0xFF);
    out += static_cast<char>(v >> 24 & 0xFF);
}

inline int32_t get_i32(std::string_view four) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(four[i]);
    return static_cast<int32_t>(v);
}

}  // namespace tabrel::archive_format
