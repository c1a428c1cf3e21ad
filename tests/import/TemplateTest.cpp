#include "settings/Cp1254.h"
#include "settings/ExtTemplate.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramList.h"
#include "tests/import/ImportTestKit.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace mv;

namespace {

QString iniText(const test::TestFolder& folder, const QString& relative)
{
    return fromCp1254(folder.readFile(relative));
}

} // namespace

TEST(ProgramList, EntriesRunFromTheFreeFormatToZentek)
{
    const QStringList entries = ProgramList::entries();
    ASSERT_EQ(entries.size(), 68);
    EXPECT_EQ(entries.first(), QStringLiteral("000 - [ Serbest Format ]"));
    EXPECT_EQ(entries.at(1), QStringLiteral("001 - AdvanRPS"));
    EXPECT_EQ(entries.at(36), QStringLiteral("036 - İremSoft"));
    EXPECT_EQ(entries.last(), QStringLiteral("067 - Zentek"));
    EXPECT_EQ(ProgramList::entry(68), QString());
    EXPECT_EQ(ProgramList::codeOfEntry(QStringLiteral("067 - Zentek")), 67);
    EXPECT_EQ(ProgramList::codeOfEntry(QStringLiteral("Zentek")), -1);
}

TEST(ExtTemplate, CodesSelectTheirFilesInTheIniFolder)
{
    test::TestFolder folder(test::TestFolder::Empty);
    const struct {
        const char* code;
        const char* file;
    } cases[] = {
        {"000", "/Ini/DisVeri.ini"},
        {"0", "/Ini/DisVeri.ini"},
        {"067", "/Ini/DisVeri067.ini"},
        {"1", "/Ini/DisVeri1.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(templatePath(folder.folder(), QLatin1String(c.code)), folder.path() + QLatin1String(c.file))
            << c.code;
}

TEST(ExtTemplate, WrittenAndReadBackGivesTheSameRecord)
{
    test::TestFolder folder(test::TestFolder::Empty);
    const QString path = folder.file(QStringLiteral("Ini/DisVeri067.ini"));
    ExtTemplate written = test::fixedTemplate(QStringLiteral("C:\\Veri\\Ürünler.txt"));
    test::addProductType(written, QStringLiteral("29"), QStringLiteral("Adetli"), QStringLiteral("9"),
                         QStringLiteral("10"));
    ASSERT_TRUE(written.write(path));

    const ExtTemplate read = ExtTemplate::read(path);
    EXPECT_EQ(read.urtipCount, 3);
    for (const QString& key : ExtTemplate::extDataKeys()) {
        if (key != QLatin1String("UrtipCount")) {
            EXPECT_EQ(read.value(key), written.value(key)) << key.toStdString();
        }
    }
    EXPECT_EQ(read.utOnEk, QStringList({"27", "28", "29"}));
    EXPECT_EQ(read.utTipi, QStringList({"Tartılı", "Adetli", "Adetli"}));
    EXPECT_EQ(read.utBarNo, QStringList({"7", "9", "9"}));
    EXPECT_EQ(read.utEtNo, QStringList({"1", "2", "10"}));
    EXPECT_EQ(read.utEtValue, QStringList({"A0", "A1", "E1"}));
}

TEST(ExtTemplate, WriterKeepsTheKeyOrderAndLeavesOlderRowsAlone)
{
    test::TestFolder folder(test::TestFolder::Empty);
    const QString path = folder.file(QStringLiteral("Ini/DisVeri.ini"));
    ExtTemplate t = test::fixedTemplate(QStringLiteral("veri.txt"));
    ASSERT_TRUE(t.write(path));

    const QString text = iniText(folder, QStringLiteral("Ini/DisVeri.ini"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[ExtData]\r\nSeperator=0\r\nIcerik=0\r\nDosya=veri.txt\r\n"
                                               "ALN01=\r\nVRM01=H\r\nBSL01=1\r\nADT01=6\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("ADT04=8\r\nKURUS=2\r\nSKTVRM=H\r\nVRM05=H\r\nBSL05=\r\nADT05=\r\n"
                                             "ALN05=\r\nUrtipCount=2\r\nSTDSKT=5\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("SONDAN=1\r\n[ProductTypes]\r\n"
                                             "UtOnEk1=27\r\nUtTipi1=Tartılı\r\nUtBarNo1=7\r\nUtEtNo1=1\r\nUtEtValue1=A0\r\n"
                                             "UtOnEk2=28\r\nUtTipi2=Adetli\r\nUtBarNo2=9\r\nUtEtNo2=2\r\nUtEtValue2=A1\r\n")));
    EXPECT_EQ(folder.readFile(QStringLiteral("Ini/DisVeri.ini")).count("Tart\xFDl\xFD"), 1) << "Tartılı in Windows-1254";

    // A shorter save leaves the second row in the file, but it is no longer read.
    t.urtipCount = 1;
    ASSERT_TRUE(t.write(path));
    EXPECT_TRUE(iniText(folder, QStringLiteral("Ini/DisVeri.ini")).contains(QStringLiteral("UtOnEk2=28")));
    const ExtTemplate read = ExtTemplate::read(path);
    EXPECT_EQ(read.urtipCount, 1);
    EXPECT_EQ(read.utOnEk, QStringList({"27"}));
}

TEST(ExtTemplate, CountsThatAreMissingOrNoNumbersReadAsZero)
{
    const struct {
        const char* ini;
        int separator;
        int content;
        int types;
    } cases[] = {
        {"[ExtData]\r\nDosya=a.txt\r\n", 0, 0, 0},
        {"[ExtData]\r\nSeperator=x\r\nIcerik=\r\nUrtipCount=iki\r\n", 0, 0, 0},
        {"[ExtData]\r\nSeperator= 2 \r\nIcerik=1\r\nUrtipCount= 1\r\n", 2, 1, 1},
        {"[ExtData]\r\nSeperator=1\r\nUrtipCount=-3\r\n", 1, 0, 0},
        {"[ExtData]\r\nUrtipCount=12\r\n", 0, 0, 10},
    };
    for (const auto& c : cases) {
        test::TestFolder folder(test::TestFolder::Empty);
        folder.writeFile(QStringLiteral("Ini/DisVeri.ini"), QByteArray(c.ini));
        const ExtTemplate t = ExtTemplate::read(folder.file(QStringLiteral("Ini/DisVeri.ini")));
        EXPECT_EQ(t.separatorNumber(), c.separator) << c.ini;
        EXPECT_EQ(t.contentNumber(), c.content) << c.ini;
        EXPECT_EQ(t.urtipCount, c.types) << c.ini;
        EXPECT_EQ(t.utOnEk.size(), c.types) << c.ini;
    }
}

TEST(ExtTemplate, ReadersTakeOnlyTheFirstTenRows)
{
    test::TestFolder folder(test::TestFolder::Empty);
    QByteArray ini = "[ExtData]\r\nUrtipCount=11\r\n[ProductTypes]\r\n";
    for (int r = 1; r <= 11; ++r)
        ini += QStringLiteral("UtOnEk%1=%2\r\n").arg(r).arg(19 + r).toLatin1();
    folder.writeFile(QStringLiteral("Ini/DisVeri.ini"), ini);
    const ExtTemplate t = ExtTemplate::read(folder.file(QStringLiteral("Ini/DisVeri.ini")));
    ASSERT_EQ(t.utOnEk.size(), 10);
    EXPECT_EQ(t.utOnEk.first(), QStringLiteral("20"));
    EXPECT_EQ(t.utOnEk.last(), QStringLiteral("29"));
    EXPECT_EQ(t.utTipi, QStringList(10, QString())) << "missing row keys read as empty texts";
}

TEST(ExtTemplate, MissingFileReadsAsEmptyTemplate)
{
    test::TestFolder folder(test::TestFolder::Empty);
    const ExtTemplate t = ExtTemplate::read(folder.file(QStringLiteral("Ini/DisVeri005.ini")));
    EXPECT_EQ(t.urtipCount, 0);
    EXPECT_TRUE(t.dosya.isEmpty());
    EXPECT_TRUE(t.bsl[0].isEmpty());
}
