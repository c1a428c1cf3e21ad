#include "app/AutomaticRun.h"
#include "scale/LibraryScaleDriver.h"
#include "settings/GeneralSettings.h"
#include "store/Database.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"
#include "tests/e2e/ScaleRack.h"
#include "tests/support/TestFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace mv;
using namespace mv::test;

namespace {

struct StatusRecorder : OperationFeedback {
    QStringList statuses;
    void setStatus(const QString& text) override { statuses << text; }
};

// The current folder for the driver's system.cfg, restored afterwards.
struct CurrentFolder {
    explicit CurrentFolder(const QString& path) : m_old(QDir::currentPath()) { QDir::setCurrent(path); }
    ~CurrentFolder() { QDir::setCurrent(m_old); }
    QString m_old;
};

} // namespace

TEST(ImportAndLoad, PriceListReachesEveryScaleThatAnswers)
{
    const QStringList ips = {QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.3"), QStringLiteral("127.0.0.4")};
    ScaleRack rack(ips, {QStringLiteral("127.0.0.3")});

    TestFolder folder;
    folder.copyFixture(QStringLiteral("e2e/DisVeri.ini"), QStringLiteral("Ini/DisVeri.ini"));
    folder.copyFixture(QStringLiteral("e2e/fiyat.txt"), QStringLiteral("fiyat.txt"));
    rack.writeSystemCfg(folder.path());
    CurrentFolder here(folder.path());

    LibraryScaleDriver driver;
    ASSERT_TRUE(driver.load({binaryFolder()})) << driver.errorText().toStdString();

    Database db(folder.databasePath());
    OperationLog log(db);
    StatusRecorder feedback;
    const GeneralSettings settings = GeneralSettings::read(folder.settingsPath());
    AutomaticRun run(db, log, driver, folder.folder(), feedback);
    run.run(settings, templatePath(folder.folder(), settings.disVeriSablon), ips);

    // Two products stored, the third line faulty.
    EXPECT_EQ(db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL")).scalar().toInt(), 2);
    QFile expected(fixturePath(QStringLiteral("e2e/Hata.expected")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(folder.readFile(QStringLiteral("Hata.txt")), expected.readAll());

    for (const QString& ip : {ips[0], ips[2]}) {
        const sim::ScaleMemory memory = rack.memory(ip);
        ASSERT_EQ(memory.plus.size(), 2u) << ip.toStdString();
        const sim::SimPluRecord& meat = memory.plus.at(1);
        EXPECT_EQ(meat.name, QStringLiteral("DANA KIYMA"));
        EXPECT_EQ(meat.barcode, QStringLiteral("2700001"));
        EXPECT_EQ(meat.price, 49990);
        EXPECT_EQ(meat.type, 4);
        EXPECT_EQ(meat.barcodeType, 7);
        EXPECT_EQ(meat.department, 27);
        EXPECT_EQ(meat.label, 1);
        const sim::SimPluRecord& bread = memory.plus.at(2);
        EXPECT_EQ(bread.name, QStringLiteral("SİMİT"));
        EXPECT_EQ(bread.price, 1250);
        EXPECT_EQ(bread.type, 10);
        EXPECT_EQ(bread.label, 3); // label E0, ordinal 9
    }
    EXPECT_TRUE(rack.memory(ips[1]).plus.empty());

    EXPECT_EQ(logTexts(db), (QStringList{
                                QStringLiteral("127.0.0.2 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi."),
                                QStringLiteral("127.0.0.3 IP Numaralı Terazi ile iletişim kurulamadı."),
                                QStringLiteral("127.0.0.4 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi."),
                            }));
    EXPECT_EQ(feedback.statuses.first(), QStringLiteral("Veriler Alındı.\r1 Adet Hatalı Kayıt Var."));
    EXPECT_EQ(feedback.statuses.last(),
              QStringLiteral("127.0.0.4 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi."));
}
