// SPDX-License-Identifier: GPL-3.0-or-later
// A casino history of about 100 MB: many casinos of 30,000 spins each with the one played near
// the start of the file, or the played casino alone with 30 million spins. The time a recorded
// spin takes, as the whole press at that casino, and the program's peak memory (peak_MB, the
// whole process so far; run one benchmark at a time with --benchmark_filter for its own).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_table.hpp"
#include "big_casino.hpp"

namespace {

using namespace brisvale;

constexpr std::size_t kFileBytes = 100'000'000;

// "index: 1", a small casino, the played one ("Big") and then casinos of 30,000 spins each
// until the file holds kFileBytes.
std::vector<std::string> bigHistory(int bigSpins) {
    std::vector<std::string> lines = {"index: 1", "name1: Small,4,5,",
                                      "name2: " + bench::bigCasinoLine(bigSpins)};
    const std::string filler = bench::bigCasinoLine(30000).substr(3);  // ",17,4,..."
    std::size_t bytes = lines[1].size() + lines[2].size();
    for (int k = 3; bytes < kFileBytes; ++k) {
        lines.push_back("name" + std::to_string(k) + ": Table" + std::to_string(k) + filler);
        bytes += lines.back().size() + 2;
    }
    return lines;
}

double peakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Classic play that only records, at "Big": each iteration is one spin entered and submitted,
// its recording synced to the disk.
void pressAtBigHistory(benchmark::State& st, int bigSpins) {
    bench::BenchTable<> t({.history = bigHistory(bigSpins)});
    bench::neverBettingClassicAtBig(t);
    t.set("cboSpins", "1");
    t.advisor.userPress("Button1");
    if (t.advisor.form().startButton.caption != "Submit") {
        st.SkipWithError("the run did not start at the big casino");
        return;
    }
    const auto file = t.folder.path / "CasinoHistory.dat";
    const auto size = static_cast<double>(std::filesystem::file_size(file));
    // The first spin of a session may move the casino's line; it is timed on its own.
    const auto began = std::chrono::steady_clock::now();
    t.spin(36);
    const std::chrono::duration<double, std::milli> first =
        std::chrono::steady_clock::now() - began;
    int spin = 0;
    for (auto _ : st) {
        t.spin(spin);
        spin = (spin + 11) % 37;
    }
    if (std::filesystem::file_size(file) < size + 2.0 * static_cast<double>(st.iterations() + 1)) {
        st.SkipWithError("the spins were not recorded");
    }
    st.counters["first_ms"] = first.count();
    st.counters["file_MB"] = size / 1e6;
    st.counters["peak_MB"] = peakMegabytes();
}
void BM_PressAt100MBHistory(benchmark::State& st) {
    pressAtBigHistory(st, 100'000);
}
void BM_PressAt100MBCasino(benchmark::State& st) {
    pressAtBigHistory(st, 30'000'000);
}
BENCHMARK(BM_PressAt100MBHistory)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PressAt100MBCasino)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
