#pragma once

#include "scale/ScaleDriver.h"

#include <QByteArray>
#include <QList>
#include <QSet>

namespace mv::test {

// A scale driver that keeps every call with the exact bytes passed, and fails a
// connection or a cluster transfer when told to.
class RecordingScaleDriver : public ScaleDriver {
public:
    enum class Kind { Connect, Disconnect, PluCluster, Hotkey, Message, Clear };
    struct Call {
        Kind kind;
        QByteArray ip;      // connect, disconnect, clear; for transfers the connected scale
        QByteArray data;    // the cluster with its text area, or the message text
        QByteArray lfzk;    // connect only
        QByteArray systemCfg;
    };

    int connect(const QByteArray& lfzkPath, const QByteArray& systemCfgPath, const QByteArray& ip) override;
    int disconnect(const QByteArray& ip) override;
    int transferPluCluster(const QByteArray& cluster) override;
    int transferHotkey(const HotkeyBlock& block, int table) override;
    int transferMessage(int number, const QByteArray& text) override;
    int clearPluData(const QByteArray& ip) override;

    // Connecting to `ip` fails with a negative result.
    void makeUnreachable(const QByteArray& ip) { m_unreachable.insert(ip); }
    // The `n`th cluster transfer (1-based) while connected to `ip` fails.
    void failTransfer(const QByteArray& ip, int n) { m_failIp = ip; m_failAt = n; }

    const QList<Call>& calls() const { return m_calls; }
    // The clusters sent while connected to `ip`, in order.
    QList<QByteArray> clustersFor(const QByteArray& ip) const;
    // The calls as short words ("connect 10.0.0.1", "cluster", "disconnect 10.0.0.1").
    QStringList trace() const;
    // Whether a connection is open now (connect without its disconnect).
    bool connected() const { return !m_connectedIp.isEmpty(); }

private:
    QList<Call> m_calls;
    QSet<QByteArray> m_unreachable;
    QByteArray m_connectedIp;
    int m_transfersOnConnection = 0;
    QByteArray m_failIp;
    int m_failAt = 0;
};

} // namespace mv::test
