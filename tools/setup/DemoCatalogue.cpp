#include "tools/setup/DemoCatalogue.h"

#include "settings/Cp1254.h"
#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"
#include "store/Database.h"

#include <QDir>
#include <QFile>

namespace mv {

namespace {

struct DemoProduct {
    int code;
    int barcode;
    const char* name;
    const char* price;
    int type; // 4 weighed, 10 counted
    int label;
};

const DemoProduct kProducts[] = {
    {1, 2700001, "DANA KIYMA", "489.9", 4, 1},
    {2, 2700002, "KUZU PİRZOLA", "899.5", 4, 1},
    {3, 2700003, "TAVUK GÖĞÜS", "239.75", 4, 1},
    {4, 2700004, "SUCUK KANGAL", "649", 4, 2},
    {5, 2800005, "BEYAZ PEYNİR", "319.9", 4, 3},
    {6, 2800006, "KAŞAR PEYNİRİ", "459", 4, 3},
    {7, 2800007, "SİYAH ZEYTİN", "189.5", 4, 3},
    {8, 2900008, "İNCİR KURUSU", "379", 4, 4},
    {9, 2900009, "FINDIK İÇİ", "559.9", 4, 4},
    {10, 2900010, "ÇİĞ BADEM", "699", 4, 4},
    {11, 2100011, "EKMEK", "15", 10, 9},
    {12, 2100012, "SİMİT", "12.5", 10, 9},
    {13, 2100013, "POĞAÇA", "17.5", 10, 9},
    {14, 2200014, "ÜZÜM", "69.9", 4, 5},
    {15, 2200015, "ŞEFTALİ", "79.9", 4, 5},
};

const char* kMessages[] = {
    "Afiyet olsun.",
    "+4 derecede saklayınız.",
    "Helal kesim.",
    "Günlük üretim.",
};

} // namespace

QStringList addDemoCatalogue(const QString& path, const QStringList& scaleIps)
{
    QStringList report;
    const ProgramFolder folder(path);
    Database db(folder.databasePath());

    if (db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL")).scalar().toInt() == 0) {
        for (const DemoProduct& p : kProducts) {
            db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
                   {p.code, p.barcode, p.barcode / 100000, QString::fromUtf8(p.name), QString::fromLatin1(p.price),
                    p.type, p.type == 4 ? 7 : 9, 0, 5, 0, p.label, QString()});
        }
        db.commit();
        report << QStringLiteral("%1 örnek ürün eklendi.").arg(std::size(kProducts));
    }

    if (db.run(QStringLiteral("SELECT COUNT(TRZIP) FROM TERAZITBL")).scalar().toInt() == 0) {
        int n = 0;
        for (const QString& ip : scaleIps) {
            const QString id = db.executeProcedure(QStringLiteral("P_TERAZI"));
            db.run(QStringLiteral("INSERT INTO TERAZITBL VALUES(?,?,?,?,?)"),
                   {id, ip, QStringLiteral("Reyon Terazi %1").arg(++n), QStringLiteral("0"), QString()});
            for (int table = 1; table <= 2; ++table)
                for (int key = 1; key <= 112; ++key)
                    db.run(QStringLiteral("INSERT INTO HKEYTBL VALUES(?,?,?,?)"), {id, table, key, 0});
        }
        db.commit();
        report << QStringLiteral("%1 örnek terazi eklendi: %2").arg(scaleIps.size()).arg(scaleIps.join(QStringLiteral(", ")));
    }

    if (db.run(QStringLiteral("SELECT COUNT(MSGID) FROM MSGTBL")).scalar().toInt() == 0) {
        int id = 0;
        for (const char* text : kMessages)
            db.run(QStringLiteral("INSERT INTO MSGTBL VALUES(?,?)"), {++id, QString::fromUtf8(text)});
        db.commit();
        report << QStringLiteral("%1 örnek mesaj eklendi.").arg(std::size(kMessages));
    }
    db.close();

    // A free-format template for a semicolon-separated price list beside the program.
    const QString dataFile = QDir(folder.path()).absoluteFilePath(QStringLiteral("fiyatlar.txt"));
    IniFile tpl(folder.file(QStringLiteral("Ini\\DisVeri.ini")));
    if (!tpl.exists()) {
        const QList<QPair<QString, QString>> keys = {
            {QStringLiteral("Seperator"), QStringLiteral("1")}, {QStringLiteral("Icerik"), QStringLiteral("1")},
            {QStringLiteral("Dosya"), dataFile},
            {QStringLiteral("ALN01"), QStringLiteral("1")}, {QStringLiteral("VRM01"), QStringLiteral("E")},
            {QStringLiteral("BSL01"), QString()}, {QStringLiteral("ADT01"), QString()},
            {QStringLiteral("ALN02"), QStringLiteral("2")}, {QStringLiteral("VRM02"), QStringLiteral("E")},
            {QStringLiteral("BSL02"), QString()}, {QStringLiteral("ADT02"), QString()},
            {QStringLiteral("ONEK02"), QString()},
            {QStringLiteral("ALN03"), QStringLiteral("3")}, {QStringLiteral("VRM03"), QStringLiteral("E")},
            {QStringLiteral("BSL03"), QString()}, {QStringLiteral("ADT03"), QString()},
            {QStringLiteral("ALN04"), QStringLiteral("4")}, {QStringLiteral("VRM04"), QStringLiteral("E")},
            {QStringLiteral("BSL04"), QString()}, {QStringLiteral("ADT04"), QString()},
            {QStringLiteral("KURUS"), QString()},
            {QStringLiteral("SKTVRM"), QStringLiteral("H")}, {QStringLiteral("VRM05"), QStringLiteral("H")},
            {QStringLiteral("BSL05"), QString()}, {QStringLiteral("ADT05"), QString()},
            {QStringLiteral("ALN05"), QString()},
            {QStringLiteral("UrtipCount"), QStringLiteral("2")},
            {QStringLiteral("STDSKT"), QStringLiteral("5")}, {QStringLiteral("RAF"), QStringLiteral("0")},
            {QStringLiteral("DARA"), QStringLiteral("0")}, {QStringLiteral("MESAJNO"), QStringLiteral("0")},
            {QStringLiteral("BASTAN"), QStringLiteral("1")}, {QStringLiteral("SONDAN"), QStringLiteral("0")},
        };
        for (const auto& [key, value] : keys)
            tpl.setValue(QStringLiteral("ExtData"), key, value);
        const QStringList row1 = {QStringLiteral("27"), QStringLiteral("Tartılı"), QStringLiteral("7"),
                                  QStringLiteral("1"), QStringLiteral("A0")};
        const QStringList row2 = {QStringLiteral("21"), QStringLiteral("Adetli"), QStringLiteral("9"),
                                  QStringLiteral("9"), QStringLiteral("E0")};
        const QStringList names = {QStringLiteral("UtOnEk"), QStringLiteral("UtTipi"), QStringLiteral("UtBarNo"),
                                   QStringLiteral("UtEtNo"), QStringLiteral("UtEtValue")};
        for (int i = 0; i < names.size(); ++i) {
            tpl.setValue(QStringLiteral("ProductTypes"), names[i] + QLatin1Char('1'), row1[i]);
            tpl.setValue(QStringLiteral("ProductTypes"), names[i] + QLatin1Char('2'), row2[i]);
        }
        tpl.save();
        report << QStringLiteral("Serbest format şablonu yazıldı: %1").arg(tpl.path());
    }
    if (!QFile::exists(dataFile)) {
        QFile f(dataFile);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("PLU;BARKOD;ADI;FIYAT\r\n"
                               "1;2700001;DANA KIYMA;499,90\r\n"
                               "2;2700002;KUZU PİRZOLA;919,50\r\n"
                               "16;2700016;KUZU KUŞBAŞI;749,00\r\n"
                               "17;2100017;AÇMA;18,00\r\n"
                               "18;2700018;\"PASTIRMA; ÇEMEN\";1249,00\r\n")
                    .toUtf8());
        report << QStringLiteral("Örnek fiyat listesi yazıldı: %1").arg(dataFile);
    }
    return report;
}

} // namespace mv
