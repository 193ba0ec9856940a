#pragma once

#include <zlib.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace tabrel {

// Members of an archive are cut into chunks of this size, and no block expands beyond it.
constexpr size_t kArchiveBlockSize = 16384;

// Compresses each chunk on its own as one complete zlib stream (level 1, one finishing call)
// into a buffer of kArchiveBlockSize bytes. One zlib state serves every chunk: resetting it
// gives the same bytes as a fresh one without the cost of setting it up again.
class BlockCompressor {
public:
    enum class Outcome { Compressed, DoesNotFit, Failed };

    BlockCompressor();
    ~BlockCompressor();
    BlockCompressor(const BlockCompressor&) = delete;
    BlockCompressor& operator=(const BlockCompressor&) = delete;

    // On Compressed, output() holds the stream until the next call.
    Outcome compress(std::string_view chunk);
    std::string_view output() const { return {out_.data(), size_}; }

private:
    z_stream stream_{};
    bool ready_ = false;
    std::vector<char> out_;
    size_t size_ = 0;
};

// Inflates one positive block, which must be a complete zlib stream of at most
// kArchiveBlockSize bytes once expanded, with a single call.
class BlockInflater {
public:
    enum class Outcome { Inflated, Corrupt, Failed };

    BlockInflater();
    ~BlockInflater();
    BlockInflater(const BlockInflater&) = delete;
    BlockInflater& operator=(const BlockInflater&) = delete;

    // On Inflated, output() holds the bytes until the next call.
    Outcome inflate(std::string_view block);
    std::string_view output() const { return {out_.data(), size_}; }

private:
    z_stream stream_{};
    bool ready_ = false;
    std::vector<char> out_;
    size_t size_ = 0;
};

}  // namespace tabrel
