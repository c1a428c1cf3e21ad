#pragma once

#include "store/Rows.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace mv {

// The one connection to the catalogue database and its one shared transaction.
//
// The connection opens on the first statement. Every statement runs inside the shared
// transaction, which starts on demand and ends only by commit(); a statement the
// database rejects raises DbError and leaves the transaction open, so the caller may
// go on with other statements in it. The destructor commits what is still open.
class Database {
public:
    // `database` is a local file path (embedded engine) or "host:path" / "host/port:path".
    explicit Database(QString database, QString user = QStringLiteral("SYSDBA"),
                      QString password = QStringLiteral("plumbcase"));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& databaseName() const { return m_database; }

    // Runs one statement with its values bound in order; returns the rows it produced
    // (none for insert, update, delete).
    Rows run(const QString& sql, const QVariantList& values = {});
    // Executes a stored procedure without input and returns its output KAYIT_NO as text.
    QString executeProcedure(const QString& name);
    // Commits the shared transaction; the next statement starts a new one.
    void commit();
    // Commits and closes the connection; the next statement opens it again.
    void close();
    bool isOpen() const;

private:
    QSqlDatabase& connection();
    void beginIfNeeded();

    QString m_database;
    QString m_user;
    QString m_password;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_inTransaction = false;
};

} // namespace mv
