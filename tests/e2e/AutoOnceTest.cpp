#include "store/Database.h"
#include "tests/e2e/ScaleRack.h"
#include "tests/support/TestFolder.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mv;
using namespace mv::test;

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome runProgram(const QString& folder, const QStringList& extra = {QStringLiteral("--auto-once")})
{
    QProcess p;
    p.setProgram(binaryFolder() + QStringLiteral("/morvanta"));
    p.setArguments(QStringList{QStringLiteral("--dir"), folder} + extra);
    p.start();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A shop with three scales on the rack's addresses and the price list in place.
void setUpShop(TestFolder& folder, const ScaleRack& rack, const QStringList& ips)
{
    folder.copyFixture(QStringLiteral("e2e/DisVeri.ini"), QStringLiteral("Ini/DisVeri.ini"));
    folder.copyFixture(QStringLiteral("e2e/fiyat.txt"), QStringLiteral("fiyat.txt"));
    rack.writeSystemCfg(folder.path());
    Database db(folder.databasePath());
    int id = 0;
    for (const QString& ip : ips)
        db.run(QStringLiteral("INSERT INTO TERAZITBL VALUES(?,?,?,?,?)"),
               {++id, ip, QStringLiteral("Terazi %1").arg(id), QStringLiteral("0"), QString()});
    db.commit();
}

QStringList logTexts(const TestFolder& folder)
{
    Database db(folder.databasePath());
    return mv::test::logTexts(db);
}

const QStringList kIps = {QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.3"), QStringLiteral("127.0.0.4")};

} // namespace

TEST(AutoOnce, ImportsLoadsEveryScaleAndEndsWithSuccess)
{
    ScaleRack rack(kIps, {QStringLiteral("127.0.0.3")});
    TestFolder folder;
    setUpShop(folder, rack, kIps);

    const Outcome result = runProgram(folder.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    const QStringList expectedLog = {
        QStringLiteral("Program Başlatıldı."),
        QStringLiteral("127.0.0.2 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi."),
        QStringLiteral("127.0.0.3 IP Numaralı Terazi ile iletişim kurulamadı."),
        QStringLiteral("127.0.0.4 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi."),
    };
    EXPECT_EQ(logTexts(folder), expectedLog);
    for (const QString& line : expectedLog)
        EXPECT_TRUE(result.out.contains(line)) << line.toStdString() << "\n" << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Veriler Alındı. 1 Adet Hatalı Kayıt Var."))) << result.out.toStdString();

    EXPECT_EQ(rack.memory(kIps[0]).plus.size(), 2u);
    EXPECT_TRUE(rack.memory(kIps[1]).plus.empty());
    EXPECT_EQ(rack.memory(kIps[2]).plus.size(), 2u);
    QFile expected(fixturePath(QStringLiteral("e2e/Hata.expected")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(folder.readFile(QStringLiteral("Hata.txt")), expected.readAll());
}

TEST(AutoOnce, AnErrorThatEndsTheRunIsLoggedAndFailsTheExitStatus)
{
    ScaleRack rack(kIps);
    TestFolder folder;
    setUpShop(folder, rack, kIps);
    QFile::remove(folder.file(QStringLiteral("fiyat.txt")));

    const Outcome result = runProgram(folder.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("morvanta: "))) << result.err.toStdString();
    const QStringList log = logTexts(folder);
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("Otomatik yükleme hatası: "))) << log[1].toStdString();
    for (const QString& ip : kIps)
        EXPECT_TRUE(rack.memory(ip).plus.empty());
}

TEST(AutoOnce, MissingFilesEndTheProgramBeforeAnything)
{
    const struct {
        bool database;
        const char* message;
    } cases[] = {
        {false, "Veritabani Dosyasi Bulunamadi. Program Sonlandirilacaktir."},
        {true, "Ayar Dosyasi Bulunamadi. Program Sonlandirilacaktir."},
    };
    for (const auto& c : cases) {
        TestFolder folder(c.database ? TestFolder::WithDatabase : TestFolder::Empty);
        const Outcome result = runProgram(folder.path());
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains(QString::fromLatin1(c.message))) << result.err.toStdString();
        if (c.database) {
            EXPECT_TRUE(logTexts(folder).isEmpty());
        }
    }
}

TEST(AutoOnce, WrongArgumentsAreRefused)
{
    TestFolder folder;
    const Outcome result = runProgram(folder.path(), {QStringLiteral("--auto-once"), QStringLiteral("--auto")});
    EXPECT_EQ(result.exitCode, 2);
}

TEST(AutoLoop, RunsOnItsTimerUntilSigtermAndCommitsOnTheWayOut)
{
    ScaleRack rack(kIps);
    TestFolder folder;
    setUpShop(folder, rack, kIps);
    folder.writeSettings(QStringLiteral("[Genel]\nDisVeriSablon=000\nDisVerideEskiSil=H\nKusurat=,\n"
                                        "[UrunStandart]\nRafOmru=0\nDara=0\nMesaj1=0\n"
                                        "[OtoYukleme]\nBaslatma=H\nPeriyodik=E\nBaslatSure=00:00:01\nPeriyodikSure=00:00:01\n"));

    QProcess p;
    p.setProgram(binaryFolder() + QStringLiteral("/morvanta"));
    p.setArguments({QStringLiteral("--dir"), folder.path(), QStringLiteral("--auto")});
    p.start();
    ASSERT_TRUE(p.waitForStarted());
    struct KillOnFailure {
        QProcess& p;
        ~KillOnFailure()
        {
            if (p.state() != QProcess::NotRunning) {
                p.kill();
                p.waitForFinished();
            }
        }
    } guard{p};
    // Wait for two runs to have loaded the last scale.
    QByteArray out;
    const QByteArray loaded = QStringLiteral("127.0.0.4 IP Numaralı Teraziye Otomatik Modda 2 Adet").toUtf8();
    for (int i = 0; i < 100 && out.count(loaded) < 2; ++i) {
        p.waitForReadyRead(200);
        out += p.readAllStandardOutput();
    }
    ASSERT_GE(out.count(loaded), 2) << out.toStdString();
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

    const QStringList log = logTexts(folder);
    EXPECT_EQ(log.first(), QStringLiteral("Program Başlatıldı."));
    EXPECT_GE(log.count(QStringLiteral("127.0.0.2 IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi.")), 2);
    EXPECT_EQ(rack.memory(kIps[1]).plus.size(), 2u);
}

TEST(AutoOnce, SigtermStopsARunBetweenTwoProductsAndFailsIt)
{
    // Slow scales: every answer takes 300 ms.
    ScaleRack rack(kIps, {}, 300);
    TestFolder folder;
    setUpShop(folder, rack, kIps);

    QProcess p;
    p.setProgram(binaryFolder() + QStringLiteral("/morvanta"));
    p.setArguments({QStringLiteral("--dir"), folder.path(), QStringLiteral("--auto-once")});
    p.start();
    ASSERT_TRUE(p.waitForStarted());
    QByteArray out;
    const QByteArray first = QStringLiteral("127.0.0.2 IP Numaralı Teraziye").toUtf8();
    for (int i = 0; i < 100 && !out.contains(first); ++i) {
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains(first)) << out.toStdString();
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 1);

    const QStringList log = logTexts(folder);
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Otomatik yükleme hatası: Program durduruluyor")))
        << log.last().toStdString();
    EXPECT_EQ(rack.memory(kIps[0]).plus.size(), 2u);
    EXPECT_TRUE(rack.memory(kIps[2]).plus.empty());
}

TEST(AutoOnce, MissingDriverFailsTheRunInsteadOfReportingEveryScaleUnreachable)
{
    ScaleRack rack(kIps);
    TestFolder folder;
    setUpShop(folder, rack, kIps);
    // The program file alone in a folder, with no driver beside it or in the program folder.
    QTemporaryDir lonely;
    const QString program = lonely.filePath(QStringLiteral("morvanta"));
    ASSERT_TRUE(QFile::copy(binaryFolder() + QStringLiteral("/morvanta"), program));

    QProcess p;
    p.start(program, {QStringLiteral("--dir"), folder.path(), QStringLiteral("--auto-once")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Terazi sürücüsü yüklenemedi")));
    EXPECT_TRUE(rack.memory(kIps[0]).plus.empty());
}

TEST(AutoOnce, DatabaseNamedOnTheCommandLineTakesThePlaceOfDataFdb)
{
    ScaleRack rack(kIps);
    TestFolder shared;
    TestFolder folder;
    setUpShop(shared, rack, kIps);
    folder.copyFixture(QStringLiteral("e2e/DisVeri.ini"), QStringLiteral("Ini/DisVeri.ini"));
    folder.copyFixture(QStringLiteral("e2e/fiyat.txt"), QStringLiteral("fiyat.txt"));
    rack.writeSystemCfg(folder.path());
    QFile::remove(folder.databasePath());

    const Outcome result = runProgram(folder.path(), {QStringLiteral("--database"), shared.databasePath(),
                                                      QStringLiteral("--auto-once")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(logTexts(shared).first(), QStringLiteral("Program Başlatıldı."));
    EXPECT_EQ(rack.memory(kIps[2]).plus.size(), 2u);
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
}
