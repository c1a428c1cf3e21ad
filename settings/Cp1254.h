#pragma once

#include <QByteArray>
#include <QString>

namespace mv {

// The Turkish Windows code page, in which every file and every database text is kept.
QString fromCp1254(const QByteArray& bytes);
// Characters that the code page cannot hold become `replacement`.
QByteArray toCp1254(const QString& text, char replacement = '?');
// The text as it will be after a round trip through the code page.
QString toCp1254Text(const QString& text, char replacement = '?');

} // namespace mv
