#pragma once

#include "settings/ProgramFolder.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace mv {
class Database;
}

namespace mv::test {

// A program folder of its own for one test, in a temporary folder that is removed
// afterwards. The catalogue database is copied from one made once per test program,
// so every test starts from an empty, valid Data.FDB in a fraction of a second.
class TestFolder {
public:
    enum Contents { Empty, WithDatabase, WithDatabaseAndSettings };
    explicit TestFolder(Contents contents = WithDatabaseAndSettings);

    QString path() const { return m_dir.path(); }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString file(const QString& relative) const { return m_dir.path() + QLatin1Char('/') + relative; }
    QString databasePath() const { return file(QStringLiteral("Data.FDB")); }
    QString settingsPath() const { return file(QStringLiteral("Ini/GenelAyar.Ini")); }

    void addDatabase();
    // Ini/GenelAyar.Ini with the keys given, in the order of a fresh file.
    void writeSettings(const QString& content);
    void writeFile(const QString& relative, const QByteArray& bytes);
    QByteArray readFile(const QString& relative) const;

    // A fixture file from tests/data, copied into the folder under `relative`.
    void copyFixture(const QString& fixture, const QString& relative);

private:
    QTemporaryDir m_dir;
};

// The texts of the operation log, oldest first.
QStringList logTexts(Database& db);

// A settings file with every key at its usual default, CR LF line ends.
QByteArray defaultSettingsFile();
// Path of a file under tests/data in the source tree.
QString fixturePath(const QString& name);
// Folder that holds the built programs and the scale driver.
QString binaryFolder();

} // namespace mv::test
