#include "settings/Cp1254.h"
#include "settings/IniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mv;

namespace {

QByteArray afterWrite(const QByteArray& before, const char* section, const char* key, const QString& value)
{
    IniFile ini;
    ini.fromBytes(before);
    ini.setValue(QString::fromLatin1(section), QString::fromLatin1(key), value);
    return ini.toBytes();
}

} // namespace

TEST(IniFile, ReadsValuesByTheProfileRules)
{
    IniFile ini;
    ini.fromBytes(QByteArrayLiteral("; yorum\r\n"
                                    "[Genel]\r\n"
                                    "Kusurat= , \r\n"
                                    "  TeraziSecim =E\r\n"
                                    "Dosya=C:\\Veri\\a=b.txt\r\n"
                                    "[genel2]\r\n"
                                    "Kusurat=.\r\n"
                                    "[OtoYukleme]\n"
                                    "BaslatSure=00:00:05"));
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Genel", "Kusurat", ","},            // blanks around the value removed
        {"GENEL", "terazisecim", "E"},        // names matched regardless of case, key blanks too
        {"Genel", "Dosya", "C:\\Veri\\a=b.txt"}, // the value is everything after the first "="
        {"Genel2", "Kusurat", "."},
        {"OtoYukleme", "BaslatSure", "00:00:05"}, // LF line ends and no final line end
        {"Genel", "Yok", ""},
        {"YokBolum", "Kusurat", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.value(QString::fromLatin1(c.section), QString::fromLatin1(c.key)), QString::fromLatin1(c.value))
            << c.section << "/" << c.key;
}

TEST(IniFile, WritesChangeOnlyWhatTheyMust)
{
    const QByteArray base = QByteArrayLiteral("[Genel]\r\n"
                                              "LogIslem=E\r\n"
                                              "Kusurat=,\r\n"
                                              "\r\n"
                                              "[UrunStandart]\n"
                                              "Dara=0\n");
    const struct {
        const char* name;
        const char* section;
        const char* key;
        QString value;
        QByteArray expected;
    } cases[] = {
        {"replaced in place, key spelling kept", "genel", "KUSURAT", QStringLiteral("."),
         QByteArrayLiteral("[Genel]\r\nLogIslem=E\r\nKusurat=.\r\n\r\n[UrunStandart]\nDara=0\n")},
        {"missing key at the end of its section, before the blank line", "Genel", "Bildirim", QStringLiteral("H"),
         QByteArrayLiteral("[Genel]\r\nLogIslem=E\r\nKusurat=,\r\nBildirim=H\r\n\r\n[UrunStandart]\nDara=0\n")},
        {"missing key in the last section", "UrunStandart", "Mesaj1", QStringLiteral("3"),
         QByteArrayLiteral("[Genel]\r\nLogIslem=E\r\nKusurat=,\r\n\r\n[UrunStandart]\nDara=0\nMesaj1=3\r\n")},
        {"missing section at the end of the file", "OtoYukleme", "Baslatma", QStringLiteral("E"),
         QByteArrayLiteral("[Genel]\r\nLogIslem=E\r\nKusurat=,\r\n\r\n[UrunStandart]\nDara=0\n[OtoYukleme]\r\nBaslatma=E\r\n")},
        {"Turkish text in Windows-1254", "Genel", "LogIslem", QStringLiteral("İşçi ğüö"),
         QByteArrayLiteral("[Genel]\r\nLogIslem=\xDD\xFE\xE7i \xF0\xFC\xF6\r\nKusurat=,\r\n\r\n[UrunStandart]\nDara=0\n")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(afterWrite(base, c.section, c.key, c.value), c.expected) << c.name;

    EXPECT_EQ(afterWrite(QByteArrayLiteral("[A]\r\nx=1"), "A", "y", QStringLiteral("2")),
              QByteArrayLiteral("[A]\r\nx=1\r\ny=2\r\n"));
    EXPECT_EQ(afterWrite(QByteArray(), "Genel", "Kusurat", QStringLiteral(",")),
              QByteArrayLiteral("[Genel]\r\nKusurat=,\r\n"));
}

TEST(IniFile, SavesAndLoadsThroughTheDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    IniFile missing(path);
    ASSERT_TRUE(missing.load());
    EXPECT_EQ(missing.value(QStringLiteral("Genel"), QStringLiteral("Kusurat")), QString());

    missing.setValue(QStringLiteral("Genel"), QStringLiteral("Dosya"), QStringLiteral("/veri/ürün listesi.txt"));
    ASSERT_TRUE(missing.save());
    IniFile again(path);
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.value(QStringLiteral("genel"), QStringLiteral("dosya")), QStringLiteral("/veri/ürün listesi.txt"));
}

TEST(Cp1254, RoundTripsTurkishTextAndMarksWhatItCannotHold)
{
    const QString turkish = QStringLiteral("İı Şş Ğğ Üü Öö Çç €");
    EXPECT_EQ(fromCp1254(toCp1254(turkish)), turkish);
    EXPECT_EQ(toCp1254(QStringLiteral("İ")), QByteArray("\xDD"));
    EXPECT_EQ(toCp1254(QStringLiteral("a→b😀c")), QByteArray("a?b?c"));
}
