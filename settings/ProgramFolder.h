#pragma once

#include <QString>

namespace mv {

// The folder that holds the program's files. Names are resolved against it; when the
// exact name is absent, a name that differs only in letter case is taken, so a folder
// copied from a Windows shop works as it is. Both "/" and "\" separate folders.
class ProgramFolder {
public:
    ProgramFolder() = default;
    explicit ProgramFolder(const QString& path);

    const QString& path() const { return m_path; }
    // The path of a file or folder under the program folder, e.g. "Ini\GenelAyar.Ini".
    QString file(const QString& relative) const;

    QString databasePath() const { return file(QStringLiteral("Data.FDB")); }
    QString settingsPath() const { return file(QStringLiteral("Ini\\GenelAyar.Ini")); }
    QString errorFilePath() const { return file(QStringLiteral("Hata.txt")); }

private:
    QString m_path;
};

} // namespace mv
