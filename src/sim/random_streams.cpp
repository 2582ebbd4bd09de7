// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/random_streams.hpp"

namespace brisvale::sim {
namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

StreamGenerator::StreamGenerator(std::uint64_t seed, std::uint64_t session, Stream stream) {
    // Each part of the key is mixed before the next is added, so nearby keys give unrelated
    // states.
    std::uint64_t mixer = seed;
    std::uint64_t key = splitmix64(mixer);
    mixer = key ^ session;
    key = splitmix64(mixer);
    mixer = key ^ static_cast<std::uint64_t>(stream);
    for (std::uint64_t& word : s_) word = splitmix64(mixer);
}

std::uint64_t StreamGenerator::next() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

std::uint32_t StreamGenerator::below(std::uint32_t bound) {
    // Lemire's multiply-and-reject: the rare draws that would favour low values are redrawn.
    std::uint64_t product = (next() >> 32) * bound;
    auto low = static_cast<std::uint32_t>(product);
    if (low < bound) {
        const std::uint32_t threshold = (0U - bound) % bound;
        while (low < threshold) {
            product = (next() >> 32) * bound;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

int StreamRandom::uniform(int lo, int hi) {
    const auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return lo + static_cast<int>(generator_.below(span));
}

}  // namespace brisvale::sim
