#include "store/Database.h"

#include "store/DbError.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace mv {

namespace {

QAtomicInt g_connectionCounter;

QString errorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

// Only inserts, updates and deletes have a count of changed rows to ask for.
bool changesRows(const QString& sql)
{
    const QStringView t = QStringView(sql).trimmed();
    for (const char* verb : {"INSERT", "UPDATE", "DELETE"})
        if (t.startsWith(QLatin1String(verb), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

Database::Database(QString database, QString user, QString password)
    : m_database(std::move(database)), m_user(std::move(user)), m_password(std::move(password)),
      m_connectionName(QStringLiteral("morvanta-%1").arg(g_connectionCounter.fetchAndAddOrdered(1)))
{
}

Database::~Database()
{
    try {
        close();
    } catch (...) {
        // Nothing sensible is left to do with an error while the program ends.
    }
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

QSqlDatabase& Database::connection()
{
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_connectionName);
        if (!m_db.isValid())
            throw DbError(QStringLiteral("Firebird veritabanı sürücüsü (QIBASE) yüklenemedi."));
    }
    if (!m_db.isOpen()) {
        m_db.setDatabaseName(m_database);
        m_db.setUserName(m_user);
        m_db.setPassword(m_password);
        m_db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=WIN1254;ISC_DPB_SQL_DIALECT=3"));
        if (!m_db.open())
            throw DbError(errorText(m_db.lastError()));
        m_inTransaction = false;
    }
    return m_db;
}

void Database::beginIfNeeded()
{
    QSqlDatabase& db = connection();
    if (m_inTransaction)
        return;
    if (!db.transaction())
        throw DbError(errorText(db.lastError()));
    m_inTransaction = true;
}

Rows Database::run(const QString& sql, const QVariantList& values)
{
    beginIfNeeded();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(errorText(query.lastError()));
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError(errorText(query.lastError()));
    if (!query.isSelect())
        return Rows::affected(changesRows(sql) ? query.numRowsAffected() : 0);

    QStringList columns;
    const QSqlRecord record = query.record();
    const int n = record.count();
    columns.reserve(n);
    for (int i = 0; i < n; ++i)
        columns << record.fieldName(i).toUpper();

    QList<QVariantList> data;
    while (query.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << query.value(i);
        data << std::move(row);
    }
    if (query.lastError().isValid())
        throw DbError(errorText(query.lastError()));
    return Rows(std::move(columns), std::move(data));
}

QString Database::executeProcedure(const QString& name)
{
    beginIfNeeded();
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("EXECUTE PROCEDURE %1").arg(name)))
        throw DbError(errorText(query.lastError()));
    if (!query.next())
        throw DbError(QStringLiteral("%1 bir kayıt numarası döndürmedi.").arg(name));
    return query.value(QStringLiteral("KAYIT_NO")).toString();
}

void Database::commit()
{
    if (!m_inTransaction)
        return;
    if (!m_db.commit())
        throw DbError(errorText(m_db.lastError()));
    m_inTransaction = false;
}

void Database::close()
{
    if (!m_db.isValid() || !m_db.isOpen())
        return;
    commit();
    m_db.close();
}

} // namespace mv
