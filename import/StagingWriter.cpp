#include "import/StagingWriter.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/OperationFeedback.h"
#include "store/SqlValue.h"

namespace mv {

namespace {

const QString kIncompleteMark = QStringLiteral("E");
const QString kIncomplete = QStringLiteral(".Satir: Eksik Bilgi-> ");
const QString kFaulty = QStringLiteral(".Satir Hatali Bilgi-> ");

// Hides the gauge however the storing ends.
class ProgressGuard {
public:
    ProgressGuard(OperationFeedback& feedback, int maximum) : m_feedback(feedback) { m_feedback.beginProgress(maximum); }
    ~ProgressGuard() { m_feedback.endProgress(); }
    ProgressGuard(const ProgressGuard&) = delete;
    ProgressGuard& operator=(const ProgressGuard&) = delete;

private:
    OperationFeedback& m_feedback;
};

} // namespace

const QString StagingWriter::InsertStatement = QStringLiteral("INSERT INTO PLUTBL VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");
const QString StagingWriter::UpdateStatement =
    QStringLiteral("UPDATE PLUTBL SET BARKODU=?,DEPT=?,PLUADI=?,FIYAT=?,BARTIP=?,URTIP=?,DARA=?,RAFOMRU=?,"
                   "MESAJ1=?,ETIKETNO=?,DEGISTI=? WHERE PLUKODU=?");

StagingWriter::StagingWriter(Database& db, OperationFeedback& feedback) : m_db(db), m_feedback(feedback) {}

QVariantList StagingWriter::insertValues(const StagingRow& row)
{
    using namespace staging;
    return {
        sqlvalue::integer(row[PluCode]),
        sqlvalue::integer(row[Barcode]),
        sqlvalue::integer(row[Department]),
        row[Name],
        sqlvalue::decimal(row[Price]),
        sqlvalue::integer(row[ProductType]),
        sqlvalue::integer(row[BarcodeType]),
        sqlvalue::decimal(row[Tare]),
        sqlvalue::integer(row[ShelfLife]),
        sqlvalue::integer(row[Message]),
        sqlvalue::integer(row[LabelNo]),
        QStringLiteral(""), // DEGISTI: empty, not null
    };
}

QVariantList StagingWriter::updateValues(const StagingRow& row)
{
    using namespace staging;
    return {
        sqlvalue::integer(row[Barcode]),
        sqlvalue::integer(row[Department]),
        row[Name],
        sqlvalue::decimal(row[Price]),
        sqlvalue::integer(row[BarcodeType]),
        sqlvalue::integer(row[ProductType]),
        sqlvalue::decimal(row[Tare]),
        sqlvalue::integer(row[ShelfLife]),
        sqlvalue::integer(row[Message]),
        sqlvalue::integer(row[LabelNo]),
        QStringLiteral("E"),
        sqlvalue::integer(row[PluCode]),
    };
}

QString StagingWriter::errorLine(int row, const QString& kind, const StagingRow& values)
{
    using namespace staging;
    return QString::number(row) + kind + values[PluCode] + QLatin1Char(',') + values[Barcode] + QLatin1Char(',')
           + values[Department] + QLatin1Char(',') + values[Name] + QLatin1Char(',') + values[Price];
}

bool StagingWriter::tryInsert(const StagingRow& row)
{
    try {
        m_db.run(InsertStatement, insertValues(row));
        return true;
    } catch (const DbError&) {
        // An existing PLU code or a value the column cannot hold.
        return false;
    }
}

void StagingWriter::store(ImportStores& stores, const QString& oldRecords, const RowHook& afterEachRow)
{
    const int last = stores.dataRowCount();
    const bool update = oldRecords == QLatin1String("H");
    ProgressGuard progress(m_feedback, last);
    for (int r = 1; r <= last; ++r) {
        const StagingRow& row = stores.staging.at(r);
        if (row[staging::Mark] == kIncompleteMark) {
            stores.errorLines << errorLine(r, kIncomplete, row);
        } else if (!tryInsert(row)) {
            // An update that finds no product to change (the insert failed on a value,
            // not on an existing code) stores nothing: that line is faulty too, never
            // a silent loss.
            if (!update || m_db.run(UpdateStatement, updateValues(row)).affectedRows() == 0)
                stores.errorLines << errorLine(r, kFaulty, row);
        }
        m_feedback.setProgress(r);
        m_db.commit();
        if (afterEachRow)
            afterEachRow();
    }
}

} // namespace mv
