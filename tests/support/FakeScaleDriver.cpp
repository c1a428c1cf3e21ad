#include "tests/support/FakeScaleDriver.h"

namespace mv::test {

int FakeScaleDriver::connect(const QByteArray&, const QByteArray&, const QByteArray& ip)
{
    calls << QStringLiteral("connect ") + QString::fromLatin1(ip);
    return unreachable.contains(ip) ? -2 : 0;
}

int FakeScaleDriver::disconnect(const QByteArray& ip)
{
    calls << QStringLiteral("disconnect ") + QString::fromLatin1(ip);
    return 0;
}

int FakeScaleDriver::transferPluCluster(const QByteArray&)
{
    calls << QStringLiteral("cluster");
    return 0;
}

int FakeScaleDriver::transferHotkey(const HotkeyBlock&, int table)
{
    calls << QStringLiteral("hotkey %1").arg(table);
    return 0;
}

int FakeScaleDriver::transferMessage(int number, const QByteArray&)
{
    calls << QStringLiteral("message %1").arg(number);
    return 0;
}

int FakeScaleDriver::clearPluData(const QByteArray& ip)
{
    calls << QStringLiteral("clear ") + QString::fromLatin1(ip);
    return 0;
}

} // namespace mv::test
