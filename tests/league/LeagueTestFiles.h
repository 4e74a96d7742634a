#pragma once

// Byte-level helpers for tests that build league files by hand.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <set>
#include <span>
#include <string>

#include "league/Records.h"
#include "platform/Files.h"

namespace korvel::test {

// `count` bytes from a fixed seed, so a failing test shows the same bytes every run.
inline Bytes RandomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(count);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(engine));
    return bytes;
}

template <class R>
void AppendRecord(Bytes& file, const R& record) {
    const auto bytes = EncodeRecord(record);
    file.insert(file.end(), bytes.begin(), bytes.end());
}

// A player record of random bytes whose name starts with a letter, so its place is occupied.
inline Player OccupiedPlayer(std::uint32_t seed) {
    Bytes bytes = RandomBytes(RecordLayout<Player>::Size, seed);
    bytes[0] = static_cast<std::uint8_t>('A' + seed % 26);
    return DecodeRecord<Player>(bytes);
}

inline Team RandomTeam(std::uint32_t seed) {
    return DecodeRecord<Team>(RandomBytes(RecordLayout<Team>::Size, seed));
}

// The names of the entries of a folder, to find stray temporary files.
inline std::set<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

inline Bytes Slice(const Bytes& bytes, std::size_t start, std::size_t length) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                 bytes.begin() + static_cast<std::ptrdiff_t>(start + length));
}

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& record) {
    return Bytes(record.begin(), record.end());
}

}  // namespace korvel::test
