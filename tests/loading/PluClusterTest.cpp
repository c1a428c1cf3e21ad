#include "scale/ConversionError.h"
#include "scale/PluCluster.h"
#include "scale/PluRecord.h"
#include "scale/ProductRow.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

namespace mv {
namespace {

ProductRow sampleRow()
{
    ProductRow row;
    row.plukodu = QStringLiteral("1234");
    row.barkodu = QStringLiteral("2700042");
    row.pluadi = QStringLiteral("ŞEKER ÇİĞ ıüö");
    row.fiyat = QStringLiteral("12,5");
    row.urtip = QStringLiteral("4");
    row.bartip = QStringLiteral("7");
    row.dept = QStringLiteral("27");
    row.dara = QStringLiteral("0,125");
    row.rafomru = QStringLiteral("300");
    row.mesaj1 = QStringLiteral("200");
    row.etiketno = QStringLiteral("8");
    row.calculate();
    return row;
}

// The name of sampleRow() in Windows-1254.
const QByteArray kName("\xDE" "EKER \xC7\xDD\xD0 \xFD\xFC\xF6");
const QByteArray kBarcode("2700042");

// sampleRow() as the scale must receive it, written out byte by byte.
QByteArray expectedRecord(std::uint8_t n0, std::uint8_t n1, std::uint8_t b0, std::uint8_t b1)
{
    const unsigned char bytes[68] = {
        n0, n1, 0, 0,                          //  0 name offset
        0xD2, 0x04, 0, 0,                      //  4 PLU code 1234
        b0, b1, 0, 0,                          //  8 barcode offset
        0x07, 0, 0, 0,                         // 12 barcode type 7
        0xE2, 0x04, 0, 0,                      // 16 price 1250 kuruş
        0x04, 0, 0, 0,                         // 20 product type 4
        0x1B, 0, 0, 0,                         // 24 department 27
        0, 0, 0, 0, 0, 0, 0xC0, 0x3F,          // 28 tare 0.125
        0x2C, 0x01, 0, 0,                      // 36 shelf life 300
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // 40
        0xC8,                                  // 56 message 200
        0, 0, 0, 0, 0,                         // 57
        0x80,                                  // 62 label D1 = 128
        0, 0, 0, 0, 0,                         // 63
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST(PluRecord, EveryFieldAtItsOffsetAndZeroElsewhere)
{
    const PluRecord record = PluRecord::fromProduct(sampleRow(), QLatin1Char(','));
    QByteArray slot(PluRecord::Size, char(0xAA));
    record.write(slot.data(), 0x0201, 0x0403);
    EXPECT_EQ(slot.toHex(' '), expectedRecord(0x01, 0x02, 0x03, 0x04).toHex(' '));
    EXPECT_EQ(record.name, kName);
    EXPECT_EQ(record.barcode, kBarcode);
}

TEST(PluCluster, FourCopiesOfOneProductWithTheirOwnTexts)
{
    PluCluster cluster;
    const QByteArray bytes = cluster.build(PluRecord::fromProduct(sampleRow(), QLatin1Char(',')));

    const int pair = int(kName.size() + 1 + kBarcode.size() + 1); // 22
    ASSERT_EQ(bytes.size(), 272 + 4 * pair);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const int nameAt = 272 + k * pair;
        const int barcodeAt = nameAt + int(kName.size()) + 1;
        EXPECT_EQ(bytes.mid(68 * k, 68).toHex(' '),
                  expectedRecord(std::uint8_t(nameAt), std::uint8_t(nameAt >> 8), std::uint8_t(barcodeAt),
                                 std::uint8_t(barcodeAt >> 8))
                      .toHex(' '));
        EXPECT_EQ(bytes.mid(nameAt, pair), kName + '\0' + kBarcode + '\0');
        // Apart from the text offsets, slot k is slot 0.
        EXPECT_EQ(bytes.mid(68 * k + 4, 4), bytes.mid(4, 4));
        EXPECT_EQ(bytes.mid(68 * k + 12, 56), bytes.mid(12, 56));
    }
}

TEST(PluCluster, ReusesItsBufferWithoutLeavingOldTexts)
{
    PluCluster cluster;
    ProductRow row = sampleRow();
    row.pluadi = QStringLiteral("UZUN BİR ÜRÜN ADI OTUZ ALTI KARAKTER");
    const char* buffer = cluster.build(PluRecord::fromProduct(row, QLatin1Char(','))).constData();

    row.pluadi = QStringLiteral("UN");
    row.barkodu.clear();
    const QByteArray& bytes = cluster.build(PluRecord::fromProduct(row, QLatin1Char(',')));
    EXPECT_EQ(bytes.constData(), buffer);
    ASSERT_EQ(bytes.size(), 272 + 4 * 4);
    EXPECT_EQ(bytes.mid(272), QByteArray("UN\0\0UN\0\0UN\0\0UN\0\0", 16));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 68 * k), quint32(272 + 4 * k));
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 68 * k + 8), quint32(272 + 4 * k + 3));
    }
}

TEST(PluRecord, ValuesThatCannotBeConverted)
{
    struct Case {
        const char* what;
        std::function<void(ProductRow&)> spoil;
    };
    const Case cases[] = {
        {"empty PLU code", [](ProductRow& r) { r.plukodu.clear(); }},
        {"PLU code beyond 32 bits", [](ProductRow& r) { r.plukodu = QStringLiteral("2147483648"); }},
        {"non-numeric barcode type", [](ProductRow& r) { r.bartip = QStringLiteral("EAN"); }},
        {"empty department", [](ProductRow& r) { r.dept.clear(); }},
        {"decimal product type", [](ProductRow& r) { r.urtip = QStringLiteral("4,0"); }},
        {"empty shelf life", [](ProductRow& r) { r.rafomru.clear(); }},
        {"empty tare", [](ProductRow& r) { r.dara.clear(); }},
        {"tare with the other separator", [](ProductRow& r) { r.dara = QStringLiteral("0.125"); }},
        {"non-numeric tare", [](ProductRow& r) { r.dara = QStringLiteral("yok"); }},
        {"empty message number", [](ProductRow& r) { r.mesaj1.clear(); }},
        {"message number 256", [](ProductRow& r) { r.mesaj1 = QStringLiteral("256"); }},
        {"negative message number", [](ProductRow& r) { r.mesaj1 = QStringLiteral("-1"); }},
        {"label outside the ten", [](ProductRow& r) { r.etiketno = QStringLiteral("11"); r.calculate(); }},
        {"price beyond 32 bits", [](ProductRow& r) { r.fiyat = QStringLiteral("21474836,48"); }},
        {"non-numeric price", [](ProductRow& r) { r.fiyat = QStringLiteral("on iki"); }},
    };
    for (const Case& c : cases) {
        ProductRow row = sampleRow();
        c.spoil(row);
        EXPECT_THROW(PluRecord::fromProduct(row, QLatin1Char(',')), ConversionError) << c.what;
    }
}

TEST(PluRecord, LimitsThatStillFit)
{
    ProductRow row = sampleRow();
    row.mesaj1 = QStringLiteral("0");
    row.plukodu = QStringLiteral("-2147483648");
    row.barkodu.clear();
    row.pluadi.clear();
    PluRecord record = PluRecord::fromProduct(row, QLatin1Char(','));
    EXPECT_EQ(record.message, 0);
    EXPECT_EQ(record.pluCode, std::numeric_limits<std::int32_t>::min());
    row.mesaj1 = QStringLiteral("255");
    row.dara = QStringLiteral("-1,5");
    record.assign(row, QLatin1Char(','));
    EXPECT_EQ(record.message, 255);
    EXPECT_EQ(record.tare, -1.5);
    row.dara = QStringLiteral("2.75");
    row.fiyat = QStringLiteral("12.5");
    record.assign(row, QLatin1Char('.'));
    EXPECT_EQ(record.tare, 2.75);
    EXPECT_EQ(record.price, 1250);
}

} // namespace
} // namespace mv
