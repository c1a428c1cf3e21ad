#pragma once

#include "import/ImportStores.h"

#include <QString>
#include <QVariantList>

#include <functional>

namespace mv {

class Database;
class OperationFeedback;

// Stores the staging rows into PLUTBL one by one, committing after each row, and
// collects the error lines of the rows that cannot be stored.
class StagingWriter {
public:
    using RowHook = std::function<void()>;

    StagingWriter(Database& db, OperationFeedback& feedback);

    // `oldRecords` is DisVerideEskiSil: with "H" a row whose insert fails updates the
    // stored product; with anything else it becomes a "Hatali Bilgi" error line. An
    // update that fails raises its DbError: the rows before it stay committed.
    // `afterEachRow` runs after every row's commit.
    void store(ImportStores& stores, const QString& oldRecords, const RowHook& afterEachRow = {});

    // The values of the positional insert, converted for their columns (throws DbError
    // where the database would refuse the text).
    static QVariantList insertValues(const StagingRow& row);
    // The values of the update: BARKODU ... ETIKETNO, DEGISTI, then PLUKODU.
    static QVariantList updateValues(const StagingRow& row);
    // r + ".Satir: Eksik Bilgi-> " / ".Satir Hatali Bilgi-> " + columns 1-5 joined by ",".
    static QString errorLine(int row, const QString& kind, const StagingRow& values);

    static const QString InsertStatement;
    static const QString UpdateStatement;

private:
    bool tryInsert(const StagingRow& row);

    Database& m_db;
    OperationFeedback& m_feedback;
};

} // namespace mv
