#pragma once

#include "scale/ScaleDriver.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

namespace mv::test {

// A driver that records every call and answers as told: scales listed in
// `unreachable` refuse the connection.
class FakeScaleDriver : public ScaleDriver {
public:
    QSet<QByteArray> unreachable;
    QStringList calls; // "connect 127.0.0.2", "clear 127.0.0.2", "disconnect 127.0.0.2", ...

    int connect(const QByteArray& lfzk, const QByteArray& cfg, const QByteArray& ip) override;
    int disconnect(const QByteArray& ip) override;
    int transferPluCluster(const QByteArray& cluster) override;
    int transferHotkey(const HotkeyBlock& block, int table) override;
    int transferMessage(int number, const QByteArray& text) override;
    int clearPluData(const QByteArray& ip) override;
};

} // namespace mv::test
