#include "store/Database.h"
#include "store/OperationLog.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace mv;

namespace {

Rows logRows(Database& db)
{
    return db.run(QStringLiteral("SELECT LOGNO, TARIH, SAAT, ISLEM FROM LOGTBL ORDER BY LOGNO"));
}

} // namespace

TEST(OperationLog, RecordHoldsNumberDateTimeAndText)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    OperationLog log(db, [] { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3, 870)); });
    QStringList heard;
    log.setListener([&](const QString& t) { heard << t; });

    log.write(QStringLiteral("Program Başlatıldı."));

    const Rows rows = logRows(db);
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.value(0, QStringLiteral("TARIH")).toDate().toString(QStringLiteral("dd.MM.yyyy")),
              QStringLiteral("07.03.2024"));
    EXPECT_EQ(rows.value(0, QStringLiteral("SAAT")).toTime().toString(QStringLiteral("hh:mm:ss.zzz")),
              QStringLiteral("09:05:03.000"));
    EXPECT_EQ(rows.text(0, QStringLiteral("ISLEM")), QStringLiteral("Program Başlatıldı."));
    EXPECT_EQ(heard, QStringList{QStringLiteral("Program Başlatıldı.")});
}

TEST(OperationLog, RecordsWithoutCommitSurviveTwoNormalRuns)
{
    test::TestFolder folder;
    for (int run = 0; run < 2; ++run) {
        Database db(folder.databasePath());
        OperationLog(db).write(QStringLiteral("Program Başlatıldı."));
        // no commit: the end of the run keeps the record
    }
    Database db(folder.databasePath());
    const Rows rows = logRows(db);
    ASSERT_EQ(rows.count(), 2);
    EXPECT_NE(rows.value(0, QStringLiteral("LOGNO")), rows.value(1, QStringLiteral("LOGNO")));
}

TEST(OperationLog, LongTextIsCutToTheColumnInsteadOfFailing)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    const QString longName = QStringLiteral("LOG Kayıtları /home/dukkan/") + QString(300, QChar(0x015F))
                             + QStringLiteral(".xls Dosyasına Kayıt Edildi.");
    OperationLog(db).write(longName);
    const Rows rows = logRows(db);
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.text(0, QStringLiteral("ISLEM")), longName.left(256));
}
