// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Independent random streams, one per session and purpose, from one seed: the report must
// not depend on which worker played which session, so every session draws from its own
// stream and never from a shared generator.

#include <cstdint>

#include "run/ports.hpp"

namespace brisvale::sim {

// The streams a session draws from.
enum class Stream : std::uint64_t { Wheel = 1, Thresholds = 2 };

// xoshiro256**, seeded through splitmix64 from (seed, session, stream).
class StreamGenerator {
  public:
    StreamGenerator(std::uint64_t seed, std::uint64_t session, Stream stream);
    std::uint64_t next();
    // A whole number drawn uniformly from 0..bound-1 (bound >= 1), without modulo bias.
    std::uint32_t below(std::uint32_t bound);

  private:
    std::uint64_t s_[4];
};

// The Advisor's random port on a stream of its own.
class StreamRandom final : public Random {
  public:
    StreamRandom(std::uint64_t seed, std::uint64_t session)
        : generator_(seed, session, Stream::Thresholds) {}
    int uniform(int lo, int hi) override;

  private:
    StreamGenerator generator_;
};

}  // namespace brisvale::sim
