#pragma once

#include <QString>

namespace mv {

class Database;

// Lays out a program folder: a new Data.FDB (an existing one is kept as it is),
// Ini/GenelAyar.Ini with its sixteen keys (an existing file is kept), and the
// report templates. Returns the lines it reports to the user.
QStringList setUpProgramFolder(const QString& folder, const QString& reportsSource);

// The general settings a new program folder starts with.
QByteArray defaultGeneralSettings();

} // namespace mv
