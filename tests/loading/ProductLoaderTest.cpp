#include "scale/ConversionError.h"
#include "scale/ProductLoader.h"
#include "store/Database.h"
#include "store/OperationLog.h"
#include "tests/loading/RecordingFeedback.h"
#include "tests/loading/RecordingScaleDriver.h"
#include "tests/support/TestFolder.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace mv {
namespace {

using Mode = ProductLoader::Mode;
using Outcome = ProductLoader::Outcome;

const QString A = QStringLiteral("192.168.1.10");
const QString B = QStringLiteral("192.168.1.11");
const QString C = QStringLiteral("192.168.1.9");

ProductRow product(int code, const char* price = "12,5", const char* etiketno = "1")
{
    ProductRow row;
    row.plukodu = QString::number(code);
    row.barkodu = QString::number(2700000 + code);
    row.pluadi = QStringLiteral("ÜRÜN %1").arg(code);
    row.fiyat = QLatin1String(price);
    row.urtip = QStringLiteral("4");
    row.bartip = QStringLiteral("1");
    row.dept = QStringLiteral("27");
    row.dara = QStringLiteral("0");
    row.rafomru = QStringLiteral("3");
    row.mesaj1 = QStringLiteral("0");
    row.etiketno = QLatin1String(etiketno);
    row.calculate();
    return row;
}

std::int32_t field(const QByteArray& cluster, int offset)
{
    return qFromLittleEndian<std::int32_t>(cluster.constData() + offset);
}

class ProductLoaderTest : public testing::Test {
protected:
    test::TestFolder folder{test::TestFolder::WithDatabase};
    Database db{folder.databasePath()};
    OperationLog log{db};
    test::RecordingScaleDriver driver;
    test::RecordingFeedback feedback;

    ProductLoader loader(QChar separator = QLatin1Char(','))
    {
        return ProductLoader(driver, log, feedback, separator);
    }

    QStringList logTexts() { return test::logTexts(db); }

    static QStringList loadedScale(const QString& ip, int products)
    {
        QStringList trace{QStringLiteral("connect ") + ip};
        for (int i = 0; i < products; ++i)
            trace << QStringLiteral("cluster");
        trace << QStringLiteral("disconnect ") + ip;
        return trace;
    }
};

TEST_F(ProductLoaderTest, ManualLoadingSendsOneClusterPerProductToEveryScale)
{
    const QList<ProductRow> rows{product(5), product(3), product(9)};
    const auto outcomes = loader().loadScales({A, B}, rows, Mode::Manual);

    EXPECT_EQ(outcomes, QList<Outcome>({Outcome::Loaded, Outcome::Loaded}));
    EXPECT_EQ(driver.trace(), loadedScale(A, 3) + loadedScale(B, 3));
    const auto& connect = driver.calls().first();
    EXPECT_EQ(connect.lfzk, QByteArray(".\\lfzk.dat"));
    EXPECT_EQ(connect.systemCfg, QByteArray(".\\system.cfg"));
    EXPECT_EQ(connect.ip, A.toLatin1());

    // In row order, each cluster the same product in all four slots.
    for (const QString& ip : {A, B}) {
        const QList<QByteArray> clusters = driver.clustersFor(ip.toLatin1());
        ASSERT_EQ(clusters.size(), 3);
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(field(clusters[i], 68 * k + 4), rows[i].plukodu.toInt());
    }

    const QStringList texts{A + QStringLiteral(" IP Numaralı Teraziye 3 Adet Ürün Bilgisi Yüklendi."),
                            B + QStringLiteral(" IP Numaralı Teraziye 3 Adet Ürün Bilgisi Yüklendi.")};
    EXPECT_EQ(logTexts(), texts);
    EXPECT_EQ(feedback.statuses, texts);
    EXPECT_TRUE(feedback.notices.isEmpty());
    const QStringList gauge{QStringLiteral("begin 2"), QStringLiteral("set 0"), QStringLiteral("set 1"),
                            QStringLiteral("set 2"), QStringLiteral("end")};
    EXPECT_EQ(feedback.gauge, gauge + gauge);
}

TEST_F(ProductLoaderTest, AutomaticLoadingLoadsTheProductTable)
{
    db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
           {1, 2700001, 27, QStringLiteral("DANA KIYMA"), 489.9, 4, 1, 0, 3, 0, 1, QString()});
    db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
           {2, 2700002, 27, QStringLiteral("SİMİT"), 12.5, 10, 1, 0, 1, 0, 9, QString()});
    const QList<ProductRow> rows = ProductRow::readAll(db, QLatin1Char(','));

    EXPECT_EQ(loader().loadScale(A, rows, Mode::Automatic), Outcome::Loaded);
    EXPECT_EQ(driver.trace(), loadedScale(A, 2));
    const QString text = A + QStringLiteral(" IP Numaralı Teraziye Otomatik Modda 2 Adet Ürün Bilgisi Yüklendi.");
    EXPECT_EQ(logTexts(), QStringList{text});
    EXPECT_EQ(feedback.statuses, QStringList{text});
}

// 12.5 lira in the table reaches the scale as 1250 kuruş whichever separator the
// price setting names, and a third decimal rounds to the nearest kuruş.
TEST_F(ProductLoaderTest, PricesFromTheTableArriveInKurusWithEitherSeparator)
{
    db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
           {1, 0, 27, QStringLiteral("A"), 12.5, 4, 1, 1.5, 3, 0, 3, QString()});
    db.run(QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)"),
           {2, 0, 27, QStringLiteral("B"), 1.235, 4, 1, 0, 3, 0, 9, QString()});
    for (QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        SCOPED_TRACE(separator.toLatin1());
        QList<ProductRow> rows = ProductRow::readAll(db, separator);
        std::sort(rows.begin(), rows.end(), [](const ProductRow& x, const ProductRow& y) { return x.plukodu < y.plukodu; });
        const QByteArray ip = QByteArray("10.0.0.") + separator.toLatin1();
        loader(separator).loadScale(QString::fromLatin1(ip), rows, Mode::Manual);

        const QList<QByteArray> clusters = driver.clustersFor(ip);
        ASSERT_EQ(clusters.size(), 2);
        EXPECT_EQ(field(clusters[0], 16), 1250);
        EXPECT_EQ(qFromLittleEndian<double>(clusters[0].constData() + 28), 1.5);
        EXPECT_EQ(std::uint8_t(clusters[0][62]), 4);  // ETIKETNO 3 is B0
        EXPECT_EQ(field(clusters[1], 16), 124);
        EXPECT_EQ(std::uint8_t(clusters[1][62]), 3);  // ETIKETNO 9 is E0
    }
}

class UnreachableScale : public ProductLoaderTest, public testing::WithParamInterface<Mode> {};

TEST_P(UnreachableScale, SecondScaleOfThreeIsReportedAndSkipped)
{
    const Mode mode = GetParam();
    driver.makeUnreachable(B.toLatin1());
    const auto outcomes = loader().loadScales({A, B, C}, {product(1)}, mode);

    EXPECT_EQ(outcomes, QList<Outcome>({Outcome::Loaded, Outcome::Unreachable, Outcome::Loaded}));
    EXPECT_EQ(driver.trace(), loadedScale(A, 1) + QStringList{QStringLiteral("connect ") + B} + loadedScale(C, 1));

    const QString loadedA = ProductLoader::loadedText(A, 1, mode);
    const QString loadedC = ProductLoader::loadedText(C, 1, mode);
    if (mode == Mode::Manual) {
        EXPECT_EQ(feedback.notices, QStringList{B + QStringLiteral("\rIP Numaralı Terazi ile iletişim kurulamadı..")});
        EXPECT_EQ(logTexts(), QStringList({loadedA, loadedC}));
        EXPECT_EQ(feedback.statuses, QStringList({loadedA, loadedC}));
    } else {
        const QString unreachable = B + QStringLiteral(" IP Numaralı Terazi ile iletişim kurulamadı.");
        EXPECT_TRUE(feedback.notices.isEmpty());
        EXPECT_EQ(logTexts(), QStringList({loadedA, unreachable, loadedC}));
        EXPECT_EQ(feedback.statuses, QStringList({loadedA, unreachable, loadedC}));
    }
    EXPECT_EQ(feedback.open, 0);
}

INSTANTIATE_TEST_SUITE_P(BothModes, UnreachableScale, testing::Values(Mode::Manual, Mode::Automatic),
                         [](const testing::TestParamInfo<Mode>& info) {
                             return info.param == Mode::Manual ? "Manual" : "Automatic";
                         });

TEST_F(ProductLoaderTest, FailedTransferStopsThatScaleWithoutLogOrStatus)
{
    driver.failTransfer(A.toLatin1(), 2);
    const auto outcomes = loader().loadScales({A, B}, {product(1), product(2), product(3)}, Mode::Automatic);

    EXPECT_EQ(outcomes, QList<Outcome>({Outcome::TransferFailed, Outcome::Loaded}));
    EXPECT_EQ(driver.trace(), QStringList({QStringLiteral("connect ") + A, QStringLiteral("cluster"),
                                           QStringLiteral("cluster"), QStringLiteral("disconnect ") + A})
                                  + loadedScale(B, 3));
    const QString loadedB = B + QStringLiteral(" IP Numaralı Teraziye Otomatik Modda 3 Adet Ürün Bilgisi Yüklendi.");
    EXPECT_EQ(logTexts(), QStringList{loadedB});
    EXPECT_EQ(feedback.statuses, QStringList{loadedB});
    EXPECT_TRUE(feedback.notices.isEmpty());
    EXPECT_EQ(feedback.open, 0);
}

TEST_F(ProductLoaderTest, EmptyProductListStillConnectsAndLogsZero)
{
    EXPECT_EQ(loader().loadScale(A, {}, Mode::Manual), Outcome::Loaded);
    EXPECT_EQ(driver.trace(), loadedScale(A, 0));
    const QString text = A + QStringLiteral(" IP Numaralı Teraziye 0 Adet Ürün Bilgisi Yüklendi.");
    EXPECT_EQ(logTexts(), QStringList{text});
    EXPECT_EQ(feedback.statuses, QStringList{text});
    EXPECT_EQ(feedback.gauge, QStringList({QStringLiteral("begin 0"), QStringLiteral("end")}));
}

TEST_F(ProductLoaderTest, ConversionErrorDisconnectsAndEndsTheWholeLoading)
{
    const QList<ProductRow> rows{product(1), product(2, "12,5", "11"), product(3)};
    try {
        loader().loadScales({A, B, C}, rows, Mode::Manual);
        FAIL() << "the loading went on";
    } catch (const ConversionError& e) {
        EXPECT_FALSE(e.text().isEmpty());
    }
    EXPECT_EQ(driver.trace(), QStringList({QStringLiteral("connect ") + A, QStringLiteral("cluster"),
                                           QStringLiteral("disconnect ") + A}));
    EXPECT_FALSE(driver.connected());
    EXPECT_TRUE(logTexts().isEmpty());
    EXPECT_TRUE(feedback.statuses.isEmpty());
    EXPECT_EQ(feedback.open, 0);
}

} // namespace
} // namespace mv
