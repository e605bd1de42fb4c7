#pragma once
// The random source of the demo data: splitmix64, whose output is the same on
// every platform and library version, so a demo week is reproducible byte for
// byte (the standard distributions are not).

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace torvane {

class DemoRandom {
 public:
  explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [low, high], both included.
  int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1)); }

  bool Chance(int percent) { return Between(1, 100) <= percent; }

  // An index into weights, chosen in proportion to them.
  std::size_t Weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int weight : weights) total += weight;
    int draw = Between(0, total - 1);
    std::size_t index = 0;
    for (int weight : weights) {
      if (draw < weight) return index;
      draw -= weight;
      ++index;
    }
    return index - 1;
  }

  // An element of a non-empty array or vector.
  template <class Container>
  const auto& Pick(const Container& items) {
    return items[Next() % items.size()];
  }

 private:
  std::uint64_t state_;
};

// A seed made of several values, for random sources tied to one thing (a race
// day at a racecourse) rather than to the order in which things are made.
inline std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t value) {
  return DemoRandom(seed ^ (value * 0xD6E8FEB86659FD93ULL)).Next();
}

}  // namespace torvane
