#include "tests/driver/ClusterBuffer.h"

#include <cstring>

namespace mv::test {

namespace {

void put32(QByteArray& b, int at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray clusterOf(const std::array<TestPlu, 4>& slots)
{
    QByteArray out(272, '\0');
    for (int s = 0; s < 4; ++s) {
        const TestPlu& p = slots[std::size_t(s)];
        const int r = s * 68;
        put32(out, r + 0, std::uint32_t(out.size()));
        out += p.name;
        out += '\0';
        put32(out, r + 8, std::uint32_t(out.size()));
        out += p.barcode;
        out += '\0';
        put32(out, r + 4, std::uint32_t(p.code));
        put32(out, r + 12, std::uint32_t(p.barcodeType));
        put32(out, r + 16, std::uint32_t(p.price));
        put32(out, r + 20, std::uint32_t(p.type));
        put32(out, r + 24, std::uint32_t(p.department));
        std::memcpy(out.data() + r + 28, &p.tare, 8); // little-endian host
        put32(out, r + 36, std::uint32_t(p.shelfLife));
        out[r + 56] = char(p.message);
        out[r + 62] = char(p.label);
    }
    return out;
}

QByteArray clusterOf(const TestPlu& plu)
{
    return clusterOf(std::array<TestPlu, 4> { plu, plu, plu, plu });
}

void setTextOffset(QByteArray& cluster, int slot, int fieldOffset, std::uint32_t value)
{
    put32(cluster, slot * 68 + fieldOffset, value);
}

} // namespace mv::test
