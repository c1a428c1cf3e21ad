#include "scale/driver/RequestEncoder.h"

#include "scale/driver/PBusDrv.h"
#include "scale/driver/WireFormat.h"

#include <algorithm>

namespace mv::pbus {

namespace {

// Length of the zero-terminated text at `text`, reading no byte past its zero and at most
// `limit` + 1 bytes. -1 when no zero comes within that.
long boundedLength(const std::uint8_t* text, std::size_t limit)
{
    for (std::size_t i = 0; i <= limit; ++i)
        if (text[i] == 0)
            return long(i);
    return -1;
}

} // namespace

int RequestEncoder::pluCluster(const void* cluster, std::vector<std::uint8_t>& payload)
{
    payload.clear();
    if (!cluster)
        return PBUS_E_BAD_ARGUMENT;
    const auto* bytes = static_cast<const std::uint8_t*>(cluster);
    std::vector<std::uint8_t> out;
    wire::putBytes(out, bytes, wire::kClusterSize);
    for (std::size_t slot = 0; slot < wire::kSlots; ++slot) {
        for (const std::size_t field : { wire::kNameField, wire::kBarcodeField }) {
            std::uint8_t* at = out.data() + slot * wire::kRecordSize + field;
            const std::uint32_t offset = wire::getU32(at);
            if (offset < wire::kClusterSize || offset >= wire::kClusterSize + wire::kTextAreaLimit)
                return PBUS_E_BAD_ARGUMENT;
            const std::size_t room = wire::kClusterSize + wire::kTextAreaLimit - offset - 1;
            const long length = boundedLength(bytes + offset, std::min(room, wire::kMaxTextLength));
            if (length < 0)
                return PBUS_E_BAD_ARGUMENT;
            std::fill(at, at + 4, std::uint8_t(0));
        }
    }
    for (std::size_t slot = 0; slot < wire::kSlots; ++slot) {
        for (const std::size_t field : { wire::kNameField, wire::kBarcodeField }) {
            const std::uint32_t offset = wire::getU32(bytes + slot * wire::kRecordSize + field);
            const auto length = std::size_t(boundedLength(bytes + offset, wire::kMaxTextLength));
            wire::putU16(out, std::uint16_t(length));
            wire::putBytes(out, bytes + offset, length);
        }
    }
    payload = std::move(out);
    return PBUS_OK;
}

int RequestEncoder::hotkey(const std::int32_t* block, std::int32_t table, std::vector<std::uint8_t>& payload)
{
    payload.clear();
    if (!block || (table != 0 && table != 1))
        return PBUS_E_BAD_ARGUMENT;
    payload.reserve(wire::kHotkeyPayloadSize);
    wire::putI32(payload, table);
    for (std::size_t i = 0; i < wire::kHotkeyCount; ++i)
        wire::putI32(payload, block[i]);
    return PBUS_OK;
}

int RequestEncoder::message(std::int32_t number, const char* text, std::int32_t length, std::vector<std::uint8_t>& payload)
{
    payload.clear();
    if (length < 0 || (length > 0 && !text))
        return PBUS_E_BAD_ARGUMENT;
    std::size_t size = 0;
    while (size < std::size_t(length) && size <= wire::kMaxTextLength && text[size] != 0)
        ++size;
    if (size > wire::kMaxTextLength)
        return PBUS_E_BAD_ARGUMENT;
    wire::putI32(payload, number);
    wire::putU16(payload, std::uint16_t(size));
    wire::putBytes(payload, text, size);
    return PBUS_OK;
}

} // namespace mv::pbus
