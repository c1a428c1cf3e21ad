#include "app/AutomaticRun.h"

#include "import/ExternalImport.h"
#include "scale/ProductLoader.h"
#include "scale/ProductRow.h"
#include "settings/GeneralSettings.h"
#include "settings/ProgramFolder.h"
#include "store/Database.h"

namespace mv {

AutomaticRun::AutomaticRun(Database& db, OperationLog& log, ScaleDriver& driver, const ProgramFolder& folder,
                           OperationFeedback& feedback)
    : m_db(db), m_log(log), m_driver(driver), m_folder(folder), m_feedback(feedback)
{
}

void AutomaticRun::run(const GeneralSettings& settings, const QString& templatePath, const QStringList& targetScales)
{
    ExternalImport(m_db, m_log, m_folder, m_feedback).runAutomatic(m_stores, settings, templatePath);

    const QChar separator = settings.decimalSeparator();
    const QList<ProductRow> rows = ProductRow::readAll(m_db, separator);
    ProductLoader(m_driver, m_log, m_feedback, separator).loadScales(targetScales, rows, ProductLoader::Mode::Automatic);
    // The loading texts are log records: keep them even if the program ends hard later.
    m_db.commit();
}

} // namespace mv
