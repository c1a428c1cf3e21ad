#pragma once

#include <QByteArray>
#include <QChar>

#include <cstdint>

namespace mv {

struct ProductRow;

// One product as the scale driver takes it: a 68-byte record, little-endian, no gaps.
//
//   offset  width  content
//        0      4  offset of the product name text (see PluCluster)
//        4      4  PLU code
//        8      4  offset of the barcode number text
//       12      4  barcode type
//       16      4  unit price in kuruş
//       20      4  product type (4 weighed, 10 counted)
//       24      4  department
//       28      8  tare, IEEE 754 double
//       36      4  shelf life
//       56      1  message number
//       62      1  label bit pattern
//
// Every other byte is zero. The two texts are kept here in Windows-1254, without
// their terminating zero; the cluster places them.
struct PluRecord {
    static constexpr int Size = 68;
    enum Offset {
        NameAt = 0,
        PluCodeAt = 4,
        BarcodeAt = 8,
        BarcodeTypeAt = 12,
        PriceAt = 16,
        ProductTypeAt = 20,
        DepartmentAt = 24,
        TareAt = 28,
        ShelfLifeAt = 36,
        MessageAt = 56,
        LabelAt = 62,
    };

    QByteArray name;
    std::int32_t pluCode = 0;
    QByteArray barcode;
    std::int32_t barcodeType = 0;
    std::int32_t price = 0;
    std::int32_t productType = 0;
    std::int32_t department = 0;
    double tare = 0.0;
    std::int32_t shelfLife = 0;
    std::uint8_t message = 0;
    std::uint8_t label = 0;

    // Converts the values of a product row. `separator` is the decimal separator its
    // price and tare texts are written with. A value that cannot be converted (an
    // empty or non-numeric number, a price beyond 32 bits, a message number or label
    // pattern outside 0-255, an ETIKETNO that names no label) raises ConversionError.
    void assign(const ProductRow& row, QChar separator);
    static PluRecord fromProduct(const ProductRow& row, QChar separator);

    // Writes the 68 bytes at `slot`, with the two text fields set to the offsets given.
    void write(char* slot, std::uint32_t nameOffset, std::uint32_t barcodeOffset) const;
};

} // namespace mv
