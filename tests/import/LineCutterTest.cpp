#include "import/DataFile.h"
#include "import/ImportError.h"
#include "import/ImportLayout.h"
#include "import/LineCutter.h"
#include "settings/GeneralSettings.h"
#include "tests/import/ImportTestKit.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace mv;

namespace {

GeneralSettings settings()
{
    GeneralSettings s;
    s.dara = QStringLiteral("0");
    s.mesaj1 = QStringLiteral("0");
    s.rafOmru = QStringLiteral("30");
    s.disVerideEskiSil = QStringLiteral("H");
    return s;
}

StagingRow row(const QStringList& cells)
{
    StagingRow r;
    for (int i = 0; i < int(r.size()); ++i)
        r[std::size_t(i)] = cells.value(i);
    return r;
}

QString show(const StagingRow& r)
{
    QStringList cells(r.begin(), r.end());
    return cells.join(QLatin1Char('|'));
}

// Cuts `lines` with `tpl` and returns the data rows.
QList<StagingRow> cut(const ExtTemplate& tpl, const QStringList& lines, ImportMode mode = ImportMode::Manual)
{
    const ImportLayout layout = ImportLayout::build(tpl, settings(), mode);
    ImportStores stores;
    stores.rawLines = lines;
    LineCutter(layout).cutAll(stores);
    EXPECT_EQ(stores.staging.first(), ImportStores::headerRow());
    return stores.staging.mid(1);
}

QStringList fixture(const QString& name, bool utf8)
{
    return DataFile::readLines(test::fixturePath(QStringLiteral("import/") + name), utf8, name);
}

void expectRows(const QList<StagingRow>& actual, const QList<QStringList>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        EXPECT_EQ(show(actual[i]), show(row(expected[i]))) << "row " << i + 1;
}

// A fixed template over short lines: PLU 1-3, barcode 4-6, name 7-8, price 9-10.
ExtTemplate shortFixedTemplate()
{
    ExtTemplate t = test::fixedTemplate(QString());
    const char* starts[] = {"1", "4", "7", "9"};
    const char* lengths[] = {"3", "3", "2", "2"};
    for (int i = 0; i < 4; ++i) {
        t.bsl[std::size_t(i)] = QLatin1String(starts[i]);
        t.adt[std::size_t(i)] = QLatin1String(lengths[i]);
    }
    t.onek02.clear();
    t.bastan = t.sondan = QStringLiteral("0");
    t.utOnEk.clear(), t.utTipi.clear(), t.utBarNo.clear(), t.utEtNo.clear(), t.utEtValue.clear();
    t.urtipCount = 0;
    return t;
}

} // namespace

TEST(FixedReader, FixtureGivesOneRowPerDataLine)
{
    expectRows(cut(test::fixedTemplate(QString()), fixture(QStringLiteral("fixed-cp1254.txt"), false)),
               {
                   {"H", "1", "27123", "27", "DANA KIYMA", "12.5", "7", "4", "0", "5", "0", "1"},
                   {"H", "2", "28456", "28", "ŞEKER  KÜP ", "9.99", "9", "10", "0", "5", "0", "2"},
                   {"E", "", "", "", "", "", "", "", "", "5", "", ""},
                   {"H", "4", "27124", "27", "İNCİR ıİşŞğĞüÜöÖçÇ", "1000", "7", "4", "0", "5", "0", "1"},
               });
}

TEST(FixedReader, NineCharactersAreIncompleteTenAreData)
{
    ExtTemplate t = shortFixedTemplate();
    expectRows(cut(t, fixture(QStringLiteral("fixed-short-lines.txt"), false)),
               {
                   {"E", "", "", "", "", "", "", "", "", "5", "", ""},
                   {"H", "123", "456", "45", "78", "0.9", "", "", "", "5", "", ""},
               });
}

TEST(FixedReader, ItemsAreCutAndTrimmed)
{
    const struct {
        const char* start;
        const char* length;
        const char* line;
        const char* plu;
    } cases[] = {
        {"1", "6", "  12  rest of the line", "12"},
        {"3", "4", "ab\t77 \x01xyzw", "77"},     // control characters count as blanks
        {"8", "10", "0123456789", "789"},        // cut short at the end of the line
        {"11", "3", "0123456789", ""},           // start beyond the end
        {"0", "3", "0123456789", "012"},         // start before the first character
        {"2", "-1", "0123456789", ""},           // no length
    };
    for (const auto& c : cases) {
        ExtTemplate t = shortFixedTemplate();
        t.bsl[0] = QLatin1String(c.start);
        t.adt[0] = QLatin1String(c.length);
        t.kurus.clear();
        const QList<StagingRow> rows = cut(t, {QLatin1String(c.line)});
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0][staging::PluCode], QLatin1String(c.plu)) << c.line;
    }
}

TEST(Reader, PriceIsScaledByKurus)
{
    const struct {
        const char* kurus;
        const char* item;
        const char* price;
    } cases[] = {
        {"2", "1250", "12.5"},  {"2", "999", "9.99"},      {"1", "125", "12.5"},  {"0", "12,50", "12.5"},
        {"0", "0012", "12"},    {"2", "-150", "-1.5"},     {"", "12,50", "12.50"}, {"", "1.250,5", "1.250.5"},
        {"3", "12,5", "12.5"},
    };
    for (const auto& c : cases) {
        ExtTemplate t = test::semicolonTemplate(QString());
        t.kurus = QLatin1String(c.kurus);
        const QList<StagingRow> rows = cut(t, {QStringLiteral("1;AD;345;") + QString::fromUtf8(c.item) + ";9"});
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0][staging::Price], QLatin1String(c.price)) << c.kurus << " " << c.item;
    }
}

TEST(SeparatedReader, Utf8FixtureWithQuotesAndEmptyFields)
{
    expectRows(cut(test::semicolonTemplate(QString()), fixture(QStringLiteral("semicolon-utf8.txt"), true)),
               {
                   {"H", "101", "27345", "27", "Çiğ Köfte ?", "12.5", "7", "4", "0", "7", "0", "3"},
                   {"H", "102", "27346", "27", "Şalgam ?", "3.5", "7", "4", "0", "10", "0", "3"},
                   {"H", "103", "27348", "27", "\"Elma; Armut\"", "2.25", "7", "4", "0", "3", "0", "3"},
                   {"H", "105", "27350", "27", "Ali'nin Helvası", "5", "7", "4", "0", "1", "0", "3"},
               });
}

TEST(SeparatedReader, TabFixtureInTheAutomaticImport)
{
    ExtTemplate t = test::semicolonTemplate(QString());
    t.seperator = QStringLiteral("2");
    t.icerik = QStringLiteral("0");
    t.aln = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("4"), QString()};
    t.onek02 = QStringLiteral("28");
    t.kurus = QStringLiteral("1");
    t.bastan = QStringLiteral("1");
    expectRows(cut(t, fixture(QStringLiteral("tab-quoted-cp1254.txt"), false), ImportMode::Automatic),
               {
                   {"H", "104", "28349", "28", "'Ayva\tNar'", "0.4", "9", "10", "0", "30", "0", "4"},
                   {"H", "106", "28351", "28", "Limon", "0.075", "9", "10", "0", "30", "0", "4"},
               });
}

TEST(SeparatedReader, PartsOfFieldsKeepTheirBlanks)
{
    ExtTemplate t = test::semicolonTemplate(QString());
    t.vrm[0] = QStringLiteral("H"), t.bsl[0] = QStringLiteral("3"), t.adt[0] = QStringLiteral("4");
    t.vrm[4] = QStringLiteral("H"), t.bsl[4] = QStringLiteral("1"), t.adt[4] = QStringLiteral("3");
    const QList<StagingRow> rows = cut(t, {QStringLiteral("P-0101x; Ad ;345; 12,5 ; 7 gün")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][staging::PluCode], QStringLiteral("0101"));
    EXPECT_EQ(rows[0][staging::Name], QStringLiteral(" Ad "));
    EXPECT_EQ(rows[0][staging::Price], QStringLiteral("12.5"));
    EXPECT_EQ(rows[0][staging::ShelfLife], QStringLiteral("7")) << "shelf life has its blanks removed";
}

TEST(SeparatedReader, FieldsAreSplitOutsideQuotesAndEmptyOnesDropped)
{
    const struct {
        const char* line;
        QStringList fields;
    } cases[] = {
        {"1;;2", {"1", "2"}},
        {";1;2;", {"1", "2"}},
        {"1; ;2", {"1", " ", "2"}},
        {"1;'a;b';2", {"1", "'a;b'", "2"}},
        {"1;\"a;b\";2", {"1", "\"a;b\"", "2"}},
        {"1;x'a;b'y;2", {"1", "x'a;b'y", "2"}},
        {"1;'a\";b';2", {"1", "'a\";b'", "2"}},
        {"1;Ali'nin;2", {"1", "Ali'nin", "2"}},
        {"a'b;c'd", {"a'b;c'd"}},
        {"", {}},
        {";;", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LineCutter::splitFields(QString::fromUtf8(c.line), QLatin1Char(';')), c.fields) << c.line;
    EXPECT_EQ(LineCutter::splitFields(QStringLiteral("1\t\t2;3"), QLatin1Char('\t')), QStringList({"1", "2;3"}));
}

TEST(Reader, ProductTypeComesFromTheFirstMatchingPrefix)
{
    ExtTemplate ten = test::semicolonTemplate(QString());
    ten.utOnEk.clear(), ten.utTipi.clear(), ten.utBarNo.clear(), ten.utEtNo.clear(), ten.utEtValue.clear();
    for (int i = 0; i < 10; ++i)
        test::addProductType(ten, QString::number(10 + i), QStringLiteral("Adetli"), QStringLiteral("9"),
                             QString::number(i + 1));

    // Row 1 and row 2 share a prefix once blanks are removed; row 2 is also "7".
    ExtTemplate twice = test::semicolonTemplate(QString());
    twice.utOnEk[0] = QStringLiteral(" 27 ");
    twice.utTipi[0] = QStringLiteral(" Tartılı ");
    twice.utOnEk[1] = QStringLiteral("27");
    test::addProductType(twice, QStringLiteral("7"), QStringLiteral("Adetli"), QStringLiteral("9"),
                         QStringLiteral("5"));

    const struct {
        const char* name;
        ExtTemplate tpl;
        const char* onek;
        const char* barcodeField;
        ImportMode mode;
        QStringList expected;
    } cases[] = {
        {"prefix and item together", test::semicolonTemplate(QString()), "2", "7123", ImportMode::Manual,
         {"H", "1", "27123", "27", "AD", "1", "7", "4", "0", "9", "0", "3"}},
        {"first of two equal prefixes", twice, "", "27 55", ImportMode::Manual,
         {"H", "1", "27 55", "27", "AD", "1", "7", "4", "0", "9", "0", "3"}},
        {"blanks in the barcode prefix", twice, "", "7 12", ImportMode::Manual,
         {"H", "1", "7 12", "7 ", "AD", "1", "9", "10", "0", "9", "0", "5"}},
        {"none of ten types, manual", ten, "", "2999", ImportMode::Manual,
         {"E", "1", "2999", "29", "AD", "1", "", "", "", "9", "", ""}},
        {"none of ten types, automatic", ten, "", "2999", ImportMode::Automatic,
         {"E", "1", "2999", "29", "AD", "1", "", "", "", "", "", ""}},
        {"tenth type", ten, "", "1999", ImportMode::Automatic,
         {"H", "1", "1999", "19", "AD", "1", "9", "10", "0", "30", "0", "10"}},
    };
    for (const auto& c : cases) {
        ExtTemplate t = c.tpl;
        t.onek02 = QLatin1String(c.onek);
        const QList<StagingRow> rows =
            cut(t, {QStringLiteral("1;AD;") + QString::fromUtf8(c.barcodeField) + QStringLiteral(";1;9")}, c.mode);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(show(rows[0]), show(row(c.expected))) << c.name;
    }
}

TEST(Reader, LinesAreSkippedAtTheStartAndTheEnd)
{
    const QStringList lines = {"1000000000", "2000000000", "3000000000", "4000000000", "5000000000"};
    const struct {
        const char* bastan;
        const char* sondan;
        QStringList plus;
    } cases[] = {
        {"1", "1", {"200", "300", "400"}},
        {"0", "0", {"100", "200", "300", "400", "500"}},
        {" 4 ", "0", {"500"}},
        {"3", "2", {}},
        {"4", "4", {}},
        {"9", "0", {}},
        {"-1", "-1", {"100", "200", "300", "400", "500"}},
    };
    for (const auto& c : cases) {
        ExtTemplate t = shortFixedTemplate();
        t.bastan = QLatin1String(c.bastan);
        t.sondan = QLatin1String(c.sondan);
        t.kurus.clear();
        QStringList plus;
        for (const StagingRow& r : cut(t, lines))
            plus << r[staging::PluCode];
        EXPECT_EQ(plus, c.plus) << c.bastan << "/" << c.sondan;
    }
}

TEST(Reader, UnreadableTemplatesAndLinesRaiseNamingTheirPlace)
{
    const auto fixedWith = [](const char* key, const char* value) {
        ExtTemplate t = test::fixedTemplate(QString());
        t.setValue(QLatin1String(key), QLatin1String(value));
        return t;
    };
    const auto separatedWith = [](const char* key, const char* value) {
        ExtTemplate t = test::semicolonTemplate(QString());
        t.setValue(QLatin1String(key), QLatin1String(value));
        return t;
    };
    const QStringList fixedLines = fixture(QStringLiteral("fixed-cp1254.txt"), false);
    const QStringList separatedLines = {"1;A;345;1;9", "2;B;346;2,5;9", "3;C;347;1.250;9", "4;D"};

    const struct {
        const char* name;
        ExtTemplate tpl;
        QStringList lines;
        const char* message;
    } cases[] = {
        {"empty start", fixedWith("BSL01", ""), fixedLines,
         "Dış veri ayar dosyasındaki BSL01 değeri bir sayı değil: \"\""},
        {"length not a number", fixedWith("ADT03", "on"), fixedLines,
         "Dış veri ayar dosyasındaki ADT03 değeri bir sayı değil: \"on\""},
        {"empty BASTAN", fixedWith("BASTAN", ""), fixedLines,
         "Dış veri ayar dosyasındaki BASTAN değeri bir sayı değil: \"\""},
        {"field number not a number", separatedWith("ALN02", "x"), separatedLines,
         "Dış veri ayar dosyasındaki ALN02 değeri bir sayı değil: \"x\""},
        {"part without a start", separatedWith("VRM01", "H"), separatedLines,
         "Dış veri ayar dosyasındaki BSL01 değeri bir sayı değil: \"\""},
        {"price in the wrong form", separatedWith("KURUS", "2"), separatedLines,
         "Dış veri dosyasının 3. satırı: fiyat bir sayı değil: \"1.250\""},
        {"field beyond the line", separatedWith("ALN05", "6"), separatedLines,
         "Dış veri dosyasının 1. satırı 5 alandan oluşuyor; 6. alan yok."},
        {"line with too few fields", separatedWith("KURUS", ""), separatedLines,
         "Dış veri dosyasının 4. satırı 2 alandan oluşuyor; 3. alan yok."},
        {"fixed price not a number", fixedWith("BSL04", "12"), fixedLines,
         "Dış veri dosyasının 2. satırı: fiyat bir sayı değil: \"DANA KIY\""},
    };
    for (const auto& c : cases) {
        try {
            cut(c.tpl, c.lines);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ImportError& e) {
            EXPECT_EQ(e.text(), QString::fromUtf8(c.message)) << c.name;
        }
    }
}

TEST(Reader, ShelfLifeIsOnlyReadWhereItIsUsed)
{
    // The automatic import never reads item 5, so its keys may be empty there.
    ExtTemplate t = test::semicolonTemplate(QString());
    t.aln[4].clear();
    const QStringList lines = {"1;A;345;1"};
    EXPECT_THROW(cut(t, lines, ImportMode::Manual), ImportError);
    EXPECT_EQ(cut(t, lines, ImportMode::Automatic).value(0)[staging::ShelfLife], QStringLiteral("30"));
    t.sktvrm = QStringLiteral("e");
    EXPECT_EQ(cut(t, lines, ImportMode::Manual).value(0)[staging::ShelfLife], QStringLiteral("0"))
        << "only exactly E reads the shelf life from the line";
}
