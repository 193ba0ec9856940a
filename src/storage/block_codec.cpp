#include "storage/block_codec.h"

namespace tabrel {

namespace {

Bytef* in_bytes(std::string_view s) {
    return reinterpret_cast<Bytef*>(const_cast<char*>(s.data()));
}

Bytef* out_bytes(std::vector<char>& v) {
    return reinterpret_cast<Bytef*>(v.data());
}

}  // namespace

BlockCompressor::BlockCompressor() : out_(kArchiveBlockSize) {
    ready_ = deflateInit(&stream_, 1) == Z_OK;
}

BlockCompressor::~BlockCompressor() {
    if (ready_) deflateEnd(&stream_);
}

BlockCompressor::Outcome BlockCompressor::compress(std::string_view chunk) {
    size_ = 0;
    if (!ready_ || chunk.size() > kArchiveBlockSize || deflateReset(&stream_) != Z_OK)
        return Outcome::Failed;
    stream_.next_in = in_bytes(chunk);
    stream_.avail_in = static_cast<uInt>(chunk.size());
    stream_.next_out = out_bytes(out_);
    stream_.avail_out = static_cast<uInt>(out_.size());
    const int rc = deflate(&stream_, Z_FINISH);
    if (rc == Z_STREAM_END) {
        size_ = out_.size() - stream_.avail_out;
        return Outcome::Compressed;
    }
    // A full output buffer leaves the stream unfinished (Z_OK) or unable to go on (Z_BUF_ERROR).
    return rc == Z_OK || rc == Z_BUF_ERROR ? Outcome::DoesNotFit : Outcome::Failed;
}

BlockInflater::BlockInflater() : out_(kArchiveBlockSize) {
    ready_ = inflateInit(&stream_) == Z_OK;
}

BlockInflater::~BlockInflater() {
    if (ready_) inflateEnd(&stream_);
}

BlockInflater::Outcome BlockInflater::inflate(std::string_view block) {
    size_ = 0;
    if (!ready_ || inflateReset(&stream_) != Z_OK) return Outcome::Failed;
    stream_.next_in = in_bytes(block);
    stream_.avail_in = static_cast<uInt>(block.size());
    stream_.next_out = out_bytes(out_);
    stream_.avail_out = static_cast<uInt>(out_.size());
    const int rc = ::inflate(&stream_, Z_FINISH);
    if (rc == Z_STREAM_END) {
        size_ = out_.size() - stream_.avail_out;
        return Outcome::Inflated;
    }
    return rc == Z_MEM_ERROR ? Outcome::Failed : Outcome::Corrupt;
}

}  // namespace tabrel
