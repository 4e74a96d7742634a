#pragma once

// The checksum of the game-day history.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

namespace korvel::gamedays {

// A 64-bit checksum: every load checks the history, whose size grows with the league's, so it
// must cost little. Not cryptographic; it tells a damaged history from a whole one. Format 1 takes
// eight bytes at a time into one hash; format 2 takes 32 bytes at a time, eight into each of four
// lanes, mixed together at the end, for fewer instructions a byte. Bytes may come in parts of any
// length: the blocks are those of all the parts one after another, the bytes after the last whole
// block are taken one by one.
template <std::size_t Lanes>
class BlockHash {
  public:
    static constexpr std::size_t kBlock = 8 * Lanes;

    void Add(std::span<const std::uint8_t> bytes) {
        if (pending_ > 0) {
            const std::size_t count = std::min(bytes.size(), kBlock - pending_);
            std::copy_n(bytes.begin(), count, block_.begin() + pending_);
            pending_ += count;
            bytes = bytes.subspan(count);
            if (pending_ < kBlock) return;
            AddBlock(lanes_, block_.data());
            pending_ = 0;
        }
        // The lanes in local variables: stores through the byte pointer could reach a member.
        std::array<std::uint64_t, Lanes> lanes = lanes_;
        std::size_t at = 0;
        for (; at + kBlock <= bytes.size(); at += kBlock) AddBlock(lanes, bytes.data() + at);
        lanes_ = lanes;
        pending_ = bytes.size() - at;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), pending_, block_.begin());
    }
    std::uint64_t Value() const {
        std::uint64_t hash = lanes_[0];
        if constexpr (Lanes > 1) {
            hash = kStart;
            for (const std::uint64_t lane : lanes_) hash = Mixed(hash, lane);
        }
        for (std::size_t at = 0; at < pending_; ++at) {
            hash ^= block_[at];
            hash *= kPrime;
        }
        return hash;
    }

  private:
    static constexpr std::uint64_t kStart = 0xcbf29ce484222325ULL;
    static constexpr std::uint64_t kPrime = 0x100000001b3ULL;

    static std::uint64_t Word(const std::uint8_t* bytes) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        return word;
    }
    static std::uint64_t Mixed(std::uint64_t hash, std::uint64_t word) {
        hash = (hash ^ word) * kPrime;
        return hash ^ (hash >> 29);
    }
    static void AddBlock(std::array<std::uint64_t, Lanes>& lanes, const std::uint8_t* bytes) {
        if constexpr (Lanes == 1) {
            lanes[0] = Mixed(lanes[0], Word(bytes));
        } else {
            [&]<std::size_t... I>(std::index_sequence<I...>) {
                ((lanes[I] = (lanes[I] ^ Word(bytes + 8 * I)) * kPrime), ...);
            }
            (std::make_index_sequence<Lanes>());
        }
    }

    std::array<std::uint64_t, Lanes> lanes_ = Filled(kStart);
    std::array<std::uint8_t, kBlock> block_{};
    std::size_t pending_ = 0;  // bytes of block_ not yet taken

    static constexpr std::array<std::uint64_t, Lanes> Filled(std::uint64_t value) {
        std::array<std::uint64_t, Lanes> lanes{};
        lanes.fill(value);
        return lanes;
    }
};

// The checksum of `bytes` as format `version` takes it (format 3 as format 2).
inline std::uint64_t ChecksumOf(std::uint64_t version, std::span<const std::uint8_t> bytes) {
    if (version < 2) {
        BlockHash<1> hash;
        hash.Add(bytes);
        return hash.Value();
    }
    BlockHash<4> hash;
    hash.Add(bytes);
    return hash.Value();
}

}  // namespace korvel::gamedays
