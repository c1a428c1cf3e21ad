#include "tools/setup/DatabaseCreator.h"

#include "store/Database.h"
#include "store/DbError.h"
#include "store/Schema.h"

#include <QFileInfo>

#include <ibase.h>

namespace mv {

namespace {

QString statusText(const ISC_STATUS* status)
{
    QString text;
    char buffer[512];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(buffer, sizeof buffer, &cursor)) {
        if (!text.isEmpty())
            text += QStringLiteral(" - ");
        text += QString::fromLocal8Bit(buffer);
    }
    return text;
}

} // namespace

void createCatalogueDatabase(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("%1 zaten var; üzerine yazılmadı.").arg(path));

    // The client library creates a database only through a CREATE DATABASE statement
    // executed without a connection; the path is a literal there, so refuse quotes.
    if (path.contains(QLatin1Char('\'')))
        throw DbError(QStringLiteral("Veritabanı yolu tek tırnak içeremez: %1").arg(path));
    const QByteArray sql = QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' PASSWORD 'plumbcase' "
                                          "PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1254 COLLATION PXW_TURK")
                               .arg(path)
                               .toLocal8Bit();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), SQL_DIALECT_V6, nullptr))
        throw DbError(statusText(status));
    isc_detach_database(status, &db);

    Database catalogue(path);
    for (const QString& statement : catalogueSchema()) {
        catalogue.run(statement);
        catalogue.commit();
    }
    catalogue.close();
}

} // namespace mv
