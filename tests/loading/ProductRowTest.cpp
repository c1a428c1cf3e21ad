#include "scale/ProductRow.h"

#include "store/Database.h"
#include "store/Rows.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(ProductRow, CalculatedColumns)
{
    struct Case {
        const char* urtip;
        const char* degisti;
        const char* etiketno;
        const char* uruntip;
        const char* degisim;
        const char* etno;
    };
    const Case cases[] = {
        {"4", "E", "1", "Tartılı", "Evet", "1"},
        {"10", "", "9", "Adetli", "", "3"},
        {"10", "H", "3", "Adetli", "", "4"},
        {"5", "e", "10", "", "", "12"},
        {"", "", "8", "", "", "128"},
        {"4", "E", "0", "Tartılı", "Evet", ""},
        {"4", "", "11", "Tartılı", "", ""},
        // A bit pattern stored by mistake is no ordinal.
        {"4", "", "16", "Tartılı", "", ""},
    };
    for (const Case& c : cases) {
        ProductRow row;
        row.secim = true;
        row.urtip = QString::fromUtf8(c.urtip);
        row.degisti = QString::fromUtf8(c.degisti);
        row.etiketno = QString::fromUtf8(c.etiketno);
        row.calculate();
        SCOPED_TRACE(testing::Message() << c.urtip << "/" << c.degisti << "/" << c.etiketno);
        EXPECT_EQ(row.uruntip, QString::fromUtf8(c.uruntip));
        EXPECT_EQ(row.degisim, QString::fromUtf8(c.degisim));
        EXPECT_EQ(row.etno, QString::fromUtf8(c.etno));
    }
}

TEST(ProductRow, DecimalsInDisplayForm)
{
    struct Case {
        QVariant value;
        const char* comma;
        const char* point;
    };
    const Case cases[] = {
        {12.5, "12,5", "12.5"},
        {12.0, "12", "12"},
        {0.125, "0,125", "0.125"},
        {1234567.8, "1234567,8", "1234567.8"},
        {-0.5, "-0,5", "-0.5"},
        {0.0, "0", "0"},
        {QStringLiteral("12.5000"), "12,5", "12.5"},
        {QStringLiteral("300.0000"), "300", "300"},
        {QVariant(qlonglong(7)), "7", "7"},
        {QVariant(), "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProductRow::decimalText(c.value, QLatin1Char(',')), QLatin1String(c.comma)) << c.comma;
        EXPECT_EQ(ProductRow::decimalText(c.value, QLatin1Char('.')), QLatin1String(c.point)) << c.point;
    }
}

class ProductRowFromDatabase : public testing::Test {
protected:
    test::TestFolder folder{test::TestFolder::WithDatabase};
    Database db{folder.databasePath()};

    void insert(const QVariantList& values)
    {
        db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"), values);
    }
};

TEST_F(ProductRowFromDatabase, ReadsEveryColumnAsTrimmedText)
{
    insert({42, 2700042, 27, QStringLiteral("  ŞEKER ÇİĞ  "), 12.5, 4, 7, 0.125, 5, 2, 9, QStringLiteral("E")});
    const QList<ProductRow> rows = ProductRow::readAll(db, QLatin1Char(','));
    ASSERT_EQ(rows.size(), 1);
    const ProductRow& p = rows.first();
    EXPECT_FALSE(p.secim);
    EXPECT_EQ(p.plukodu, QStringLiteral("42"));
    EXPECT_EQ(p.barkodu, QStringLiteral("2700042"));
    EXPECT_EQ(p.dept, QStringLiteral("27"));
    EXPECT_EQ(p.pluadi, QStringLiteral("ŞEKER ÇİĞ"));
    EXPECT_EQ(p.fiyat, QStringLiteral("12,5"));
    EXPECT_EQ(p.urtip, QStringLiteral("4"));
    EXPECT_EQ(p.uruntip, QStringLiteral("Tartılı"));
    EXPECT_EQ(p.bartip, QStringLiteral("7"));
    EXPECT_EQ(p.dara, QStringLiteral("0,125"));
    EXPECT_EQ(p.rafomru, QStringLiteral("5"));
    EXPECT_EQ(p.mesaj1, QStringLiteral("2"));
    EXPECT_EQ(p.etiketno, QStringLiteral("9"));
    EXPECT_EQ(p.etno, QStringLiteral("3"));
    EXPECT_EQ(p.degisti, QStringLiteral("E"));
    EXPECT_EQ(p.degisim, QStringLiteral("Evet"));

    // The same row with the point setting.
    EXPECT_EQ(ProductRow::readAll(db, QLatin1Char('.')).first().fiyat, QStringLiteral("12.5"));
}

TEST_F(ProductRowFromDatabase, NullColumnsAreEmptyAndWholePricesHaveNoDecimals)
{
    insert({7, QVariant(), QVariant(), QVariant(), 300, QVariant(), QVariant(), QVariant(), QVariant(),
            QVariant(), QVariant(), QVariant()});
    const ProductRow p = ProductRow::readAll(db, QLatin1Char(',')).first();
    EXPECT_EQ(p.plukodu, QStringLiteral("7"));
    EXPECT_EQ(p.fiyat, QStringLiteral("300"));
    for (const QString* text : {&p.barkodu, &p.dept, &p.pluadi, &p.urtip, &p.uruntip, &p.bartip, &p.dara,
                                &p.rafomru, &p.mesaj1, &p.etiketno, &p.etno, &p.degisti, &p.degisim})
        EXPECT_TRUE(text->isEmpty()) << qPrintable(*text);
}

TEST_F(ProductRowFromDatabase, ReadsAllProducts)
{
    for (int code : {3, 1, 2})
        insert({code, 0, 0, QStringLiteral("X"), 1, 4, 0, 0, 0, 0, 1, QString()});
    QStringList codes;
    for (const ProductRow& p : ProductRow::readAll(db, QLatin1Char(',')))
        codes << p.plukodu;
    codes.sort();
    EXPECT_EQ(codes, QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

} // namespace
} // namespace mv
