#pragma once

#include "scale/PluRecord.h"

#include <QByteArray>

namespace mv {

// The block one PLU transfer sends: four slots of 68 bytes (offsets 0, 68, 136, 204),
// each holding the record of the same product, followed by a text area.
//
// The driver runs in a 64-bit process, so the two text fields of a record hold 4-byte
// offsets counted from the start of the cluster instead of addresses. Each slot has a
// pair of zero-terminated Windows-1254 texts of its own in the text area, in slot
// order: name of slot 0, barcode of slot 0, name of slot 1, ... The four records are
// therefore equal in every byte except their two text offsets, and the texts they
// point to are equal.
//
// One cluster object is kept for a whole loading; its buffer is reused for every
// product.
class PluCluster {
public:
    static constexpr int SlotCount = 4;
    static constexpr int Size = SlotCount * PluRecord::Size; // 272

    PluCluster();

    // Fills the buffer with the cluster of `record` and returns it.
    const QByteArray& build(const PluRecord& record);
    const QByteArray& bytes() const { return m_buffer; }

private:
    QByteArray m_buffer;
};

} // namespace mv
