#pragma once

// Random numbers. Every running program owns its generators (no shared state), so
// two matches can run side by side and a seed replays a match exactly.

#include <array>
#include <cstdint>

namespace tavolora::platform {

class Random {
public:
    virtual ~Random() = default;
    // A number in [0, 1).
    virtual double next_unit() = 0;
    virtual void reseed(std::uint64_t seed) = 0;
};

// xoshiro256** seeded through splitmix64: fast, well distributed, and the same
// sequence on every compiler and platform.
class Rng final : public Random {
public:
    explicit Rng(std::uint64_t seed = 0) { reseed(seed); }

    double next_unit() override;
    void reseed(std::uint64_t seed) override;
    std::uint64_t next_u64();

private:
    std::array<std::uint64_t, 4> state_{};
};

}  // namespace tavolora::platform
