#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace mv {

// A settings file in the classic INI form, as the Windows profile functions keep it:
// Windows-1254 text with CR LF line ends, section and key names matched regardless of
// case, values with surrounding blanks removed. Writing a key replaces its line in
// place, a missing key is appended at the end of its section and a missing section at
// the end of the file; every other line stays as it was, byte for byte.
class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path);

    // Reads the file; a missing file reads as empty. Returns false only when the file
    // exists but cannot be read.
    bool load();
    // Writes the file through a temporary file, so a failed write never leaves half a file.
    bool save() const;

    const QString& path() const { return m_path; }
    bool exists() const;

    // The value of a key, blanks removed; the empty text when the key is missing.
    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    QByteArray toBytes() const;
    void fromBytes(const QByteArray& bytes);

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray eol;  // "\r\n", "\n", "\r" or empty on a last line without one
    };
    // Index of the section header line, or -1.
    int findSection(const QString& section) const;
    // Index of the key line within the section starting after `header`, or -1.
    int findKey(int header, const QString& key) const;
    int sectionEnd(int header) const;

    QString m_path;
    QList<Line> m_lines;
};

} // namespace mv
