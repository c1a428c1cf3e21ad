#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

namespace mv::test {

// One product as a test hands it to the driver; texts are Windows-1254 bytes.
struct TestPlu {
    std::int32_t code = 0;
    QByteArray name;
    QByteArray barcode;
    std::int32_t barcodeType = 0;
    std::int32_t price = 0;
    std::int32_t type = 4;
    std::int32_t department = 0;
    double tare = 0;
    std::int32_t shelfLife = 0;
    std::uint8_t message = 0;
    std::uint8_t label = 0;
};

// The buffer the driver takes: 272 bytes of four records whose text fields hold offsets
// of the zero-terminated texts that follow the cluster (one name and barcode per slot).
QByteArray clusterOf(const std::array<TestPlu, 4>& slots);
// Four copies of one product, as the product loader sends it.
QByteArray clusterOf(const TestPlu& plu);
// Overwrites the text field at `fieldOffset` (0 or 8) of `slot` with `value`.
void setTextOffset(QByteArray& cluster, int slot, int fieldOffset, std::uint32_t value);

} // namespace mv::test
