#pragma once

#include <cstdint>
#include <vector>

namespace mv::pbus {

// Turns the caller's buffers into request payloads. Each function returns PBUS_OK or
// PBUS_E_BAD_ARGUMENT; on a refusal `payload` is left empty and nothing may be sent.
class RequestEncoder {
public:
    // The 272-byte cluster with its text area behind it. The text fields at offsets 0 and 8
    // of every record hold 4-byte offsets from the cluster start; each must lie in the text
    // area and its text must end within kMaxTextLength bytes. Bytes are read only up to each
    // text's terminating zero.
    static int pluCluster(const void* cluster, std::vector<std::uint8_t>& payload);
    static int hotkey(const std::int32_t* block, std::int32_t table, std::vector<std::uint8_t>& payload);
    // Sends `length` bytes, or fewer when a zero byte ends the text before.
    static int message(std::int32_t number, const char* text, std::int32_t length, std::vector<std::uint8_t>& payload);
};

} // namespace mv::pbus
