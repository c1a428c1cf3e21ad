#include "store/DbError.h"
#include "store/SqlValue.h"

#include <gtest/gtest.h>

using namespace mv;

TEST(SqlValue, IntegersAcceptOnlyWholeNumbersOf32Bits)
{
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"12", true, 12}, {" 12 ", true, 12}, {"-5", true, -5}, {"+7", true, 7}, {"2147483647", true, 2147483647},
        {"", false, 0}, {"  ", false, 0}, {"12.5", false, 0}, {"12,5", false, 0}, {"abc", false, 0},
        {"2147483648", false, 0}, {"1 2", false, 0},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        if (c.ok)
            EXPECT_EQ(sqlvalue::integer(text).toInt(), c.value) << c.text;
        else
            EXPECT_THROW(sqlvalue::integer(text), DbError) << c.text;
    }
}

TEST(SqlValue, DecimalsUseThePointAndRefuseEverythingElse)
{
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"12.5", true, 12.5}, {"0.0001", true, 0.0001}, {"12", true, 12}, {".5", true, 0.5}, {"-3.25", true, -3.25},
        {"", false, 0}, {"12,5", false, 0}, {"1.249.00", false, 0}, {"abc", false, 0}, {"1e5", false, 0},
        {"100000000000000", false, 0},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        if (c.ok)
            EXPECT_DOUBLE_EQ(sqlvalue::decimal(text).toDouble(), c.value) << c.text;
        else
            EXPECT_THROW(sqlvalue::decimal(text), DbError) << c.text;
    }
}
