#pragma once

// One generic reader and writer for the fixed-length records. Each record type describes its
// byte layout once, as a RecordLayout<R> specialisation listing (offset, member) pairs; the
// functions here walk that table. Integers are little-endian, fields are packed without padding.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <tuple>
#include <type_traits>

#include "league/FixedText.h"

namespace korvel {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

template <class R, class T>
struct FieldAt {
    std::size_t Offset;
    T R::*Member;
};

template <class R, class T>
constexpr FieldAt<R, T> At(std::size_t offset, T R::*member) {
    return {offset, member};
}

// Specialised next to each record: `static constexpr std::size_t Size` and `static constexpr
// auto Fields` (a tuple of At(...)).
template <class R>
struct RecordLayout;

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <class T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

template <class T>
constexpr std::size_t EncodedSize() {
    if constexpr (std::is_arithmetic_v<T>) {
        return sizeof(T);
    } else if constexpr (IsFixedText<T>::value) {
        return T::Width;
    } else if constexpr (IsStdArray<T>::value) {
        return std::tuple_size_v<T> * EncodedSize<typename T::value_type>();
    } else {
        return RecordLayout<T>::Size;
    }
}

// Records that keep the whole record as read, so that uninterpreted bytes go back unchanged.
template <class T>
concept HasRawBytes = requires(T record) {
    record.Raw.size();
};

template <class T>
void DecodeValue(const std::uint8_t* from, T& value);
template <class T>
void EncodeValue(const T& value, std::uint8_t* to);

template <class R>
void DecodeFields(const std::uint8_t* from, R& record) {
    std::apply(
        [&](auto... field) { (DecodeValue(from + field.Offset, record.*field.Member), ...); },
        RecordLayout<R>::Fields);
}

template <class R>
void EncodeFields(const R& record, std::uint8_t* to) {
    std::apply([&](auto... field) { (EncodeValue(record.*field.Member, to + field.Offset), ...); },
               RecordLayout<R>::Fields);
}

template <class T>
void DecodeValue(const std::uint8_t* from, T& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        std::memcpy(&value, from, sizeof(T));
    } else if constexpr (IsFixedText<T>::value) {
        std::memcpy(value.Bytes.data(), from, T::Width);
    } else if constexpr (IsStdArray<T>::value) {
        constexpr std::size_t step = EncodedSize<typename T::value_type>();
        for (std::size_t i = 0; i < value.size(); ++i) DecodeValue(from + i * step, value[i]);
    } else {
        // A nested top-level record (a player inside a waiver entry) keeps its raw bytes too.
        if constexpr (HasRawBytes<T>) std::memcpy(value.Raw.data(), from, value.Raw.size());
        DecodeFields(from, value);
    }
}

template <class T>
void EncodeValue(const T& value, std::uint8_t* to) {
    if constexpr (std::is_arithmetic_v<T>) {
        std::memcpy(to, &value, sizeof(T));
    } else if constexpr (IsFixedText<T>::value) {
        std::memcpy(to, value.Bytes.data(), T::Width);
    } else if constexpr (IsStdArray<T>::value) {
        constexpr std::size_t step = EncodedSize<typename T::value_type>();
        for (std::size_t i = 0; i < value.size(); ++i) EncodeValue(value[i], to + i * step);
    } else {
        if constexpr (HasRawBytes<T>) std::memcpy(to, value.Raw.data(), value.Raw.size());
        EncodeFields(value, to);
    }
}

// True when every field of the layout lies inside the record.
template <class R>
constexpr bool FieldsFit() {
    return std::apply(
        [](auto... field) {
            return (
                (field.Offset + EncodedSize<std::remove_cvref_t<decltype(R{}.*field.Member)>>() <=
                 RecordLayout<R>::Size) &&
                ...);
        },
        RecordLayout<R>::Fields);
}

// Top-level records keep the bytes they were read from in `Raw`, so that the bytes no field
// interprets go back unchanged. Shorter input is padded with zero bytes; longer input is cut.
template <class R>
R DecodeRecord(std::span<const std::uint8_t> bytes) {
    R record;
    const std::size_t n = std::min(bytes.size(), RecordLayout<R>::Size);
    if (n > 0) std::memcpy(record.Raw.data(), bytes.data(), n);
    DecodeFields(record.Raw.data(), record);
    return record;
}

template <class R>
std::array<std::uint8_t, RecordLayout<R>::Size> EncodeRecord(const R& record) {
    auto bytes = record.Raw;
    EncodeFields(record, bytes.data());
    return bytes;
}

template <class M>
struct MemberOf;
template <class R, class T>
struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};

template <class R, class A, class B>
constexpr bool SameMember(A R::*a, B R::*b) {
    if constexpr (std::is_same_v<A, B>) {
        return a == b;
    } else {
        return false;
    }
}

// Where the layout of its record puts `Member`.
template <auto Member>
constexpr std::size_t FieldOffset() {
    using R = typename MemberOf<decltype(Member)>::Record;
    return std::apply(
        [](auto... field) {
            std::size_t offset = RecordLayout<R>::Size;
            ((offset = SameMember(field.Member, Member) ? field.Offset : offset), ...);
            return offset;
        },
        RecordLayout<R>::Fields);
}

// One field of a record read from its bytes (`bytes` holds the whole record), the rest left
// alone: for a reader that looks at a few fields of many records.
template <auto Member>
typename MemberOf<decltype(Member)>::Type DecodeField(std::span<const std::uint8_t> bytes) {
    using R = typename MemberOf<decltype(Member)>::Record;
    static_assert(FieldOffset<Member>() < RecordLayout<R>::Size, "not a field of the layout");
    typename MemberOf<decltype(Member)>::Type value{};
    DecodeValue(bytes.data() + FieldOffset<Member>(), value);
    return value;
}

}  // namespace korvel
