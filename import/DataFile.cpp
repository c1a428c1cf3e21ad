#include "import/DataFile.h"

#include "import/ImportError.h"
#include "settings/Cp1254.h"

#include <QFile>
#include <QFileInfo>

namespace mv {

namespace {

QString decodeLine(const char* data, qsizetype size, bool utf8)
{
    const QByteArray bytes = QByteArray::fromRawData(data, size);
    if (utf8)
        return toCp1254Text(QString::fromUtf8(bytes));
    QString line = fromCp1254(bytes);
    // The five bytes the code page leaves unused have no character to store either.
    line.replace(QChar(0xFFFD), QLatin1Char('?'));
    return line;
}

} // namespace

QStringList DataFile::readLines(const QString& path, bool utf8, const QString& shownName)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw ImportError(QStringLiteral("Dış veri dosyası bulunamadı: %1").arg(shownName));
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(QStringLiteral("Dış veri dosyası okunamadı: %1 (%2)").arg(shownName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ImportError(QStringLiteral("Dış veri dosyası okunamadı: %1 (%2)").arg(shownName, file.errorString()));
    return splitLines(bytes, utf8);
}

QStringList DataFile::splitLines(const QByteArray& bytes, bool utf8)
{
    QStringList lines;
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    if (utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < n) {
        qsizetype i = start;
        while (i < n && data[i] != '\r' && data[i] != '\n')
            ++i;
        lines << decodeLine(data + start, i - start, utf8);
        if (i < n && data[i] == '\r' && i + 1 < n && data[i + 1] == '\n')
            i += 2;
        else if (i < n)
            ++i;
        start = i;
    }
    return lines;
}

} // namespace mv
