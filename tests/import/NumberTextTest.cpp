#include "import/NumberText.h"

#include "tests/import/ImportTestKit.h"

#include <gtest/gtest.h>

using namespace mv;

TEST(NumberText, ReadsTheTurkishFormOnly)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"1250", 1250},       {"12,5", 12.5},     {"  12,5 ", 12.5}, {"-3", -3},
        {"+3", 3},            {",5", 0.5},        {"12,", 12},       {"1,5E3", 1500},
        {"2e-2", 0.02},       {"0012", 12},
        // Not numbers under the Turkish settings.
        {"1.250", {}},        {"12.5", {}},       {"1.250,50", {}},  {"", {}},
        {" ", {}},            {"abc", {}},        {"1 250", {}},     {"1,2,3", {}},
        {"E3", {}},           {"1E", {}},         {"\t12", {}},      {",", {}},
        {"-", {}},            {"12TL", {}},
    };
    for (const auto& c : cases) {
        const std::optional<double> v = numbertext::parseDecimal(QString::fromUtf8(c.text));
        ASSERT_EQ(v.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (v) {
            EXPECT_DOUBLE_EQ(*v, *c.value) << c.text;
        }
    }
}

TEST(NumberText, WritesTheGeneralFormat)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12.5, "12,5"},
        {1250.0 / 100, "12,5"},
        {999.0 / 100, "9,99"},
        {1250, "1250"},
        {0, "0"},
        {-0.5, "-0,5"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1,23456789012346E15"},
        {1e20, "1E20"},
        {0.00001, "0,00001"},
        {0.0000015, "1,5E-6"},
        {100000.0 / 100, "1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbertext::formatGeneral(c.value), QLatin1String(c.text)) << c.text;
}
