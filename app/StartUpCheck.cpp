#include "app/StartUpCheck.h"

#include "settings/ProgramFolder.h"

#include <QFileInfo>

namespace mv {

QString missingFileMessage(const ProgramFolder& folder, bool checkDatabase)
{
    if (checkDatabase && !QFileInfo(folder.databasePath()).isFile())
        return QStringLiteral("Veritabani Dosyasi Bulunamadi.\rProgram Sonlandirilacaktir.");
    if (!QFileInfo(folder.settingsPath()).isFile())
        return QStringLiteral("Ayar Dosyasi Bulunamadi.\rProgram Sonlandirilacaktir.");
    return {};
}

} // namespace mv
