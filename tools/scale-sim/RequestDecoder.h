#pragma once

#include "tools/scale-sim/ScaleMemory.h"

#include <cstdint>
#include <vector>

namespace mv::sim {

// Reads request payloads as the scale sees them. Each function returns a wire status code:
// StatusOk, or StatusMalformed when the payload does not match the layout of its frame.
class RequestDecoder {
public:
    // 272 bytes of four records (text fields zero), then eight length-prefixed texts.
    static std::uint8_t pluCluster(const std::vector<std::uint8_t>& payload, std::vector<SimPluRecord>& records);
    static std::uint8_t hotkey(const std::vector<std::uint8_t>& payload, int& table, ScaleMemory::HotkeyTable& keys);
    static std::uint8_t message(const std::vector<std::uint8_t>& payload, std::int32_t& number, QString& text);
};

} // namespace mv::sim
