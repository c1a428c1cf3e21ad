#pragma once

#include "import/ImportMode.h"
#include "import/ImportStores.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"

#include <QString>

#include <functional>

namespace mv {

class Database;
class OperationFeedback;
class OperationLog;

// Reads the external data file as the template in force describes it and merges its
// products into PLUTBL, one committed row at a time. Faulty rows are counted in the
// status text and written to Hata.txt in the program folder.
//
// A template or data file that cannot be read or cut raises ImportError before the
// database is touched; an update that the database refuses raises DbError after the
// rows before it have been committed. Both end the run without a report.
class ExternalImport {
public:
    using RowHook = std::function<void()>;

    struct Result {
        bool ran = false;    // false: the manual import was declined or had no template
        int rows = 0;        // staging rows handled
        int errorCount = 0;  // error lines written to Hata.txt
        QString statusText;  // what went into status panel 6
    };

    ExternalImport(Database& db, OperationLog& log, ProgramFolder folder, OperationFeedback& feedback);

    // The product list's button: asks, checks that the template exists, then runs.
    // `afterEachRow` runs after every committed row (the screen lists again).
    Result runManual(ImportStores& stores, const GeneralSettings& settings, const QString& templatePath,
                     const RowHook& afterEachRow = {});
    // The first step of the automatic cycle: runs at once.
    Result runAutomatic(ImportStores& stores, const GeneralSettings& settings, const QString& templatePath);

    // The run both entries share.
    Result run(ImportMode mode, ImportStores& stores, const GeneralSettings& settings, const QString& templatePath,
               const RowHook& afterEachRow = {});

    static const QString Question;         // "Dış veri dosyasından ürün bilgileri alınsın mı?"
    static const QString NoTemplateNotice; // "Dış Veri Ayar Dosyasi Bulunamadi.\r..."

    // Where the template's Dosya lies: a relative name is taken from the program folder.
    QString dataFilePath(const QString& dosya) const;

private:
    void writeErrorFile(const QStringList& lines) const;

    Database& m_db;
    OperationLog& m_log;
    ProgramFolder m_folder;
    OperationFeedback& m_feedback;
};

} // namespace mv
