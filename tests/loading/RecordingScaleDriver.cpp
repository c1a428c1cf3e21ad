#include "tests/loading/RecordingScaleDriver.h"

#include <QStringList>

namespace mv::test {

int RecordingScaleDriver::connect(const QByteArray& lfzkPath, const QByteArray& systemCfgPath, const QByteArray& ip)
{
    m_calls << Call{Kind::Connect, ip, {}, lfzkPath, systemCfgPath};
    if (m_unreachable.contains(ip))
        return -1;
    m_connectedIp = ip;
    m_transfersOnConnection = 0;
    return 0;
}

int RecordingScaleDriver::disconnect(const QByteArray& ip)
{
    m_calls << Call{Kind::Disconnect, ip, {}, {}, {}};
    if (ip == m_connectedIp)
        m_connectedIp.clear();
    return 0;
}

int RecordingScaleDriver::transferPluCluster(const QByteArray& cluster)
{
    // A deep copy: the loader reuses its buffer for the next product.
    m_calls << Call{Kind::PluCluster, m_connectedIp, QByteArray(cluster.constData(), cluster.size()), {}, {}};
    ++m_transfersOnConnection;
    if (m_connectedIp.isEmpty())
        return -2;
    return m_connectedIp == m_failIp && m_transfersOnConnection == m_failAt ? -1 : 0;
}

int RecordingScaleDriver::transferHotkey(const HotkeyBlock& block, int table)
{
    QByteArray data(reinterpret_cast<const char*>(block.data()), int(sizeof block));
    data.append(char(table));
    m_calls << Call{Kind::Hotkey, m_connectedIp, data, {}, {}};
    return 0;
}

int RecordingScaleDriver::transferMessage(int number, const QByteArray& text)
{
    m_calls << Call{Kind::Message, m_connectedIp, QByteArray::number(number) + ':' + text, {}, {}};
    return 0;
}

int RecordingScaleDriver::clearPluData(const QByteArray& ip)
{
    m_calls << Call{Kind::Clear, ip, {}, {}, {}};
    return 0;
}

QList<QByteArray> RecordingScaleDriver::clustersFor(const QByteArray& ip) const
{
    QList<QByteArray> out;
    for (const Call& c : m_calls)
        if (c.kind == Kind::PluCluster && c.ip == ip)
            out << c.data;
    return out;
}

QStringList RecordingScaleDriver::trace() const
{
    QStringList out;
    for (const Call& c : m_calls) {
        switch (c.kind) {
        case Kind::Connect: out << QStringLiteral("connect ") + QString::fromLatin1(c.ip); break;
        case Kind::Disconnect: out << QStringLiteral("disconnect ") + QString::fromLatin1(c.ip); break;
        case Kind::PluCluster: out << QStringLiteral("cluster"); break;
        case Kind::Hotkey: out << QStringLiteral("hotkey"); break;
        case Kind::Message: out << QStringLiteral("message"); break;
        case Kind::Clear: out << QStringLiteral("clear ") + QString::fromLatin1(c.ip); break;
        }
    }
    return out;
}

} // namespace mv::test
