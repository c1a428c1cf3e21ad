#include "tools/scale-sim/RequestDecoder.h"

#include "scale/driver/WireFormat.h"
#include "settings/Cp1254.h"

#include <cmath>

namespace mv::sim {

std::uint8_t RequestDecoder::pluCluster(const std::vector<std::uint8_t>& payload, std::vector<SimPluRecord>& records)
{
    records.clear();
    if (payload.size() < wire::kClusterSize)
        return wire::StatusMalformed;
    const std::uint8_t* p = payload.data();
    std::size_t at = wire::kClusterSize;
    QString texts[2 * wire::kSlots];
    for (QString& text : texts) {
        if (at + 2 > payload.size())
            return wire::StatusMalformed;
        const std::size_t length = wire::getU16(p + at);
        at += 2;
        if (length > wire::kMaxTextLength || at + length > payload.size())
            return wire::StatusMalformed;
        text = fromCp1254(QByteArray(reinterpret_cast<const char*>(p + at), qsizetype(length)));
        at += length;
    }
    if (at != payload.size())
        return wire::StatusMalformed;

    std::vector<SimPluRecord> decoded;
    for (std::size_t slot = 0; slot < wire::kSlots; ++slot) {
        const std::uint8_t* r = p + slot * wire::kRecordSize;
        if (wire::getU32(r + wire::kNameField) != 0 || wire::getU32(r + wire::kBarcodeField) != 0)
            return wire::StatusMalformed;
        SimPluRecord rec;
        rec.name = texts[2 * slot];
        rec.barcode = texts[2 * slot + 1];
        rec.code = wire::getI32(r + 4);
        rec.barcodeType = wire::getI32(r + 12);
        rec.price = wire::getI32(r + 16);
        rec.type = wire::getI32(r + 20);
        rec.department = wire::getI32(r + 24);
        rec.tare = wire::getF64(r + 28);
        rec.shelfLife = wire::getI32(r + 36);
        rec.message = r[56];
        rec.label = r[62];
        // A tare that is no number cannot be weighed against.
        if (!std::isfinite(rec.tare))
            return wire::StatusMalformed;
        decoded.push_back(rec);
    }
    records = std::move(decoded);
    return wire::StatusOk;
}

std::uint8_t RequestDecoder::hotkey(const std::vector<std::uint8_t>& payload, int& table, ScaleMemory::HotkeyTable& keys)
{
    if (payload.size() != wire::kHotkeyPayloadSize)
        return wire::StatusMalformed;
    const std::int32_t index = wire::getI32(payload.data());
    if (index != 0 && index != 1)
        return wire::StatusMalformed;
    table = index;
    for (std::size_t i = 0; i < wire::kHotkeyCount; ++i)
        keys[i] = wire::getI32(payload.data() + 4 + 4 * i);
    return wire::StatusOk;
}

std::uint8_t RequestDecoder::message(const std::vector<std::uint8_t>& payload, std::int32_t& number, QString& text)
{
    if (payload.size() < 6)
        return wire::StatusMalformed;
    const std::size_t length = wire::getU16(payload.data() + 4);
    if (length > wire::kMaxTextLength || payload.size() != 6 + length)
        return wire::StatusMalformed;
    number = wire::getI32(payload.data());
    text = fromCp1254(QByteArray(reinterpret_cast<const char*>(payload.data() + 6), qsizetype(length)));
    return wire::StatusOk;
}

} // namespace mv::sim
