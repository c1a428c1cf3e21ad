#include "settings/Countdown.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"
#include "tests/support/TestFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace mv;

TEST(GeneralSettings, FlagsCountOnlyACapitalE)
{
    EXPECT_TRUE(isYes(QStringLiteral("E")));
    for (const char* no : {"e", "Evet", "", "H", " E"})
        EXPECT_FALSE(isYes(QString::fromUtf8(no))) << no;
}

TEST(GeneralSettings, ReadsEveryKeyAndMissingOnesAsEmpty)
{
    test::TestFolder folder(test::TestFolder::Empty);
    folder.writeSettings(QStringLiteral("[Genel]\nKusurat =  ,  \nTeraziSecim=E\n[OtoYukleme]\nBaslatma=E\nBaslatSure=00:00:05\n"));
    const GeneralSettings s = GeneralSettings::read(folder.settingsPath());
    EXPECT_EQ(s.kusurat, QStringLiteral(","));
    EXPECT_EQ(s.teraziSecim, QStringLiteral("E"));
    EXPECT_EQ(s.baslatSure, QStringLiteral("00:00:05"));
    EXPECT_EQ(s.disVerideEskiSil, QString());
    EXPECT_EQ(s.dara, QString());
    EXPECT_EQ(s.decimalSeparator(), QLatin1Char(','));

    GeneralSettings empty;
    EXPECT_EQ(empty.decimalSeparator(), QLatin1Char('.'));
}

TEST(GeneralSettings, WritesSixteenKeysInOrderAndASecondSaveChangesNothing)
{
    test::TestFolder folder(test::TestFolder::Empty);
    GeneralSettings s;
    s.logIslem = QStringLiteral("E");
    s.disVeriSablon = QStringLiteral("005");
    s.kusurat = QStringLiteral(",");
    s.departman = QStringLiteral("27");
    s.baslatSure = QStringLiteral("00:05:00");
    ASSERT_TRUE(s.write(folder.settingsPath()));
    const QByteArray first = folder.readFile(QStringLiteral("Ini/GenelAyar.Ini"));
    EXPECT_EQ(first, QByteArrayLiteral("[Genel]\r\nLogIslem=E\r\nBildirim=\r\nDisVeriAyari=\r\nDisVeriSablon=005\r\n"
                                       "TeraziSecim=\r\nDisVerideEskiSil=\r\nKusurat=,\r\n"
                                       "[UrunStandart]\r\nDepartman=27\r\nRafOmru=\r\nDara=\r\nBarkodTipi=\r\nMesaj1=\r\n"
                                       "[OtoYukleme]\r\nBaslatma=\r\nPeriyodik=\r\nBaslatSure=00:05:00\r\nPeriyodikSure=\r\n"));
    ASSERT_TRUE(GeneralSettings::read(folder.settingsPath()).write(folder.settingsPath()));
    EXPECT_EQ(folder.readFile(QStringLiteral("Ini/GenelAyar.Ini")), first);

    ASSERT_TRUE(GeneralSettings::writeTemplateCode(folder.settingsPath(), QStringLiteral("067")));
    EXPECT_EQ(GeneralSettings::read(folder.settingsPath()).disVeriSablon, QStringLiteral("067"));
}

TEST(GeneralSettings, TemplateCodeSelectsTheTemplateFile)
{
    test::TestFolder folder(test::TestFolder::Empty);
    const struct {
        const char* code;
        const char* file;
        const char* shown;
    } cases[] = {
        {"000", "Ini/DisVeri.ini", "000"}, {"0", "Ini/DisVeri.ini", "000"},
        {"001", "Ini/DisVeri001.ini", "001"}, {"067", "Ini/DisVeri067.ini", "067"},
        {"1", "Ini/DisVeri1.ini", "001"}, // the stored text, not the number, names the file
        {"", "Ini/DisVeri.ini", "000"}, {"abc", "Ini/DisVeri.ini", "000"},
    };
    for (const auto& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(templatePath(folder.folder(), code), folder.file(QString::fromLatin1(c.file))) << c.code;
        EXPECT_EQ(normalizedTemplateCode(code), QString::fromLatin1(c.shown)) << c.code;
    }
}

TEST(ProgramFolder, FindsFilesWhoseNamesDifferOnlyInCase)
{
    test::TestFolder folder(test::TestFolder::Empty);
    folder.writeFile(QStringLiteral("DATA.fdb"), "x");
    folder.writeFile(QStringLiteral("ini/genelayar.ini"), "x");
    const ProgramFolder pf = folder.folder();
    EXPECT_EQ(pf.databasePath(), folder.file(QStringLiteral("DATA.fdb")));
    EXPECT_EQ(pf.settingsPath(), folder.file(QStringLiteral("ini/genelayar.ini")));
    EXPECT_EQ(pf.file(QStringLiteral("Ini\\DisVeri.ini")), folder.file(QStringLiteral("ini/DisVeri.ini")));
    EXPECT_EQ(pf.errorFilePath(), folder.file(QStringLiteral("Hata.txt")));
}

TEST(Countdown, ReadsAndWritesHoursMinutesSeconds)
{
    const struct {
        const char* text;
        int seconds;
    } cases[] = {{"00:00:05", 5}, {"00:03:17", 197}, {"01:00:00", 3600}, {"23:59:59", 86399},
                 {"", 0}, {"5", 0}, {"00:60:00", 0}, {"aa:bb:cc", 0}, {"0:00:05", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(countdown::toSeconds(QString::fromLatin1(c.text)), c.seconds) << c.text;
    EXPECT_EQ(countdown::format(197), QStringLiteral("00:03:17"));
    EXPECT_EQ(countdown::format(-1), QStringLiteral("23:59:59"));
    EXPECT_EQ(countdown::normalized(QStringLiteral("bozuk")), QStringLiteral("00:00:00"));
}
