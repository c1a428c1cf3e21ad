#include "scale/PluRecord.h"

#include "scale/ConversionError.h"
#include "scale/PriceConversion.h"
#include "scale/ProductRow.h"
#include "settings/Cp1254.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace mv {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

ConversionError badValue(const ProductRow& row, const char* column, const QString& text, const QString& what)
{
    return ConversionError(QStringLiteral("Ürün %1, %2: '%3' %4")
                               .arg(row.plukodu, QLatin1String(column), text, what));
}

// A whole number: optional sign and decimal digits, within [low, high].
std::int64_t integer(const ProductRow& row, const char* column, const QString& text,
                     std::int64_t low = std::numeric_limits<std::int32_t>::min(),
                     std::int64_t high = std::numeric_limits<std::int32_t>::max())
{
    const QString t = text.trimmed();
    const qsizetype start = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    bool digits = t.size() > start;
    for (qsizetype i = start; i < t.size() && digits; ++i)
        digits = isAsciiDigit(t.at(i));
    if (!digits)
        throw badValue(row, column, text, QStringLiteral("geçerli bir tam sayı değil."));
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < low || v > high)
        throw badValue(row, column, text,
                       QStringLiteral("%1 ile %2 arasında olmalı.").arg(low).arg(high));
    return v;
}

// A decimal number written with `separator`.
double decimal(const ProductRow& row, const char* column, const QString& text, QChar separator)
{
    QString t = text.trimmed();
    const qsizetype start = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    int separators = 0;
    int digits = 0;
    bool valid = true;
    for (qsizetype i = start; i < t.size() && valid; ++i) {
        const QChar c = t.at(i);
        if (c == separator)
            valid = ++separators == 1;
        else if (isAsciiDigit(c))
            ++digits;
        else
            valid = false;
    }
    if (!valid || digits == 0)
        throw badValue(row, column, text, QStringLiteral("geçerli bir sayı değil."));
    t.replace(separator, QLatin1Char('.'));
    return t.toDouble();
}

void put32(char* at, std::int32_t v)
{
    qToLittleEndian<std::int32_t>(v, at);
}

} // namespace

void PluRecord::assign(const ProductRow& row, QChar separator)
{
    pluCode = std::int32_t(integer(row, "PLUKODU", row.plukodu));
    barcodeType = std::int32_t(integer(row, "BARTIP", row.bartip));
    price = PriceConversion::toKurus(row.fiyat, separator);
    productType = std::int32_t(integer(row, "URTIP", row.urtip));
    department = std::int32_t(integer(row, "DEPT", row.dept));
    tare = decimal(row, "DARA", row.dara, separator);
    shelfLife = std::int32_t(integer(row, "RAFOMRU", row.rafomru));
    message = std::uint8_t(integer(row, "MESAJ1", row.mesaj1, 0, 255));
    // ETNO is empty when ETIKETNO names none of the ten labels: not a number either.
    label = std::uint8_t(integer(row, "ETNO", row.etno, 0, 255));
    name = toCp1254(row.pluadi);
    barcode = toCp1254(row.barkodu);
}

PluRecord PluRecord::fromProduct(const ProductRow& row, QChar separator)
{
    PluRecord record;
    record.assign(row, separator);
    return record;
}

void PluRecord::write(char* slot, std::uint32_t nameOffset, std::uint32_t barcodeOffset) const
{
    std::memset(slot, 0, Size);
    qToLittleEndian<std::uint32_t>(nameOffset, slot + NameAt);
    put32(slot + PluCodeAt, pluCode);
    qToLittleEndian<std::uint32_t>(barcodeOffset, slot + BarcodeAt);
    put32(slot + BarcodeTypeAt, barcodeType);
    put32(slot + PriceAt, price);
    put32(slot + ProductTypeAt, productType);
    put32(slot + DepartmentAt, department);
    std::uint64_t tareBits = 0;
    static_assert(sizeof tareBits == sizeof tare);
    std::memcpy(&tareBits, &tare, sizeof tare);
    qToLittleEndian<std::uint64_t>(tareBits, slot + TareAt);
    put32(slot + ShelfLifeAt, shelfLife);
    slot[MessageAt] = char(message);
    slot[LabelAt] = char(label);
}

} // namespace mv
