#include "import/ExternalImport.h"
#include "import/ImportError.h"
#include "settings/Cp1254.h"
#include "settings/GeneralSettings.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/OperationLog.h"
#include "tests/import/ImportTestKit.h"
#include "tests/support/TestFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

using namespace mv;

namespace {

const QString kInsert = QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");

// A program folder with its database, a template in Ini\DisVeri.ini and the stores of
// the window that imports.
struct Shop {
    test::TestFolder folder;
    std::unique_ptr<Database> db = std::make_unique<Database>(folder.databasePath());
    OperationLog log{*db};
    test::RecordingFeedback feedback;
    ImportStores stores;
    GeneralSettings settings = GeneralSettings::read(folder.settingsPath());

    explicit Shop(const QString& oldRecords = QStringLiteral("H")) { settings.disVerideEskiSil = oldRecords; }

    QString templatePath() const { return folder.file(QStringLiteral("Ini/DisVeri.ini")); }
    void useTemplate(const ExtTemplate& t) { ASSERT_TRUE(t.write(templatePath())); }
    // A semicolon file in the program folder, read by the semicolon template.
    void semicolonFile(const QString& text, const QString& barcodePrefix = QStringLiteral("27"))
    {
        folder.writeFile(QStringLiteral("veri.txt"), text.toUtf8());
        ExtTemplate t = test::semicolonTemplate(QStringLiteral("veri.txt"));
        t.onek02 = barcodePrefix;
        useTemplate(t);
    }
    void fixedFile(const QStringList& lines)
    {
        folder.writeFile(QStringLiteral("sabit.txt"), toCp1254(lines.join(QStringLiteral("\r\n"))));
        ExtTemplate t = test::fixedTemplate(QStringLiteral("sabit.txt"));
        t.bastan = t.sondan = QStringLiteral("0");
        useTemplate(t);
    }

    ExternalImport importer() { return ExternalImport(*db, log, folder.folder(), feedback); }
    ExternalImport::Result automatic() { return importer().runAutomatic(stores, settings, templatePath()); }
    ExternalImport::Result manual(const ExternalImport::RowHook& hook = {})
    {
        return importer().runManual(stores, settings, templatePath(), hook);
    }

    void addProduct(int code, const QString& name)
    {
        db->run(kInsert, {code, 2700000 + code, 27, name, 1.5, 4, 7, 0.0, 0, 0, 1, QStringLiteral("")});
        db->commit();
    }

    // Every product as "code|barcode|dept|name|price|type|barcode type|tare|shelf|message|label|changed",
    // read through a connection of its own, so only committed rows count.
    QStringList committedProducts() const
    {
        Database other(folder.databasePath());
        const Rows rows = other.run(QStringLiteral(
            "SELECT PLUKODU, BARKODU, DEPT, PLUADI, FIYAT, URTIP, BARTIP, DARA, RAFOMRU, MESAJ1, ETIKETNO, DEGISTI "
            "FROM PLUTBL ORDER BY PLUKODU"));
        QStringList out;
        for (int r = 0; r < rows.count(); ++r) {
            QStringList cells;
            for (int c = 0; c < 12; ++c) {
                const QVariant v = rows.value(r, c);
                cells << (v.isNull() ? QStringLiteral("<null>") : v.toString());
            }
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    QStringList logTexts() const
    {
        const Rows rows = db->run(QStringLiteral("SELECT ISLEM FROM LOGTBL ORDER BY LOGNO"));
        QStringList out;
        for (int r = 0; r < rows.count(); ++r)
            out << rows.text(r, QStringLiteral("ISLEM"));
        return out;
    }
    bool hasErrorFile() const { return QFile::exists(folder.file(QStringLiteral("Hata.txt"))); }
    QByteArray errorFile() const { return folder.readFile(QStringLiteral("Hata.txt")); }
};

} // namespace

TEST(ImportStore, FixedFileIsStoredWithEveryColumn)
{
    Shop shop;
    shop.settings.rafOmru = QStringLiteral("15");
    shop.settings.mesaj1 = QStringLiteral("2");
    shop.folder.copyFixture(QStringLiteral("import/fixed-cp1254.txt"), QStringLiteral("veri/fiyat.txt"));
    shop.useTemplate(test::fixedTemplate(QStringLiteral("veri/fiyat.txt")));

    const ExternalImport::Result result = shop.automatic();

    EXPECT_EQ(shop.committedProducts(), QStringList({
                                            "1|27123|27|DANA KIYMA|12.5|4|7|0|15|2|1|",
                                            "2|28456|28|ŞEKER  KÜP |9.99|10|9|0|15|2|2|",
                                            "4|27124|27|İNCİR ıİşŞğĞüÜöÖçÇ|1000|4|7|0|15|2|1|",
                                        }));
    EXPECT_EQ(result.rows, 4);
    EXPECT_EQ(result.errorCount, 1);
    EXPECT_EQ(shop.stores.errorLines, QStringList({"3.Satir: Eksik Bilgi-> ,,,,"}));
    EXPECT_EQ(shop.errorFile(), QByteArray("3.Satir: Eksik Bilgi-> ,,,,\r\n"));
    EXPECT_EQ(shop.feedback.statuses, QStringList({"Veriler Alındı.\r1 Adet Hatalı Kayıt Var."}));
    EXPECT_EQ(shop.logTexts(), QStringList()) << "an import with faulty rows leaves no log record";
    EXPECT_EQ(shop.stores.rawLines.size(), 6);
    EXPECT_EQ(shop.stores.staging.size(), 5) << "header row and four data rows";
}

TEST(ImportStore, OldRecordsSettingDecidesBetweenDeleteUpdateAndErrorLine)
{
    const QString file = QStringLiteral("1;YENİ;345;12,5;3\n5;BEŞ;346;1;3\n1;TEKRAR;347;2;3\n");
    const struct {
        const char* setting;
        QStringList products;
        QStringList errors;
    } cases[] = {
        {"E",
         {"1|27345|27|YENİ|12.5|4|7|0|3|0|3|", "5|27346|27|BEŞ|1|4|7|0|3|0|3|"},
         {"3.Satir Hatali Bilgi-> 1,27347,27,TEKRAR,2"}},
        {"H",
         {"1|27347|27|TEKRAR|2|4|7|0|3|0|3|E", "5|27346|27|BEŞ|1|4|7|0|3|0|3|",
          "9|2700009|27|KALAN|1.5|4|7|0|0|0|1|"},
         {}},
        {"",
         {"1|2700001|27|ESKİ ÜRÜN|1.5|4|7|0|0|0|1|", "5|27346|27|BEŞ|1|4|7|0|3|0|3|",
          "9|2700009|27|KALAN|1.5|4|7|0|0|0|1|"},
         {"1.Satir Hatali Bilgi-> 1,27345,27,YENİ,12.5", "3.Satir Hatali Bilgi-> 1,27347,27,TEKRAR,2"}},
        {"h",
         {"1|2700001|27|ESKİ ÜRÜN|1.5|4|7|0|0|0|1|", "5|27346|27|BEŞ|1|4|7|0|3|0|3|",
          "9|2700009|27|KALAN|1.5|4|7|0|0|0|1|"},
         {"1.Satir Hatali Bilgi-> 1,27345,27,YENİ,12.5", "3.Satir Hatali Bilgi-> 1,27347,27,TEKRAR,2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        Shop shop(QLatin1String(c.setting));
        shop.addProduct(1, QStringLiteral("ESKİ ÜRÜN"));
        shop.addProduct(9, QStringLiteral("KALAN"));
        shop.semicolonFile(file);

        shop.manual();

        EXPECT_EQ(shop.committedProducts(), c.products);
        EXPECT_EQ(shop.stores.errorLines, c.errors);
        QByteArray expectedFile;
        for (const QString& line : c.errors)
            expectedFile += toCp1254(line) + "\r\n";
        EXPECT_EQ(shop.errorFile(), expectedFile);
    }
}

TEST(ImportStore, ErrorFileHoldsWindows1254Text)
{
    Shop shop(QStringLiteral("X"));
    shop.addProduct(1, QStringLiteral("ESKİ"));
    shop.semicolonFile(QStringLiteral("1;ŞİŞ ÇÖP;345;12,5;3\n"));
    shop.manual();
    EXPECT_EQ(shop.errorFile(), QByteArray("1.Satir Hatali Bilgi-> 1,27345,27,\xDE\xDD\xDE \xC7\xD6P,12.5\r\n"));
}

TEST(ImportStore, CleanRunIsLoggedAndClearsTheLastErrorFile)
{
    Shop shop;
    shop.folder.writeFile(QStringLiteral("HATA.TXT"), "eski hatalar\r\n");
    shop.semicolonFile(QStringLiteral("1;ELMA;345;12,5;3\n2;ARMUT;346;8;3\n"));

    const ExternalImport::Result result = shop.manual();

    const QString text = QStringLiteral("veri.txt Dosyasından Veriler Alındı.");
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.statusText, text);
    EXPECT_EQ(shop.feedback.statuses, QStringList({text}));
    EXPECT_EQ(shop.logTexts(), QStringList({text}));
    EXPECT_FALSE(shop.hasErrorFile());
    EXPECT_FALSE(QFile::exists(shop.folder.file(QStringLiteral("HATA.TXT"))));
    EXPECT_EQ(shop.committedProducts().size(), 2);
}

TEST(ImportStore, DeleteFirstWithoutDataLinesEmptiesTheTable)
{
    Shop shop(QStringLiteral("E"));
    shop.addProduct(1, QStringLiteral("ESKİ"));
    shop.folder.writeFile(QStringLiteral("bos.txt"), "BASLIK\r\nSON\r\n");
    shop.useTemplate(test::fixedTemplate(QStringLiteral("bos.txt")));

    const ExternalImport::Result result = shop.automatic();

    EXPECT_EQ(result.rows, 0);
    EXPECT_EQ(shop.committedProducts(), QStringList());
    EXPECT_EQ(shop.logTexts(), QStringList({"bos.txt Dosyasından Veriler Alındı."}));
    EXPECT_EQ(shop.stores.staging, QList<StagingRow>({ImportStores::headerRow()}));
}

TEST(ImportStore, ReadingErrorTouchesNothing)
{
    const struct {
        const char* name;
        const char* data; // written to veri.txt unless null
        const char* key;  // template key changed
        const char* value;
    } cases[] = {
        {"field beyond the line", "1;A;345;1;3\n2;B\n", nullptr, nullptr},
        {"price not a number", "1;A;345;1;3\n2;B;346;1.250,00;3\n", nullptr, nullptr},
        {"template number empty", "1;A;345;1;3\n", "ALN03", ""},
        {"data file missing", nullptr, nullptr, nullptr},
        {"template file missing", "1;A;345;1;3\n", "-", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shop shop(QStringLiteral("E"));
        shop.addProduct(7, QStringLiteral("KALSIN"));
        const QStringList before = shop.committedProducts();
        ExtTemplate t = test::semicolonTemplate(QStringLiteral("veri.txt"));
        if (c.key && QLatin1String(c.key) != QLatin1String("-"))
            t.setValue(QLatin1String(c.key), QLatin1String(c.value));
        if (!c.key || QLatin1String(c.key) != QLatin1String("-"))
            shop.useTemplate(t);
        if (c.data)
            shop.folder.writeFile(QStringLiteral("veri.txt"), c.data);

        EXPECT_THROW(shop.automatic(), ImportError);

        EXPECT_EQ(shop.committedProducts(), before);
        EXPECT_FALSE(shop.hasErrorFile());
        EXPECT_EQ(shop.logTexts(), QStringList());
        EXPECT_EQ(shop.feedback.statuses, QStringList());
        EXPECT_EQ(shop.feedback.progressBegun, 0);
    }
}

TEST(ImportStore, FailedInsertOfARowWithoutProductType)
{
    // PLU 2 has a barcode prefix of no product type, so its numeric columns are empty.
    const QStringList lines = {
        QStringLiteral("1     7123 ELMA                    1250"),
        QStringLiteral("2     9999 BİLİNMEYEN               500"),
        QStringLiteral("3     7125 ARMUT                    800"),
    };

    {
        SCOPED_TRACE("update fails: the import ends at that row");
        Shop shop(QStringLiteral("H"));
        shop.fixedFile(lines);
        EXPECT_THROW(shop.automatic(), DbError);
        EXPECT_EQ(shop.committedProducts(), QStringList({"1|27123|27|ELMA|12.5|4|7|0|0|0|1|"}));
        EXPECT_FALSE(shop.hasErrorFile());
        EXPECT_EQ(shop.feedback.statuses, QStringList());
        EXPECT_EQ(shop.feedback.progressEnded, 1) << "the gauge and the wait cursor are reset";
        // The shared transaction goes on after the error.
        shop.addProduct(8, QStringLiteral("SONRA"));
        EXPECT_EQ(shop.committedProducts().size(), 2);
    }
    {
        SCOPED_TRACE("no update: an error line");
        Shop shop(QStringLiteral("E"));
        shop.fixedFile(lines);
        shop.automatic();
        EXPECT_EQ(shop.committedProducts(),
                  QStringList({"1|27123|27|ELMA|12.5|4|7|0|0|0|1|", "3|27125|27|ARMUT|8|4|7|0|0|0|1|"}));
        EXPECT_EQ(shop.stores.errorLines, QStringList({"2.Satir Hatali Bilgi-> 2,29999,29,BİLİNMEYEN,5"}));
    }
}

TEST(ImportStore, ValuesTheColumnsCannotHoldAreFailedInserts)
{
    Shop shop(QStringLiteral(""));
    shop.semicolonFile(QStringLiteral("12A;HARFLİ;345;1;3\n"
                                      "2;ÇOK UZUN BİR ÜRÜN ADI OTUZ ALTI HARFİ AŞAR;346;1;3\n"
                                      "3;PAHALI;347;1E20;3\n"
                                      "4;DOĞRU;348;1;3\n"));
    shop.manual();
    EXPECT_EQ(shop.committedProducts(), QStringList({"4|27348|27|DOĞRU|1|4|7|0|3|0|3|"}));
    EXPECT_EQ(shop.stores.errorLines,
              QStringList({"1.Satir Hatali Bilgi-> 12A,27345,27,HARFLİ,1",
                           "2.Satir Hatali Bilgi-> 2,27346,27,ÇOK UZUN BİR ÜRÜN ADI OTUZ ALTI HARFİ AŞAR,1",
                           "3.Satir Hatali Bilgi-> 3,27347,27,PAHALI,1E20"}));
}

TEST(ImportStore, ANewProductWhoseInsertFailsIsAFaultyLineWhenMergingToo)
{
    Shop shop(QStringLiteral("H"));
    shop.addProduct(4, QStringLiteral("ESKİ"));
    shop.semicolonFile(QStringLiteral("2;ÇOK UZUN BİR ÜRÜN ADI OTUZ ALTI HARFİ AŞAR;346;1;3\n"
                                      "4;DOĞRU;348;1;3\n"));
    const ExternalImport::Result result = shop.manual();
    EXPECT_EQ(shop.committedProducts(), QStringList({"4|27348|27|DOĞRU|1|4|7|0|3|0|3|E"}));
    EXPECT_EQ(shop.stores.errorLines,
              QStringList({"1.Satir Hatali Bilgi-> 2,27346,27,ÇOK UZUN BİR ÜRÜN ADI OTUZ ALTI HARFİ AŞAR,1"}));
    EXPECT_EQ(result.statusText, QStringLiteral("Veriler Alındı.\r1 Adet Hatalı Kayıt Var."));
}

TEST(ImportStore, SeparatedRowWithoutProductTypeIsIncompleteInBothEntries)
{
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "automatic" : "manual");
        Shop shop;
        shop.semicolonFile(QStringLiteral("1;ELMA;29945;1;3\n"), QString());
        automatic ? shop.automatic() : shop.manual();
        EXPECT_EQ(shop.stores.errorLines, QStringList({"1.Satir: Eksik Bilgi-> 1,29945,29,ELMA,1"}));
        EXPECT_EQ(shop.committedProducts(), QStringList());
    }
}

TEST(ImportStore, ManualEntryAsksChecksTheTemplateAndRelistsAfterEveryRow)
{
    {
        SCOPED_TRACE("declined");
        Shop shop;
        shop.feedback.answer = false;
        shop.folder.writeFile(QStringLiteral("Hata.txt"), "eski\r\n");
        shop.semicolonFile(QStringLiteral("1;ELMA;345;1;3\n"));
        EXPECT_FALSE(shop.manual().ran);
        EXPECT_EQ(shop.feedback.questions, QStringList({"Dış veri dosyasından ürün bilgileri alınsın mı?"}));
        EXPECT_EQ(shop.committedProducts(), QStringList());
        EXPECT_TRUE(shop.hasErrorFile()) << "nothing happens before Evet";
    }
    {
        SCOPED_TRACE("no template");
        Shop shop;
        EXPECT_FALSE(shop.manual().ran);
        EXPECT_EQ(shop.feedback.notices, QStringList({"Dış Veri Ayar Dosyasi Bulunamadi.\rVeri Alımı Yapılamayacaktır."}));
        EXPECT_EQ(shop.feedback.statuses, QStringList());
    }
    {
        SCOPED_TRACE("runs");
        Shop shop;
        shop.semicolonFile(QStringLiteral("1;ELMA;27345;1;3\n2;ARMUT;29945;1;3\n3;AYVA;27346;1;3\n"), QString());
        QList<int> storedAtEachRow;
        shop.manual([&] { storedAtEachRow << shop.committedProducts().size(); });
        EXPECT_EQ(storedAtEachRow, QList<int>({1, 1, 2})) << "each row is committed before the list is read";
        EXPECT_EQ(shop.feedback.progressMaximum, 3);
        EXPECT_EQ(shop.feedback.progressValue, 3);
        EXPECT_EQ(shop.feedback.progressEnded, 1);
    }
}
