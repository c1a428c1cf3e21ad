#include "tests/support/TestFolder.h"

#include "settings/Cp1254.h"
#include "store/Database.h"
#include "tools/setup/DatabaseCreator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <stdexcept>

namespace mv::test {

namespace {

// One empty catalogue database per test program, made on first use.
QString templateDatabase()
{
    static QTemporaryDir dir;
    static QString path;
    if (path.isEmpty()) {
        path = dir.path() + QStringLiteral("/Template.FDB");
        createCatalogueDatabase(path);
    }
    return path;
}

} // namespace

TestFolder::TestFolder(Contents contents)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    if (contents != Empty)
        addDatabase();
    if (contents == WithDatabaseAndSettings) {
        QDir(path()).mkpath(QStringLiteral("Ini"));
        writeFile(QStringLiteral("Ini/GenelAyar.Ini"), defaultSettingsFile());
    }
}

void TestFolder::addDatabase()
{
    QFile::remove(databasePath());
    if (!QFile::copy(templateDatabase(), databasePath()))
        throw std::runtime_error("cannot copy the template database");
    QFile(databasePath()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestFolder::writeSettings(const QString& content)
{
    QDir(path()).mkpath(QStringLiteral("Ini"));
    QString text = content;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    writeFile(QStringLiteral("Ini/GenelAyar.Ini"), toCp1254(text));
}

void TestFolder::writeFile(const QString& relative, const QByteArray& bytes)
{
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile f(target);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + target.toStdString());
}

QByteArray TestFolder::readFile(const QString& relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestFolder::copyFixture(const QString& fixture, const QString& relative)
{
    QFile f(fixturePath(fixture));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing fixture " + fixture.toStdString());
    writeFile(relative, f.readAll());
}

QStringList logTexts(Database& db)
{
    QStringList texts;
    const Rows rows = db.run(QStringLiteral("SELECT ISLEM FROM LOGTBL ORDER BY LOGNO"));
    for (int r = 0; r < rows.count(); ++r)
        texts << rows.text(r, QStringLiteral("ISLEM"));
    return texts;
}

QByteArray defaultSettingsFile()
{
    return QByteArrayLiteral("[Genel]\r\n"
                             "LogIslem=E\r\n"
                             "Bildirim=E\r\n"
                             "DisVeriAyari=E\r\n"
                             "DisVeriSablon=000\r\n"
                             "TeraziSecim=H\r\n"
                             "DisVerideEskiSil=H\r\n"
                             "Kusurat=,\r\n"
                             "[UrunStandart]\r\n"
                             "Departman=20\r\n"
                             "RafOmru=0\r\n"
                             "Dara=0\r\n"
                             "BarkodTipi=7\r\n"
                             "Mesaj1=0\r\n"
                             "[OtoYukleme]\r\n"
                             "Baslatma=H\r\n"
                             "Periyodik=H\r\n"
                             "BaslatSure=00:05:00\r\n"
                             "PeriyodikSure=01:00:00\r\n");
}

QString fixturePath(const QString& name)
{
    return QStringLiteral(MORVANTA_SOURCE_DIR "/tests/data/") + name;
}

QString binaryFolder()
{
    const QByteArray env = qgetenv("MORVANTA_BIN");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QCoreApplication::applicationDirPath();
}

} // namespace mv::test
