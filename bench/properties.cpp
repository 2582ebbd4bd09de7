// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one key of a casino history of 20 lines of 5,000 spins (about 300 KB), the write
// made on every spin, against a plain write of the same bytes and a rename.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "storage/properties.hpp"
#include "support/files.hpp"

namespace {

using namespace brisvale;

constexpr int kLines = 20;
constexpr int kSpins = 5000;

std::string spins(unsigned seed) {
    std::string text;
    text.reserve(3 * kSpins);
    for (int i = 0; i < kSpins; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned spin = (seed >> 16) % 37;
        if (i > 0) text += ',';
        text += static_cast<char>('0' + spin / 10);
        text += static_cast<char>('0' + spin % 10);
    }
    return text;
}

std::string historyBytes(const std::string& line10) {
    std::string bytes = "index: 1\r\n";
    for (int line = 1; line <= kLines; ++line) {
        const std::string value = line == 10 ? line10 : spins(static_cast<unsigned>(line));
        bytes += "name" + std::to_string(line) + ": " + value + "\r\n";
    }
    return bytes;
}

// A private folder holding the history file, removed afterwards.
class HistoryFolder {
  public:
    HistoryFolder() : file_(folder_ / "CasinoHistory.dat") {
        writeFileAtomic(file_, historyBytes(spins(100)), nullptr, false);
    }
    const std::filesystem::path& file() const { return file_; }
    const std::filesystem::path& folder() const { return folder_.path; }

  private:
    brisvale::testing::TempDir folder_;
    std::filesystem::path file_;
};

void BM_SetProperty(benchmark::State& state, bool sync) {
    HistoryFolder folder;
    const std::string values[2] = {spins(101), spins(100)};
    int which = 0;
    for (auto _ : state) {
        if (!SetProperty(1, "name10", values[which], folder.file(), nullptr, sync)) {
            state.SkipWithError("write failed");
            break;
        }
        which ^= 1;
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(historyBytes(values[0]).size()));
}

// What any atomic replacement costs: the same bytes written to a second file and renamed.
void BM_PlainWriteRename(benchmark::State& state, bool sync) {
    HistoryFolder folder;
    const std::string contents[2] = {historyBytes(spins(101)), historyBytes(spins(100))};
    const std::string temp = folder.file().string() + ".tmp";
    int which = 0;
    for (auto _ : state) {
        const std::string& bytes = contents[which];
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool written = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) ==
                                            static_cast<ssize_t>(bytes.size());
        if (written && sync) ::fsync(fd);
        if (fd >= 0) ::close(fd);
        if (!written || ::rename(temp.c_str(), folder.file().c_str()) != 0) {
            state.SkipWithError("write failed");
            break;
        }
        if (sync) {
            const int dir = ::open(folder.folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::fsync(dir);
            ::close(dir);
        }
        which ^= 1;
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(contents[0].size()));
}

void BM_GetProperty(benchmark::State& state) {
    HistoryFolder folder;
    for (auto _ : state) benchmark::DoNotOptimize(GetProperty(1, "name20", folder.file()));
}

BENCHMARK_CAPTURE(BM_SetProperty, no_sync, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PlainWriteRename, no_sync, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SetProperty, sync, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_PlainWriteRename, sync, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GetProperty)->Unit(benchmark::kMicrosecond);

}  // namespace
