#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mv {

// The external data file as a list of lines in the Windows-1254 character set.
class DataFile {
public:
    // Reads the file; throws ImportError when it is missing or cannot be read.
    // `shownName` is the name the error text gives (the template's Dosya).
    static QStringList readLines(const QString& path, bool utf8, const QString& shownName);

    // Splits the bytes at CR LF, LF or CR; a line end at the very end opens no further
    // line. ANSI bytes are taken as Windows-1254; UTF-8 is converted, and characters
    // that Windows-1254 cannot hold (and bytes that are no UTF-8) become "?". A UTF-8
    // byte order mark at the start is dropped.
    static QStringList splitLines(const QByteArray& bytes, bool utf8);
};

} // namespace mv
