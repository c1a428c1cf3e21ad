#include "scale/PluCluster.h"

#include <cstring>

namespace mv {

PluCluster::PluCluster()
{
    // Room for four pairs of long names and barcodes, so the buffer never grows in practice.
    m_buffer.reserve(Size + SlotCount * 2 * 64);
}

const QByteArray& PluCluster::build(const PluRecord& record)
{
    const qsizetype pair = record.name.size() + 1 + record.barcode.size() + 1;
    m_buffer.resize(Size + SlotCount * pair);
    char* data = m_buffer.data();
    std::memset(data, 0, std::size_t(m_buffer.size()));

    for (int k = 0; k < SlotCount; ++k) {
        const qsizetype nameAt = Size + k * pair;
        const qsizetype barcodeAt = nameAt + record.name.size() + 1;
        std::memcpy(data + nameAt, record.name.constData(), std::size_t(record.name.size()));
        std::memcpy(data + barcodeAt, record.barcode.constData(), std::size_t(record.barcode.size()));
        record.write(data + k * PluRecord::Size, std::uint32_t(nameAt), std::uint32_t(barcodeAt));
    }
    return m_buffer;
}

} // namespace mv
