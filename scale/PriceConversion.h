#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

namespace mv {

// Turns the price text of a product into whole kuruş (hundredths of the lira), the
// unit the scale keeps prices in.
//
// `separator` is the decimal separator the price setting names ("," or "."); the
// other character is taken as a thousands mark and dropped. "12,5" → 1250, "12" →
// 1200, "0,5" → 50, "1.234,5" → 123450 with ","; the same with "." and the marks
// swapped. More than two decimals are rounded half up to a whole kuruş ("1,234" →
// 123, "1,235" → 124; a negative price rounds away from zero). The empty text is 0.
// Anything that is not a number, or whose kuruş do not fit a signed 32-bit integer,
// raises ConversionError.
class PriceConversion {
public:
    static std::int32_t toKurus(const QString& text, QChar separator);
};

} // namespace mv
