#include "scale/LabelCodes.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(LabelCodes, EveryOrdinalHasItsNameAndBitPattern)
{
    struct Case {
        int ordinal;
        const char* name;
        int pattern;
    };
    const Case cases[] = {
        {1, "A0", 1},   {2, "A1", 2},   {3, "B0", 4},    {4, "B1", 8},  {5, "C0", 16},
        {6, "C1", 32},  {7, "D0", 64},  {8, "D1", 128},  {9, "E0", 3},  {10, "E1", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ordinal);
        EXPECT_EQ(LabelCodes::name(c.ordinal), QLatin1String(c.name));
        EXPECT_EQ(LabelCodes::bitPattern(c.ordinal), c.pattern);
        EXPECT_EQ(LabelCodes::bitPatternText(QString::number(c.ordinal)), QString::number(c.pattern));
        EXPECT_EQ(LabelCodes::ordinalOfName(QLatin1String(c.name)), c.ordinal);
        EXPECT_EQ(LabelCodes::ordinalOfBitPattern(c.pattern), c.ordinal);
    }
    EXPECT_EQ(LabelCodes::names().size(), LabelCodes::Count);
}

TEST(LabelCodes, AnythingElseNamesNoLabel)
{
    for (int ordinal : {0, 11, -1, 128}) {
        EXPECT_TRUE(LabelCodes::name(ordinal).isEmpty()) << ordinal;
        EXPECT_EQ(LabelCodes::bitPattern(ordinal), -1) << ordinal;
    }
    for (const char* text : {"", "0", "11", "-1", "+3", "3,0", "abc", "B0"})
        EXPECT_TRUE(LabelCodes::bitPatternText(QLatin1String(text)).isEmpty()) << text;
    // Blanks around the stored number do not matter.
    EXPECT_EQ(LabelCodes::bitPatternText(QStringLiteral(" 9 ")), QStringLiteral("3"));
    EXPECT_EQ(LabelCodes::ordinalOfName(QStringLiteral("F0")), 0);
    EXPECT_EQ(LabelCodes::ordinalOfBitPattern(5), 0);
}

} // namespace
} // namespace mv
