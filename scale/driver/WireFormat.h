#pragma once

// Constants and byte helpers of the scale link's wire format, shared by the driver and
// the simulated scale. docs/scale-protocol.md describes the frames byte by byte.
// Plain C++, no Qt: the driver library links nothing else.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace mv::wire {

// Frame header: magic "MV", version, frame type, payload length (u32 little-endian).
inline constexpr std::uint8_t kMagic0 = 'M';
inline constexpr std::uint8_t kMagic1 = 'V';
inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 8;
// Longest payload either side accepts; a longer announced length ends the connection.
inline constexpr std::uint32_t kMaxPayload = 1u << 20;

enum FrameType : std::uint8_t {
    Hello = 0x01,
    PluCluster = 0x02,
    Hotkey = 0x03,
    Message = 0x04,
    ClearPlu = 0x05,
    Bye = 0x06,
    Status = 0x81,
};

// Status codes in byte 1 of a status payload.
enum StatusCode : std::uint8_t {
    StatusOk = 0,
    StatusRefused = 1,     // understood, but the scale declines (memory full, busy)
    StatusMalformed = 2,   // the payload does not match its frame type's layout
    StatusUnsupported = 3, // unknown frame type or protocol version
};

inline constexpr std::size_t kStatusPayloadSize = 4;

// The PLU record and cluster as the caller hands them over.
inline constexpr std::size_t kRecordSize = 68;
inline constexpr std::size_t kSlots = 4;
inline constexpr std::size_t kClusterSize = kRecordSize * kSlots; // 272
inline constexpr std::size_t kNameField = 0;
inline constexpr std::size_t kBarcodeField = 8;
// A text offset must point into the text area: at or after byte 272, and below 272 + 64 KiB.
inline constexpr std::size_t kTextAreaLimit = 65536;
// Longest text (name, barcode or message) in bytes, without its terminating zero.
inline constexpr std::size_t kMaxTextLength = 1024;

inline constexpr std::size_t kHotkeyCount = 84;
inline constexpr std::size_t kHotkeyPayloadSize = 4 + 4 * kHotkeyCount; // 340

inline void putU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t(v >> 8));
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t((v >> (8 * i)) & 0xFF));
}

// Appends raw bytes (resize and copy: keeps the driver free of exported library inlines).
inline void putBytes(std::vector<std::uint8_t>& out, const void* bytes, std::size_t size)
{
    if (size == 0)
        return;
    const std::size_t at = out.size();
    out.resize(at + size);
    std::memcpy(out.data() + at, bytes, size);
}

inline void putI32(std::vector<std::uint8_t>& out, std::int32_t v) { putU32(out, std::uint32_t(v)); }

inline std::uint16_t getU16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

inline std::uint32_t getU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

inline std::int32_t getI32(const std::uint8_t* p) { return std::int32_t(getU32(p)); }

inline double getF64(const std::uint8_t* p)
{
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// A whole frame: header followed by the payload.
inline std::vector<std::uint8_t> frame(std::uint8_t type, const std::vector<std::uint8_t>& payload,
                                       std::uint8_t version = kVersion)
{
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + payload.size());
    out.push_back(kMagic0);
    out.push_back(kMagic1);
    out.push_back(version);
    out.push_back(type);
    putU32(out, std::uint32_t(payload.size()));
    putBytes(out, payload.data(), payload.size());
    return out;
}

} // namespace mv::wire
