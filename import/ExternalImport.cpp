#include "import/ExternalImport.h"

#include "import/DataFile.h"
#include "import/ImportError.h"
#include "import/ImportLayout.h"
#include "import/LineCutter.h"
#include "import/StagingWriter.h"
#include "settings/Cp1254.h"
#include "settings/ExtTemplate.h"
#include "store/Database.h"
#include "store/OperationFeedback.h"
#include "store/OperationLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mv {

const QString ExternalImport::Question = QStringLiteral("Dış veri dosyasından ürün bilgileri alınsın mı?");
const QString ExternalImport::NoTemplateNotice =
    QStringLiteral("Dış Veri Ayar Dosyasi Bulunamadi.\rVeri Alımı Yapılamayacaktır.");

ExternalImport::ExternalImport(Database& db, OperationLog& log, ProgramFolder folder, OperationFeedback& feedback)
    : m_db(db), m_log(log), m_folder(std::move(folder)), m_feedback(feedback)
{
}

ExternalImport::Result ExternalImport::runManual(ImportStores& stores, const GeneralSettings& settings,
                                                 const QString& templatePath, const RowHook& afterEachRow)
{
    if (!m_feedback.ask(Question))
        return {};
    if (!QFileInfo(templatePath).isFile()) {
        m_feedback.notice(NoTemplateNotice);
        return {};
    }
    return run(ImportMode::Manual, stores, settings, templatePath, afterEachRow);
}

ExternalImport::Result ExternalImport::runAutomatic(ImportStores& stores, const GeneralSettings& settings,
                                                    const QString& templatePath)
{
    return run(ImportMode::Automatic, stores, settings, templatePath);
}

QString ExternalImport::dataFilePath(const QString& dosya) const
{
    if (dosya.isEmpty() || QDir::isAbsolutePath(dosya))
        return dosya;
    return m_folder.file(dosya);
}

ExternalImport::Result ExternalImport::run(ImportMode mode, ImportStores& stores, const GeneralSettings& settings,
                                           const QString& templatePath, const RowHook& afterEachRow)
{
    // 1. The template, read afresh for every run.
    if (!QFileInfo(templatePath).isFile())
        throw ImportError(QStringLiteral("Dış veri ayar dosyası bulunamadı: %1").arg(templatePath));
    const ExtTemplate tpl = ExtTemplate::read(templatePath);
    const ImportLayout layout = ImportLayout::build(tpl, settings, mode);

    // 2. A fresh start.
    QFile::remove(m_folder.errorFilePath());
    stores.clear();

    // 3-4. Read and cut the whole file before the database is touched.
    stores.rawLines = DataFile::readLines(dataFilePath(layout.dataFile), layout.utf8, layout.dataFile);
    LineCutter(layout).cutAll(stores);

    // 5. Empty the product table when asked to.
    if (isYes(settings.disVerideEskiSil)) {
        m_db.run(QStringLiteral("DELETE FROM PLUTBL"));
        m_db.commit();
    }

    // 6. Store row by row.
    StagingWriter(m_db, m_feedback).store(stores, settings.disVerideEskiSil, afterEachRow);

    // 7. Report.
    Result result;
    result.ran = true;
    result.rows = stores.dataRowCount();
    result.errorCount = int(stores.errorLines.size());
    if (stores.errorLines.isEmpty()) {
        result.statusText = layout.dataFile + QStringLiteral(" Dosyasından Veriler Alındı.");
        m_log.write(result.statusText);
        m_feedback.setStatus(result.statusText);
    } else {
        result.statusText = QStringLiteral("Veriler Alındı.\r%1 Adet Hatalı Kayıt Var.").arg(result.errorCount);
        m_feedback.setStatus(result.statusText);
        writeErrorFile(stores.errorLines);
    }
    return result;
}

void ExternalImport::writeErrorFile(const QStringList& lines) const
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toCp1254(line) + "\r\n";
    const QString path = m_folder.errorFilePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ImportError(QStringLiteral("Hata dosyası yazılamadı: %1 (%2)").arg(path, file.errorString()));
}

} // namespace mv
