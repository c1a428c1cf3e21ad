#include "scale/ConversionError.h"
#include "scale/PriceConversion.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

// The same prices written with either separator give the same kuruş.
TEST(PriceConversion, TextsInEitherSeparatorGiveWholeKurus)
{
    struct Case {
        const char* comma; // written for Kusurat ","
        std::int32_t kurus;
    };
    const Case cases[] = {
        {"12,5", 1250},     {"12,50", 1250},   {"12", 1200},      {"0,5", 50},
        {"0,05", 5},        {"0", 0},          {"", 0},           {",5", 50},
        {"12,", 1200},      {"007,5", 750},    {" 12,5 ", 1250},  {"-12,5", -1250},
        // More than two decimals round half up to a whole kuruş.
        {"1,234", 123},     {"1,235", 124},    {"1,2349", 123},   {"0,999", 100},
        {"-1,235", -124},
        // The other character is a thousands mark and is dropped.
        {"1.234,5", 123450},
        // The 32-bit limits themselves.
        {"21474836,47", 2147483647}, {"-21474836,48", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        const QString comma = QLatin1String(c.comma);
        QString point = comma;
        point.replace(QLatin1Char(','), QLatin1Char('#')).replace(QLatin1Char('.'), QLatin1Char(','))
            .replace(QLatin1Char('#'), QLatin1Char('.'));
        EXPECT_EQ(PriceConversion::toKurus(comma, QLatin1Char(',')), c.kurus) << c.comma;
        EXPECT_EQ(PriceConversion::toKurus(point, QLatin1Char('.')), c.kurus) << qPrintable(point);
    }
}

TEST(PriceConversion, NonNumbersAndOverflowAreErrors)
{
    const char* cases[] = {
        "abc", "12,5x", "1,2,3", "-", ",", "12 5", "1e3", "٣",
        "21474836,48", "-21474836,49", "99999999999", "2147483648",
    };
    for (const char* text : cases)
        EXPECT_THROW(PriceConversion::toKurus(QString::fromUtf8(text), QLatin1Char(',')), ConversionError) << text;
}

TEST(PriceConversion, AnyOtherSettingMeansPoint)
{
    EXPECT_EQ(PriceConversion::toKurus(QStringLiteral("12.5"), QChar()), 1250);
    EXPECT_EQ(PriceConversion::toKurus(QStringLiteral("1,234.5"), QLatin1Char(';')), 123450);
}

} // namespace
} // namespace mv
