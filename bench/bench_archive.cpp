#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/clock.h"
#include "storage/archive.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kFiles = 40;
constexpr size_t kFileSize = 512 * 1024;  // 40 files: 20 MiB
constexpr size_t kChunk = 16384;

// Month-file-like text, varied enough that compression has real work to do.
std::string roster_text(size_t file_no) {
    std::string s;
    s.reserve(kFileSize + 128);
    unsigned seed = static_cast<unsigned>(file_no) * 2654435761u + 1;
    while (s.size() < kFileSize) {
        seed = seed * 1103515245u + 12345u;
        s += "d" + std::to_string(seed % 31 + 1) + "=" + std::to_string(seed >> 20 & 3) + "\xA4" +
             std::to_string(seed >> 8 & 1023) + "\xA4" + std::to_string(seed >> 16 & 511) +
             "\xA4\x37\x32\x30\xA4" + std::to_string(seed % 97) + "\xA4\xA4\x30\r\n";
    }
    s.resize(kFileSize);
    return s;
}

// The files to archive, written once into a temporary folder and removed at exit.
struct Corpus {
    fs::path folder;
    std::vector<std::string> contents;

    Corpus() {
        std::string tmpl = (fs::temp_directory_path() / "tabrel-bench-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("no temporary folder");
        folder = tmpl;
        for (size_t i = 0; i < kFiles; ++i) {
            contents.push_back(roster_text(i));
            std::ofstream(folder / ("2025_" + std::to_string(i) + ".tbr"), std::ios::binary)
                << contents.back();
        }
    }
    ~Corpus() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

const Corpus& corpus() {
    static const Corpus c;
    return c;
}

// The baseline: the same bytes through zlib level 1, one complete stream per 16384-byte chunk,
// from memory to memory. One stream state is reset per chunk, the cheapest way zlib offers.
size_t compress_in_chunks(const std::vector<std::string>& contents) {
    std::vector<unsigned char> out(kChunk);
    size_t written = 0;
    z_stream z{};
    deflateInit(&z, 1);
    for (const auto& text : contents) {
        for (size_t at = 0; at < text.size(); at += kChunk) {
            deflateReset(&z);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data() + at));
            z.avail_in = static_cast<uInt>(std::min(kChunk, text.size() - at));
            z.next_out = out.data();
            z.avail_out = static_cast<uInt>(out.size());
            deflate(&z, Z_FINISH);
            written += out.size() - z.avail_out;
        }
    }
    deflateEnd(&z);
    return written;
}

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_CreateArchiveVersusZlibChunks(benchmark::State& state) {
    const Corpus& c = corpus();
    const std::vector<std::string> masks{(c.folder / "*.tbr").string()};
    const fs::path archive = c.folder / "backup.bak";
    double archive_seconds = 0, baseline_seconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        benchmark::DoNotOptimize(compress_in_chunks(c.contents));
        baseline_seconds += seconds_since(start);

        start = Clock::now();
        if (!tabrel::create_archive(masks, archive, tabrel::system_clock()).ok)
            state.SkipWithError("archive failed");
        const double took = seconds_since(start);
        archive_seconds += took;
        state.SetIterationTime(took);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFiles * kFileSize));
    state.counters["baseline_ms"] = 1000 * baseline_seconds / state.iterations();
    state.counters["archive_ms"] = 1000 * archive_seconds / state.iterations();
    state.counters["ratio"] = archive_seconds / baseline_seconds;  // goal: at most 1.25
}
BENCHMARK(BM_CreateArchiveVersusZlibChunks)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
