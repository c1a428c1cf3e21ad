#pragma once

#include <QString>
#include <QTemporaryDir>

namespace mv::test {

// A temporary current folder holding the driver's system.cfg, as the program has its
// program folder. The previous current folder comes back when the object goes.
class DriverFolder {
public:
    DriverFolder(quint16 port, int connectTimeoutMs = 2000, int replyTimeoutMs = 5000);
    ~DriverFolder();
    DriverFolder(const DriverFolder&) = delete;
    DriverFolder& operator=(const DriverFolder&) = delete;

    QString path() const { return m_dir.path(); }
    // Rewrites system.cfg with `text` as it stands.
    void writeConfig(const QByteArray& text, const QString& name = QStringLiteral("system.cfg"));

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

} // namespace mv::test
