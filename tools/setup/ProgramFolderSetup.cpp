#include "tools/setup/ProgramFolderSetup.h"

#include "settings/GeneralSettings.h"
#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"
#include "tools/setup/DatabaseCreator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mv {

QByteArray defaultGeneralSettings()
{
    GeneralSettings s;
    s.logIslem = QStringLiteral("E");
    s.bildirim = QStringLiteral("E");
    s.disVeriAyari = QStringLiteral("E");
    s.disVeriSablon = QStringLiteral("000");
    s.teraziSecim = QStringLiteral("H");
    s.disVerideEskiSil = QStringLiteral("H");
    s.kusurat = QStringLiteral(",");
    s.departman = QStringLiteral("20");
    s.rafOmru = QStringLiteral("0");
    s.dara = QStringLiteral("0");
    s.barkodTipi = QStringLiteral("7");
    s.mesaj1 = QStringLiteral("0");
    s.baslatma = QStringLiteral("H");
    s.periyodik = QStringLiteral("H");
    s.baslatSure = QStringLiteral("00:05:00");
    s.periyodikSure = QStringLiteral("01:00:00");
    IniFile ini;
    s.store(ini);
    return ini.toBytes();
}

QStringList setUpProgramFolder(const QString& path, const QString& reportsSource)
{
    QStringList report;
    QDir().mkpath(path);
    const ProgramFolder folder(path);

    const QString database = folder.databasePath();
    if (QFileInfo::exists(database)) {
        report << QStringLiteral("Veritabanı zaten var, dokunulmadı: %1").arg(database);
    } else {
        createCatalogueDatabase(database);
        report << QStringLiteral("Veritabanı oluşturuldu: %1").arg(database);
    }

    QDir(folder.path()).mkpath(QStringLiteral("Ini"));
    const QString settings = folder.settingsPath();
    if (QFileInfo::exists(settings)) {
        report << QStringLiteral("Ayar dosyası zaten var, dokunulmadı: %1").arg(settings);
    } else {
        QFile f(settings);
        if (!f.open(QIODevice::WriteOnly) || f.write(defaultGeneralSettings()) < 0)
            throw std::runtime_error("cannot write " + settings.toStdString());
        report << QStringLiteral("Ayar dosyası yazıldı: %1").arg(settings);
    }

    const QDir reports(reportsSource);
    for (const QString& name : reports.entryList({QStringLiteral("*.fr3"), QStringLiteral("*.xml")}, QDir::Files)) {
        const QString target = folder.path() + QLatin1Char('/') + name;
        if (!QFileInfo::exists(target))
            QFile::copy(reports.filePath(name), target);
    }
    return report;
}

} // namespace mv
