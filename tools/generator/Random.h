#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace korvel::gen {

// A small splitmix64 generator. Its own arithmetic only, so the same seed gives the same numbers
// with every compiler and standard library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included.
    int Between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<int>(Next() % span);
    }

    // True in `percent` cases out of 100.
    bool Chance(int percent) { return Between(0, 99) < percent; }

    template <class T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

    template <class T>
    void Shuffle(std::span<T> items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(Between(0, static_cast<int>(i) - 1));
            std::swap(items[i - 1], items[j]);
        }
    }

  private:
    std::uint64_t state_;
};

}  // namespace korvel::gen
