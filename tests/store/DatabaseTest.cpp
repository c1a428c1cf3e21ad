#include "store/Database.h"
#include "store/DbError.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace mv;

namespace {

const QString kInsertProduct = QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");

QVariantList product(int code, const QString& name, double price = 10.5)
{
    return {code, 2700000 + code, 27, name, price, 4, 7, 0, 5, 0, 1, QString()};
}

} // namespace

TEST(Database, KeyViolationRaisesAndLeavesTheStoredRowUnchanged)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    db.run(kInsertProduct, product(1, QStringLiteral("DANA KIYMA")));
    db.commit();

    try {
        db.run(kInsertProduct, product(1, QStringLiteral("BAŞKA"), 99));
        FAIL() << "a second product with the same code was stored";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("PRIMARY"), Qt::CaseInsensitive)) << e.what();
    }
    // The transaction goes on after the failed statement.
    db.run(kInsertProduct, product(2, QStringLiteral("KUZU")));
    db.commit();

    const Rows rows = db.run(QStringLiteral("SELECT PLUADI, FIYAT FROM PLUTBL ORDER BY PLUKODU"));
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.text(0, QStringLiteral("PLUADI")), QStringLiteral("DANA KIYMA"));
    EXPECT_DOUBLE_EQ(rows.value(0, QStringLiteral("FIYAT")).toDouble(), 10.5);
}

TEST(Database, CountOnAnEmptyTableGivesOneRowWithZero)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    const Rows rows = db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL"));
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.scalar().toInt(), 0);
}

TEST(Database, ProceduresHandOutNumbersOfTheirOwn)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    const QString a = db.executeProcedure(QStringLiteral("P_LOG"));
    const QString b = db.executeProcedure(QStringLiteral("P_LOG"));
    const QString scale = db.executeProcedure(QStringLiteral("P_TERAZI"));
    EXPECT_NE(a, b);
    EXPECT_FALSE(a.isEmpty());
    EXPECT_FALSE(scale.isEmpty());
}

TEST(Database, TextsKeepEveryTurkishLetterAndQuote)
{
    const QStringList names = {
        QStringLiteral("İNCİR ıİşŞğĞüÜöÖçÇ"),
        QStringLiteral("O'NUN KÖFTESİ"),
        QStringLiteral("\"TIRNAK\"; --"),
    };
    test::TestFolder folder;
    {
        Database db(folder.databasePath());
        for (int i = 0; i < names.size(); ++i)
            db.run(kInsertProduct, product(i + 1, names[i]));
        db.commit();
    }
    Database db(folder.databasePath());
    const Rows rows = db.run(QStringLiteral("SELECT PLUADI, OCTET_LENGTH(PLUADI) FROM PLUTBL ORDER BY PLUKODU"));
    ASSERT_EQ(rows.count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(rows.text(i, QStringLiteral("PLUADI")), names[i]);
        // One byte a letter: the column holds Windows-1254, not UTF-8.
        EXPECT_EQ(rows.value(i, 1).toInt(), names[i].size());
    }
}

TEST(Database, TurkishCaseInsensitiveSearchFindsCapitalDottedI)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    db.run(kInsertProduct, product(1, QStringLiteral("KURU İNCİR")));
    db.run(kInsertProduct, product(2, QStringLiteral("ELMA")));
    const Rows rows = db.run(
        QStringLiteral("SELECT * FROM PLUTBL WHERE (PLUTBL.PLUADI COLLATE PXW_TURK) CONTAINING ?"),
        {QStringLiteral("incir")});
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.value(0, QStringLiteral("PLUKODU")).toInt(), 1);
}

TEST(Database, UncommittedWorkIsCommittedWhenTheConnectionEnds)
{
    test::TestFolder folder;
    {
        Database db(folder.databasePath());
        db.run(kInsertProduct, product(7, QStringLiteral("SİMİT")));
    }
    Database db(folder.databasePath());
    EXPECT_EQ(db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL")).scalar().toInt(), 1);
}

TEST(Database, MissingOrDamagedFileFailsOnTheFirstStatement)
{
    test::TestFolder folder(test::TestFolder::Empty);
    folder.writeFile(QStringLiteral("Data.FDB"), QByteArray(4096, 'x'));
    for (const QString& path : {folder.databasePath(), folder.file(QStringLiteral("yok.fdb"))}) {
        Database db(path);
        EXPECT_THROW(db.run(QStringLiteral("SELECT COUNT(PLUKODU) FROM PLUTBL")), DbError) << path.toStdString();
    }
}

TEST(Database, WritesTellHowManyRowsTheyChanged)
{
    test::TestFolder folder;
    Database db(folder.databasePath());
    db.run(kInsertProduct, product(1, QStringLiteral("ELMA")));
    db.run(kInsertProduct, product(2, QStringLiteral("ARMUT")));
    const QString update = QStringLiteral("UPDATE PLUTBL SET PLUADI=? WHERE PLUKODU=?");
    EXPECT_EQ(db.run(update, {QStringLiteral("AYVA"), 1}).affectedRows(), 1);
    EXPECT_EQ(db.run(update, {QStringLiteral("AYVA"), 9}).affectedRows(), 0);
    EXPECT_EQ(db.run(QStringLiteral("DELETE FROM PLUTBL")).affectedRows(), 2);
}
