#include "tools/scale-sim/SystemCfg.h"

#include <QSaveFile>

namespace mv::sim {

bool writeSystemCfg(const QString& path, quint16 port, int connectTimeoutMs, int replyTimeoutMs)
{
    const QByteArray text = QStringLiteral("# Morvanta scale driver\r\nPort=%1\r\nConnectTimeoutMs=%2\r\nReplyTimeoutMs=%3\r\n")
                                .arg(port)
                                .arg(connectTimeoutMs)
                                .arg(replyTimeoutMs)
                                .toLatin1();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace mv::sim
