#pragma once

#include "import/ImportStores.h"

#include <QStringList>

namespace mv {

class Database;
class OperationFeedback;
class OperationLog;
class ProgramFolder;
class ScaleDriver;
struct GeneralSettings;

// One run of the automatic loading cycle: the automatic import of the external data
// file, then every product loaded into every scale of the target list in turn.
// Unreachable scales and faulty lines are reported on the way; an error that ends the
// run (unreadable template or file, a failed update, a value that cannot be converted)
// is thrown to the caller.
class AutomaticRun {
public:
    AutomaticRun(Database& db, OperationLog& log, ScaleDriver& driver, const ProgramFolder& folder,
                 OperationFeedback& feedback);

    void run(const GeneralSettings& settings, const QString& templatePath, const QStringList& targetScales);

    // The stores of the last import (raw lines, staging rows, error lines).
    const ImportStores& stores() const { return m_stores; }

private:
    Database& m_db;
    OperationLog& m_log;
    ScaleDriver& m_driver;
    const ProgramFolder& m_folder;
    OperationFeedback& m_feedback;
    ImportStores m_stores;
};

} // namespace mv
