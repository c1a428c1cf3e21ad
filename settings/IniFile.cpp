#include "settings/IniFile.h"

#include "settings/Cp1254.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace mv {

namespace {

const QByteArray kCrLf("\r\n");

// The section name of a header line, or a null text when the line is no header.
QString sectionName(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('['))
        return {};
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return {};
    return fromCp1254(t.mid(1, close - 1)).trimmed();
}

bool keyMatches(const QByteArray& line, const QString& key)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    return fromCp1254(line.left(eq)).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::exists() const
{
    return QFile::exists(m_path);
}

bool IniFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    fromBytes(file.readAll());
    return true;
}

void IniFile::fromBytes(const QByteArray& bytes)
{
    m_lines.clear();
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        Line line{bytes.mid(start, i - start), {}};
        if (i < n) {
            if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                line.eol = kCrLf;
            else
                line.eol = QByteArray(1, bytes[i]);
        }
        start = i + line.eol.size();
        m_lines << line;
    }
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    for (const Line& line : m_lines)
        out += line.text + line.eol;
    return out;
}

bool IniFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toBytes());
    return file.commit();
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString name = sectionName(m_lines[i].text);
        if (!name.isNull() && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && sectionName(m_lines[i].text).isNull())
        ++i;
    return i;
}

int IniFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (keyMatches(m_lines[i].text, key))
            return i;
    return -1;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    const int header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

QString IniFile::value(const QString& section, const QString& key) const
{
    const int header = findSection(section);
    if (header < 0)
        return {};
    const int at = findKey(header, key);
    if (at < 0)
        return {};
    const QByteArray& line = m_lines[at].text;
    return fromCp1254(line.mid(line.indexOf('=') + 1)).trimmed();
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray entry = toCp1254(key) + '=' + toCp1254(value);
    int header = findSection(section);
    if (header < 0) {
        // A last line without its line end gets one before the new section follows.
        if (!m_lines.isEmpty() && m_lines.last().eol.isEmpty())
            m_lines.last().eol = kCrLf;
        m_lines << Line{'[' + toCp1254(section) + ']', kCrLf} << Line{entry, kCrLf};
        return;
    }
    const int at = findKey(header, key);
    if (at >= 0) {
        // Keep the key as it is spelt in the file; only the value changes.
        const QByteArray& old = m_lines[at].text;
        m_lines[at].text = old.left(old.indexOf('=')).trimmed() + '=' + toCp1254(value);
        return;
    }
    // Append after the last non-blank line of the section.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines[insertAt - 1].text.trimmed().isEmpty())
        --insertAt;
    if (m_lines[insertAt - 1].eol.isEmpty())
        m_lines[insertAt - 1].eol = kCrLf;
    m_lines.insert(insertAt, Line{entry, kCrLf});
}

} // namespace mv
